#include "skin/bit_wnd.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace motrevix {

CBitWnd::CBitWnd(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
  setCursor(Qt::ArrowCursor);
}

void CBitWnd::SetStrip(const QPixmap& picture, int frameWidth, int frameHeight) {
  m_picture = picture;
  // Frames are cut in logical pixels; the picture may hold more device pixels.
  m_strip = StripLayoutFor(picture.deviceIndependentSize().toSize(), frameWidth, frameHeight);
  m_nFrame = 0;
  update();
}

QSize CBitWnd::FrameSize() const { return QSize(m_strip.frameWidth, m_strip.frameHeight); }

void CBitWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const QRect frame = m_strip.Frame(m_nFrame);
  if (m_picture.isNull() || frame.isEmpty()) return;
  const qreal ratio = m_picture.devicePixelRatio();
  const QRectF source(frame.x() * ratio, frame.y() * ratio, frame.width() * ratio,
                      frame.height() * ratio);
  painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(frame.size())), m_picture, source);
}

void CBitWnd::enterEvent(QEnterEvent* event) {
  m_nFrame = m_bToggled ? 2 : (m_strip.frameCount > 1 ? 1 : 0);
  update();
  QWidget::enterEvent(event);
}

void CBitWnd::leaveEvent(QEvent* event) {
  m_nFrame = (m_strip.frameCount > 1 && m_bToggled) ? 2 : 0;
  update();
  QWidget::leaveEvent(event);
}

void CBitWnd::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_nFrame = (!m_bToggled && m_strip.frameCount > 2) ? 2 : 0;
    if (m_bToggles) m_bToggled = !m_bToggled;
    update();
  }
  Forward(event);
}

void CBitWnd::mouseMoveEvent(QMouseEvent* event) { Forward(event); }

void CBitWnd::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (!m_bToggled) {
      m_nFrame = m_strip.frameCount > 1 ? 1 : 0;
      update();
    }
    emit Command();
  }
  Forward(event);
}

void CBitWnd::Forward(QMouseEvent* event) {
  QWidget* owner = parentWidget();
  if (!m_bForwardMouse || owner == nullptr) {
    event->ignore();
    return;
  }
  // The same event in the owner's coordinates, as if it had been made there.
  const QPointF local = mapToParent(event->position());
  QMouseEvent forwarded(event->type(), local, event->scenePosition(), event->globalPosition(),
                        event->button(), event->buttons(), event->modifiers());
  QCoreApplication::sendEvent(owner, &forwarded);
  event->accept();
}

}  // namespace motrevix
