#include "catalog/select_drive_dlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/dialog_palette.h"
#include "platform/dialog_units.h"

namespace motrevix::catalog {

CSelectDriveDlg::CSelectDriveDlg(const std::vector<QString>& entries, QWidget* parent)
    : QDialog(parent) {
  setObjectName("130");
  setWindowTitle("Select Drive");
  setModal(true);
  setPalette(DarkDialogPalette());
  setAutoFillBackground(true);
  setFixedSize(DialogRect(0, 0, 179, 72, DialogFont::Point9).size());

  auto* label = new QLabel("Drive :", this);
  label->setGeometry(DialogRect(13, 10, 27, 8, DialogFont::Point9));

  m_pDrives = new QComboBox(this);
  m_pDrives->setObjectName("1024");
  m_pDrives->setEditable(true);
  m_pDrives->setInsertPolicy(QComboBox::NoInsert);
  m_pDrives->setGeometry(DialogRect(47, 7, 125, 12, DialogFont::Point9));
  UseDarkPopup(m_pDrives);
  std::vector<QString> sorted = entries;
  std::sort(sorted.begin(), sorted.end());
  for (const QString& entry : sorted) m_pDrives->addItem(entry);
  if (m_pDrives->count() > 0) m_pDrives->setCurrentIndex(0);

  auto* hint = new QLabel("Please Select SD Card.", this);
  hint->setAlignment(Qt::AlignCenter);
  hint->setGeometry(DialogRect(7, 32, 165, 8, DialogFont::Point9));

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("1");
  ok->setDefault(true);
  ok->setGeometry(DialogRect(65, 51, 50, 14, DialogFont::Point9));
  connect(ok, &QPushButton::clicked, this, &CSelectDriveDlg::accept);
}

void CSelectDriveDlg::accept() {
  m_strDrive = m_pDrives->currentText();
  QDialog::accept();
}

std::optional<QString> RunSelectDrive(const std::vector<QString>& entries, QWidget* parent) {
  if (entries.empty()) return std::nullopt;
  CSelectDriveDlg dialog(entries, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ChosenText();
}

}  // namespace motrevix::catalog
