#include "view/lens_dlg.h"

#include <QCursor>
#include <QPainter>
#include <QScreen>

#include "view/magnifier_source.h"

namespace motrevix {

CLensDlg::CLensDlg(QWidget* owner) : QDialog(owner) {
  setWindowTitle("Zoom");
  resize(300, 250);
  m_timer.setInterval(kTimerPeriodMs);
  connect(&m_timer, &QTimer::timeout, this, &CLensDlg::Refresh);
  m_timer.start();
}

void CLensDlg::Refresh() {
  QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  QImage copy = screen->grabWindow(0).toImage();
  if (copy.isNull()) return;
  // The copy is in device pixels; the rectangles below are in logical ones.
  copy.setDevicePixelRatio(1);
  const qreal ratio = static_cast<qreal>(copy.width()) / area.width();
  const auto toCopy = [&](const QRect& r) {
    return QRect((QPointF(r.topLeft()) * ratio).toPoint(), (QSizeF(r.size()) * ratio).toSize());
  };
  {
    QPainter painter(&copy);
    painter.fillRect(toCopy(QRect(mapToGlobal(QPoint(0, 0)) - area.topLeft(), size())),
                     QColor(150, 150, 150));
  }
  const QRect source = MagnifierSource(QCursor::pos(screen) - area.topLeft(), size(), area.size());
  m_shown = QPixmap(size());
  m_shown.fill(Qt::black);
  if (!source.isEmpty()) {
    QPainter painter(&m_shown);
    painter.drawImage(QRect(QPoint(0, 0), size()), copy, toCopy(source));
  }
  update();
}

void CLensDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_shown.isNull())
    painter.fillRect(rect(), Qt::black);
  else
    painter.drawPixmap(0, 0, m_shown);
}

}  // namespace motrevix
