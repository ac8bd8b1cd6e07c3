// Shows the format dialog on image files standing in for cards, for looking at it
// on a real display: format-dialog-preview IMAGE...
#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <vector>

#include "format/fat32_formatter_dlg.h"
#include "platform/volume_sources.h"

namespace {

// Message boxes and OK/Cancel questions; nothing else is asked by this dialog.
class BoxPrompt : public motrevix::IUserPrompt {
 public:
  void ShowMessage(const std::string& text, const std::string& caption,
                   motrevix::MessageIcon) override {
    QMessageBox::information(nullptr, QString::fromStdString(caption),
                             QString::fromStdString(text));
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    return AskOkCancel(text, caption, motrevix::MessageIcon::Question);
  }
  bool AskOkCancel(const std::string& text, const std::string& caption,
                   motrevix::MessageIcon) override {
    return QMessageBox::question(nullptr, QString::fromStdString(caption),
                                 QString::fromStdString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
  }
  std::string ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
  std::string ChooseFolder(const std::string&) override { return {}; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::vector<std::filesystem::path> images(argv + 1, argv + argc);
  BoxPrompt prompt;
  motrevix::format::CFAT32FormatterDlg dialog(
      prompt, std::make_unique<motrevix::ImageFileSource>(std::move(images)), nullptr);
  return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
