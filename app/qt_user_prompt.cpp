#include "app/qt_user_prompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStringList>

#include "catalog/select_drive_dlg.h"

namespace motrevix {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Error:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtUserPrompt::ShowMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon) {
  QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

bool QtUserPrompt::AskYesNo(const std::string& text, const std::string& caption) {
  return QMessageBox::question(parent_, QString::fromStdString(caption),
                               QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

std::string QtUserPrompt::ChooseOpenFile(const std::string& caption, const std::string& filter) {
  return QFileDialog::getOpenFileName(parent_, QString::fromStdString(caption), QString(),
                                      QString::fromStdString(filter))
      .toStdString();
}

std::string QtUserPrompt::ChooseFolder(const std::string& caption) {
  return QFileDialog::getExistingDirectory(parent_, QString::fromStdString(caption)).toStdString();
}

bool QtUserPrompt::AskOkCancel(const std::string& text, const std::string& caption,
                               MessageIcon icon) {
  QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> QtUserPrompt::ChooseDrive(const std::vector<std::string>& entries) {
  std::vector<QString> texts;
  for (const std::string& entry : entries) texts.push_back(QString::fromStdString(entry));
  const std::optional<QString> chosen = catalog::RunSelectDrive(texts, parent_);
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::string QtUserPrompt::ChooseSaveFile(const std::string& caption, const std::string& initialName,
                                         const std::string& filter) {
  return QFileDialog::getSaveFileName(parent_, QString::fromStdString(caption),
                                      QString::fromStdString(initialName),
                                      QString::fromStdString(filter))
      .toStdString();
}

bool QtUserPrompt::SetUpPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace motrevix
