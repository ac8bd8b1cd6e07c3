#pragma once
// Every modal question the viewer puts to the user goes through this interface,
// so that tests answer it without a person or a display. The viewer's
// implementation shows Qt message boxes; tests use RecordingPrompt.

#include <string>
#include <vector>

namespace motrevix {

enum class MessageIcon { Exclamation, Information, Question, Error };

class IUserPrompt {
 public:
  virtual ~IUserPrompt() = default;
  // An OK-only message box.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageIcon icon = MessageIcon::Exclamation) = 0;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // A file chooser for opening one file; filter as Qt writes it ("Video (*.avi)").
  // Empty when the user cancels.
  virtual std::string ChooseOpenFile(const std::string& caption, const std::string& filter) = 0;
  // A folder chooser; empty when the user cancels.
  virtual std::string ChooseFolder(const std::string& caption) = 0;
};

// Records what was shown and answers questions from a script (Yes when empty).
class RecordingPrompt : public IUserPrompt {
 public:
  struct Shown {
    std::string text;
    std::string caption;
  };

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
    messages.push_back({text, caption});
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    questions.push_back({text, caption});
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  std::string ChooseOpenFile(const std::string& caption, const std::string&) override {
    questions.push_back({"open file", caption});
    return chosenFile;
  }
  std::string ChooseFolder(const std::string& caption) override {
    questions.push_back({"choose folder", caption});
    return chosenFolder;
  }

  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<bool> answers;
  std::string chosenFile;
  std::string chosenFolder;
};

}  // namespace motrevix
