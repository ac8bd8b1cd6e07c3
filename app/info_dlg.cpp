#include "app/info_dlg.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace motrevix {

CLinkLabel::CLinkLabel(const QString& address, QWidget* parent) : QLabel(address, parent) {
  setObjectName("1192");
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(255, 0, 255));
  setPalette(colours);
  setCursor(Qt::PointingHandCursor);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
    onClick();
  QLabel::mouseReleaseEvent(event);
}

CInfoDlg::CInfoDlg(QWidget* owner) : QDialog(owner) {
  setObjectName("329");
  setWindowTitle("RD-310 Player");
  openAddress = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Player Version : M0.5.2.E", this));
  layout->addWidget(new QLabel("Model :  RD-310", this));
  m_pLink = new CLinkLabel(kAddress, this);
  m_pLink->onClick = [this] {
    if (openAddress) openAddress(kAddress);
  };
  layout->addWidget(m_pLink);
}

}  // namespace motrevix
