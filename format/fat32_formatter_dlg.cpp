#include "format/fat32_formatter_dlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "format/disk_service_source.h"
#include "format/format_dialog_text.h"
#include "platform/dialog_palette.h"
#include "platform/dialog_units.h"
#include "platform/volume_sources.h"

namespace motrevix::format {
namespace {

constexpr const char* kSelectDrive = "Select Drive...";
constexpr const char* kNoCard = "No SD Card";
constexpr const char* kInUse = "SD card or use other applications.";
constexpr const char* kConfirm = "Run SD Card format. Please check Drive letter again.\nContinue?";
constexpr const char* kCompleted = "SD Card format completed";
constexpr const char* kFailed = "SD Card format failed";

template <typename Control>
Control* Place(QWidget* parent, const char* id, QRect rect) {
  auto* control = new Control(parent);
  control->setObjectName(id);
  control->setGeometry(rect);
  return control;
}

QPushButton* Button(QWidget* parent, const char* id, const char* caption, QRect rect) {
  auto* button = Place<QPushButton>(parent, id, rect);
  button->setText(caption);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CFAT32FormatterDlg::CFAT32FormatterDlg(IUserPrompt& prompt, std::unique_ptr<IVolumeSource> source,
                                       IDiskService* diskService, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_pDiskService(diskService) {
  if (!source) source = std::make_unique<RemovableDriveSource>();
  m_pFormatter = std::make_unique<CQVFormatter>(
      std::make_unique<DiskServiceVolumeSource>(std::move(source), diskService));
  setObjectName("398");
  setWindowTitle(kFormatDialogCaption);
  setModal(true);
  setPalette(DarkDialogPalette());
  setAutoFillBackground(true);
  setFixedSize(DialogRect(0, 0, 316, 182).size());
  BuildControls();

  m_pFormat->setEnabled(false);
  ShowStatus(kSelectDrive, "");
  OnRefresh();
}

void CFAT32FormatterDlg::BuildControls() {
  Place<QGroupBox>(this, "1218", DialogRect(7, 78, 302, 70))->setTitle("Drive Status");
  Place<QLabel>(this, "1211", DialogRect(15, 20, 60, 15))->setText("Select Drive :");
  Place<QLabel>(this, "1212", DialogRect(15, 44, 60, 15))->setText("Volume Label :");
  m_pDrives = Place<QComboBox>(this, "1213", DialogRect(91, 18, 140, 15));
  UseDarkPopup(m_pDrives);
  m_pRefresh = Button(this, "1214", "Refresh", DialogRect(241, 17, 60, 15));
  m_pLabel = Place<QLineEdit>(this, "1096", DialogRect(91, 42, 140, 15));
  m_pLabel->setMaxLength(static_cast<int>(kMaxDialogLabelChars));
  // Printable ASCII only: its bytes are the label's characters in the 11-byte field.
  m_pLabel->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]{0,10}"), m_pLabel));
  m_pStatus = Place<QLabel>(this, "1215", DialogRect(20, 94, 275, 15));
  m_pProgress = Place<QProgressBar>(this, "1216", DialogRect(17, 116, 282, 20));
  m_pProgress->setRange(0, 100);
  m_pProgress->setValue(0);
  m_pProgress->setTextVisible(false);
  m_pFormat = Button(this, "1217", "Format", DialogRect(182, 161, 60, 14));
  m_pClose = Button(this, "1", "Close", DialogRect(249, 161, 50, 14));
  m_pClose->setDefault(true);

  connect(m_pRefresh, &QPushButton::clicked, this, &CFAT32FormatterDlg::OnRefresh);
  connect(m_pDrives, &QComboBox::currentIndexChanged, this,
          &CFAT32FormatterDlg::OnSelectionChanged);
  connect(m_pFormat, &QPushButton::clicked, this, &CFAT32FormatterDlg::OnFormat);
  connect(m_pClose, &QPushButton::clicked, this, &QDialog::accept);
}

void CFAT32FormatterDlg::ShowStatus(const QString& status, const QString& label) {
  m_pStatus->setText(status);
  m_pLabel->setText(label);
}

void CFAT32FormatterDlg::OnRefresh() {
  ShowStatus(kSelectDrive, "");
  m_pFormat->setEnabled(false);
  m_bHaveCandidates = m_pFormatter->ProbeDrives();
  m_bFilling = true;
  m_pDrives->clear();
  if (m_bHaveCandidates) {
    for (int i = 0; i < m_pFormatter->GetDriveCount(); ++i)
      m_pDrives->addItem(QString::fromStdString(DriveEntryText(*m_pFormatter->GetDriveName(i))));
    m_pDrives->setCurrentIndex(-1);
  } else {
    m_pDrives->addItem(kNoCard);
    m_pDrives->setCurrentIndex(0);
  }
  m_bFilling = false;
}

void CFAT32FormatterDlg::OnSelectionChanged(int index) {
  if (m_bFilling || !m_bHaveCandidates || index < 0) return;
  m_pFormatter->CloseVolume();
  const VolumeCandidate* drive = m_pFormatter->GetDrive(index);
  if (drive == nullptr) return;
  if (!drive->mountPoints.empty() && !UnmountWithConsent(*drive)) return;
  if (!m_pFormatter->OpenVolume(index)) {
    RefuseSelection(true);
    return;
  }
  ShowStatus(QString::fromStdString(ReadinessText(m_pFormatter->GetVolumeSectors())),
             kDefaultVolumeLabel);
  m_pFormat->setEnabled(true);
}

bool CFAT32FormatterDlg::UnmountWithConsent(const VolumeCandidate& drive) {
  // Without the disk service there is no way to unmount it from here.
  if (m_pDiskService == nullptr || !m_pDiskService->IsAvailable()) {
    RefuseSelection(true);
    return false;
  }
  const std::string question = drive.name + " is mounted on " + drive.mountPoints.front() +
                               ".\nUnmount it so that it can be formatted?";
  if (!m_prompt.AskOkCancel(question, kFormatDialogCaption, MessageIcon::Question)) {
    RefuseSelection(false);
    return false;
  }
  std::string reason;
  if (!m_pDiskService->Unmount(drive.name, reason)) {
    RefuseSelection(false);
    m_prompt.ShowMessage("The SD card could not be unmounted: " + reason + ".",
                         kFormatDialogCaption, MessageIcon::Error);
    return false;
  }
  return true;
}

void CFAT32FormatterDlg::RefuseSelection(bool tellUser) {
  m_pFormatter->CloseVolume();
  m_pFormat->setEnabled(false);
  if (tellUser) m_prompt.ShowMessage(kInUse, kFormatDialogCaption, MessageIcon::Error);
}

void CFAT32FormatterDlg::OnFormat() {
  if (!m_prompt.AskOkCancel(kConfirm, kFormatDialogCaption, MessageIcon::Question)) return;
  for (QWidget* control :
       std::initializer_list<QWidget*>{m_pDrives, m_pRefresh, m_pFormat, m_pLabel, m_pClose})
    control->setEnabled(false);
  m_pProgress->setRange(0, 100);
  const std::string label = m_pLabel->text().toStdString();
  // A label the field cannot hold as it is skips the format, which then counts as failed.
  const bool formatted =
      IsWritableLabel(label) && m_pFormatter->Format(m_pDrives->currentIndex(), label);
  m_pFormatter->CloseVolume();
  m_pClose->setEnabled(true);
  m_pProgress->setValue(formatted ? 100 : 50);
  if (formatted)
    m_prompt.ShowMessage(kCompleted, kFormatDialogCaption, MessageIcon::Information);
  else
    m_prompt.ShowMessage(kFailed, kFormatDialogCaption, MessageIcon::Error);
}

}  // namespace motrevix::format
