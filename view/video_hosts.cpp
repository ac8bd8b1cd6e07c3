#include "view/video_hosts.h"

#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>

#include "view/view_globals.h"

namespace motrevix {

CZoomDlg::CZoomDlg(QWidget* parent) : QWidget(parent) {
  setObjectName("227");
  m_pSurface = new CVlmVideoView(this);
  m_pSurface->setGeometry(0, 0, 750, 422);
  m_pSurface->show();
}

void CZoomDlg::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), Qt::black); }

CRearViewDlg::CRearViewDlg(QWidget* owner) : QDialog(owner, Qt::Window) {
  setObjectName("320");
  setWindowTitle("Motrevix ch.2");
  m_pSurface = new CVlmVideoRearView(this);
  m_pSurface->setGeometry(0, 0, 310, 233);
  m_pSurface->show();
}

void CRearViewDlg::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), Qt::black); }

void CRearViewDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (g_bRearFullScreen == 0) m_pSurface->setGeometry(QRect(QPoint(0, 0), event->size()));
}

void CRearViewDlg::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace motrevix
