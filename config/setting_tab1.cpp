#include "config/setting_tab1.h"

#include <QLabel>
#include <QLineEdit>

#include "config/camera_files.h"
#include "platform/dialog_units.h"

namespace motrevix::config {
namespace {

QLineEdit* OwnerEdit(QWidget* page, const char* id, const char* caption, int y) {
  auto* label = new QLabel(caption, page);
  label->setGeometry(DialogRect(46, y + 4, 58, 10));
  auto* edit = new QLineEdit(page);
  edit->setObjectName(id);
  edit->setGeometry(DialogRect(114, y, 74, 18));
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

}  // namespace

CSettingTab1::CSettingTab1(QWidget* parent) : QWidget(parent) {
  setObjectName("349");
  m_pName = OwnerEdit(this, "1096", "Name           : ", 38);
  m_pCarNumber = OwnerEdit(this, "1097", "Car Number : ", 63);
}

void CSettingTab1::Initialise(const std::filesystem::path& cardRoot) {
  const OwnerInfo owner = ReadOwnerInfo(CameraFilePath(cardRoot, kOwnerFileName));
  m_pName->setText(QString::fromStdString(owner.name));
  m_pCarNumber->setText(QString::fromStdString(owner.carNumber));
}

OwnerInfo CSettingTab1::Owner() const {
  return {m_pName->text().toStdString(), m_pCarNumber->text().toStdString()};
}

}  // namespace motrevix::config
