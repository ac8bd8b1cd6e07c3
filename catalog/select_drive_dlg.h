#pragma once
// `CSelectDriveDlg`, "Select Drive": the cards to choose from in an editable,
// sorted combo box (1024), the hint "Please Select SD Card." and OK (1). There is
// no Cancel button: Escape and the close box cancel. OK takes the combo box's
// text as it stands, so a typed path counts.

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QComboBox;

namespace motrevix::catalog {

class CSelectDriveDlg : public QDialog {
  Q_OBJECT

 public:
  CSelectDriveDlg(const std::vector<QString>& entries, QWidget* parent = nullptr);

  QComboBox* Drives() const { return m_pDrives; }
  // The combo box's text when OK ended the dialog.
  const QString& ChosenText() const { return m_strDrive; }

  void accept() override;

 private:
  QComboBox* m_pDrives = nullptr;
  QString m_strDrive;
};

// Runs the dialog modally over `entries`: the text OK took, unset when the user
// cancelled. With no entry the dialog ends at once as cancelled.
std::optional<QString> RunSelectDrive(const std::vector<QString>& entries, QWidget* parent);

}  // namespace motrevix::catalog
