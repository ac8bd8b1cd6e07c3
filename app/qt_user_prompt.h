#pragma once
// The viewer's answers to its modal questions: Qt message boxes and file and
// folder choosers, owned by a parent window when one is given.

#include <QPointer>
#include <QWidget>

#include "platform/user_prompt.h"

namespace motrevix {

class QtUserPrompt : public IUserPrompt {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  std::string ChooseOpenFile(const std::string& caption, const std::string& filter) override;
  std::string ChooseFolder(const std::string& caption) override;
  bool AskOkCancel(const std::string& text, const std::string& caption, MessageIcon icon) override;
  std::optional<std::string> ChooseDrive(const std::vector<std::string>& entries) override;
  std::string ChooseSaveFile(const std::string& caption, const std::string& initialName,
                             const std::string& filter) override;
  bool SetUpPrinter(QPrinter& printer) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace motrevix
