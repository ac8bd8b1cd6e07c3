#pragma once
// Every modal question the viewer puts to the user goes through this interface,
// so that tests answer it without a person or a display. The viewer's
// implementation shows Qt dialogs (app/qt_user_prompt.h); tests use
// RecordingPrompt (tests/support/recording_prompt.h). The questions added for the
// dialogs have answers for a prompt that cannot ask (a terminal): Cancel.

#include <optional>
#include <string>
#include <vector>

class QPrinter;

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

  // An OK/Cancel question; true for OK.
  virtual bool AskOkCancel(const std::string& text, const std::string& caption,
                           MessageIcon icon = MessageIcon::Question) {
    (void)text, (void)caption, (void)icon;
    return false;
  }
  // The drive choice: one entry per card, the text the user picked or typed;
  // unset when the user cancels.
  virtual std::optional<std::string> ChooseDrive(const std::vector<std::string>& entries) {
    (void)entries;
    return std::nullopt;
  }
  // A file chooser for saving, starting at initialName; empty when the user cancels.
  virtual std::string ChooseSaveFile(const std::string& caption, const std::string& initialName,
                                     const std::string& filter) {
    (void)caption, (void)initialName, (void)filter;
    return {};
  }
  // The print dialog: sets up printer for the user's choice; false when the user cancels.
  virtual bool SetUpPrinter(QPrinter& printer) {
    (void)printer;
    return false;
  }
};

}  // namespace motrevix
