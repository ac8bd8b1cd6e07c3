#pragma once
// `CTabsetDlg`: the modal CONFIGURATION dialog. Its SETTING and INFO pages edit the
// camera's settings record, clock file and owner file in the card root; SAVE writes
// them, CANCEL writes nothing, DEFAULT puts the SETTING page to the camera's defaults.

#include <QDateTime>
#include <QDialog>
#include <filesystem>

#include "config/card_root_identity.h"
#include "config/file_writer.h"
#include "platform/user_prompt.h"

class QTabWidget;

namespace motrevix::config {

class CSetupDialog;
class CSettingTab1;

class CTabsetDlg : public QDialog {
  Q_OBJECT

 public:
  // The card root and the identity its folder had when the card was chosen (not
  // known: taken now). Both pages are filled at once: a missing rdsetup.cfg is
  // reported through the prompt before the dialog shows.
  CTabsetDlg(std::filesystem::path cardRoot, CardRootIdentity chosenCard, IUserPrompt& prompt,
             IFileWriter& writer, QDateTime openedAt = QDateTime::currentDateTime(),
             QWidget* parent = nullptr);

  CSetupDialog* SettingPage() const { return m_pSetting; }
  CSettingTab1* InfoPage() const { return m_pInfo; }

 private:
  void OnSave();     // 1
  void OnDefault();  // 1193

  std::filesystem::path m_cardRoot;
  CardRootIdentity m_chosenCard;
  IUserPrompt& m_prompt;
  IFileWriter& m_writer;
  QTabWidget* m_pTabs = nullptr;
  CSetupDialog* m_pSetting = nullptr;
  CSettingTab1* m_pInfo = nullptr;
};

}  // namespace motrevix::config
