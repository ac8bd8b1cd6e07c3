#pragma once
// `CFAT32FormatterDlg`: the modal "FAT32 Formatter" dialog. The user picks a
// removable volume, sees its size, sets a volume label and formats it. A card the
// desktop mounted is unmounted first (with the user's agreement) and a device the
// user may not open is opened through the disk service.

#include <QDialog>
#include <memory>

#include "format/qv_formatter.h"
#include "platform/disk_service.h"
#include "platform/user_prompt.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace motrevix::format {

class CFAT32FormatterDlg : public QDialog {
  Q_OBJECT

 public:
  // Without a source the dialog offers the removable block devices; the disk
  // service may be null (none on this desktop).
  CFAT32FormatterDlg(IUserPrompt& prompt, std::unique_ptr<IVolumeSource> source,
                     IDiskService* diskService, QWidget* parent = nullptr);

  const CQVFormatter& Formatter() const { return *m_pFormatter; }

 private:
  void BuildControls();
  void OnRefresh();                    // 1214
  void OnSelectionChanged(int index);  // 1213
  void OnFormat();                     // 1217
  // Offers to unmount a mounted candidate; true when it is no longer mounted.
  bool UnmountWithConsent(const VolumeCandidate& drive);
  void RefuseSelection(bool tellUser);
  void ShowStatus(const QString& status, const QString& label);

  IUserPrompt& m_prompt;
  IDiskService* m_pDiskService;
  std::unique_ptr<CQVFormatter> m_pFormatter;
  bool m_bHaveCandidates = false;
  bool m_bFilling = false;  // the list is being refilled: its changes are no selections

  QComboBox* m_pDrives = nullptr;
  QPushButton* m_pRefresh = nullptr;
  QLineEdit* m_pLabel = nullptr;
  QLabel* m_pStatus = nullptr;
  QProgressBar* m_pProgress = nullptr;
  QPushButton* m_pFormat = nullptr;
  QPushButton* m_pClose = nullptr;
};

}  // namespace motrevix::format
