#include "config/tabset_dlg.h"

#include <QPushButton>
#include <QTabWidget>

#include "config/camera_files.h"
#include "config/file_messages.h"
#include "config/setting_tab1.h"
#include "config/setup_dialog.h"
#include "platform/dialog_palette.h"
#include "platform/dialog_units.h"

namespace motrevix::config {
namespace {

QPushButton* Button(QWidget* host, const char* id, const char* caption, QRect rect) {
  auto* button = new QPushButton(caption, host);
  button->setObjectName(id);
  button->setGeometry(rect);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CTabsetDlg::CTabsetDlg(std::filesystem::path cardRoot, CardRootIdentity chosenCard,
                       IUserPrompt& prompt, IFileWriter& writer, QDateTime openedAt,
                       QWidget* parent)
    : QDialog(parent),
      m_cardRoot(std::move(cardRoot)),
      m_chosenCard(chosenCard.known ? chosenCard : IdentifyCardRoot(m_cardRoot)),
      m_prompt(prompt),
      m_writer(writer) {
  setObjectName("347");
  setWindowTitle("CONFIGURATION");
  setModal(true);
  setPalette(DarkDialogPalette());
  setAutoFillBackground(true);
  const QRect size = DialogRect(0, 0, 639, 341);
  setFixedSize(size.size());

  auto* save = Button(this, "1", "SAVE", DialogRect(70, 320, 50, 14));
  save->setDefault(true);
  auto* cancel = Button(this, "2", "CANCEL", DialogRect(162, 320, 50, 14));
  auto* defaults = Button(this, "1193", "DEFAULT", DialogRect(249, 319, 54, 15));
  connect(save, &QPushButton::clicked, this, &CTabsetDlg::OnSave);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &CTabsetDlg::OnDefault);

  m_pTabs = new QTabWidget(this);
  m_pTabs->setObjectName("1194");
  m_pTabs->setGeometry(DialogRect(7, 7, 627, 299));
  m_pSetting = new CSetupDialog(openedAt);
  m_pInfo = new CSettingTab1;
  m_pTabs->addTab(m_pSetting, "SETTING");
  m_pTabs->addTab(m_pInfo, "INFO");
  m_pTabs->setCurrentIndex(0);

  m_pSetting->Initialise(m_cardRoot, m_prompt);
  m_pInfo->Initialise(m_cardRoot);
}

void CTabsetDlg::OnSave() {
  // A pulled card leaves its mount point behind as a folder of the system disk; a
  // save there would report success and the camera would never see it.
  if (!IsSameCardRoot(m_chosenCard, m_cardRoot)) {
    m_prompt.ShowMessage(CardRootGoneMessage(m_cardRoot), kFileErrorCaption);
    return;
  }
  SaveRequest request;
  request.fields = m_pSetting->Fields();
  request.setClock = m_pSetting->ClockRequested();
  request.clockDate = m_pSetting->PickerDate();
  request.clockTime = m_pSetting->PickerTime();
  request.owner = m_pInfo->Owner();
  const SaveOutcome outcome = SaveCameraFiles(m_cardRoot, request, m_prompt, m_writer);
  if (!outcome.settingsSaved) return;  // reported; the user may save again or cancel
  accept();
}

void CTabsetDlg::OnDefault() { m_pSetting->ApplyDefaultValues(); }

}  // namespace motrevix::config
