#include "skin/bit_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include "skin/slider_geometry.h"

namespace motrevix {

CBitSlider::CBitSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  if (QStyle* fusion = QStyleFactory::create("Fusion")) {
    fusion->setParent(this);
    setStyle(fusion);
  }
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CBitSlider::SetThumbBitmap(int number, const QPixmap& picture, int frameHeight) {
  if (m_pThumb != nullptr) return;
  m_pThumb = new CBitWnd(this);
  m_pThumb->SetStrip(picture, 5, frameHeight);
  m_pThumb->m_bForwardMouse = true;
  m_pThumb->setGeometry(QRect(QPoint(0, 0), m_pThumb->FrameSize()));
  m_pThumb->show();
  m_nThumbNumber = picture.isNull() ? 0 : number;
  PlaceThumb();
}

void CBitSlider::SetTrackBitmaps(int emptyNumber, const QPixmap& empty, int filledNumber,
                                 const QPixmap& filled) {
  m_empty = empty;
  m_filled = filled;
  m_nEmptyNumber = empty.isNull() ? 0 : emptyNumber;
  m_nFilledNumber = filled.isNull() ? 0 : filledNumber;
  if (!filled.isNull()) resize(filled.deviceIndependentSize().toSize());
  update();
}

QRect CBitSlider::ThumbRect() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect styleThumb =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  const QSize thumb = m_pThumb != nullptr ? m_pThumb->FrameSize() : QSize();
  return ThumbPictureRect(styleThumb, thumb, m_nThumbOffset, orientation() == Qt::Horizontal);
}

void CBitSlider::PlaceThumb() {
  if (m_pThumb != nullptr) m_pThumb->setGeometry(ThumbRect());
}

void CBitSlider::paintEvent(QPaintEvent*) {
  // A slider without its pictures paints nothing and works as a slider still.
  if (m_pThumb == nullptr || m_filled.isNull() || m_empty.isNull()) return;
  const QRect thumb = ThumbRect();
  const TrackSpans spans = TrackSpansFor(thumb, size(), true);
  QPainter painter(this);
  const auto copy = [&painter](const QPixmap& picture, const QRect& area) {
    if (area.isEmpty()) return;  // a zero-width copy draws nothing
    const qreal ratio = picture.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                        area.height() * ratio);
    painter.drawPixmap(QRectF(area), picture, source);
  };
  copy(m_filled, spans.filled);
  copy(m_empty, spans.empty);
  if (m_pThumb->geometry() != thumb) m_pThumb->setGeometry(thumb);
}

void CBitSlider::wheelEvent(QWheelEvent* event) {
  // The wheel never moves these sliders and sends nothing.
  event->accept();
}

void CBitSlider::mouseMoveEvent(QMouseEvent* event) {
  update();
  QSlider::mouseMoveEvent(event);
}

void CBitSlider::mouseReleaseEvent(QMouseEvent* event) {
  update();
  QSlider::mouseReleaseEvent(event);
}

void CBitSlider::resizeEvent(QResizeEvent* event) {
  QSlider::resizeEvent(event);
  PlaceThumb();
}

void CBitSlider::sliderChange(SliderChange change) {
  QSlider::sliderChange(change);
  PlaceThumb();
  update();
}

}  // namespace motrevix
