#pragma once
// A prompt for tests: records every message (with its icon) and question, and
// answers from a script.

#include <QPrinter>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_prompt.h"

namespace motrevix {

class RecordingPrompt : public IUserPrompt {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Exclamation;
  };

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon});
  }
  // Yes/No and OK/Cancel questions take their answers from `answers`, then true.
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    questions.push_back({text, caption, MessageIcon::Question});
    return NextAnswer();
  }
  bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon) override {
    questions.push_back({text, caption, icon});
    return NextAnswer();
  }
  std::string ChooseOpenFile(const std::string& caption, const std::string&) override {
    questions.push_back({"open file", caption});
    return chosenFile;
  }
  std::string ChooseFolder(const std::string& caption) override {
    questions.push_back({"choose folder", caption});
    return chosenFolder;
  }
  std::optional<std::string> ChooseDrive(const std::vector<std::string>& entries) override {
    questions.push_back({"choose drive", ""});
    offeredDrives = entries;
    return chosenDrive;
  }
  std::string ChooseSaveFile(const std::string& caption, const std::string& initialName,
                             const std::string& filter) override {
    questions.push_back({"save file", caption});
    offeredSaveName = initialName;
    offeredSaveFilter = filter;
    return chosenSaveFile;
  }
  // Prints to printPdfPath as a PDF file; cancels when it is empty.
  bool SetUpPrinter(QPrinter& printer) override {
    questions.push_back({"print", ""});
    if (printPdfPath.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printPdfPath));
    return true;
  }

  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<bool> answers;
  std::string chosenFile;
  std::string chosenFolder;
  std::optional<std::string> chosenDrive;
  std::vector<std::string> offeredDrives;
  std::string chosenSaveFile;
  std::string offeredSaveName;
  std::string offeredSaveFilter;
  std::string printPdfPath;

 private:
  bool NextAnswer() {
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

}  // namespace motrevix
