#include "skin/bit_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <utility>

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

QRect CBitSlider::ThumbRect() const { return ThumbRectAt(sliderPosition()); }

QRect CBitSlider::ThumbRectAt(int value) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.sliderPosition = value;
  option.sliderValue = value;
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
  PaintMarks(painter);
  if (m_pThumb->geometry() != thumb) m_pThumb->setGeometry(thumb);
}

void CBitSlider::SetMarks(std::vector<int> values) {
  m_marks = std::move(values);
  update();
}

int CBitSlider::MarkColumn(int value) const {
  const QRect thumb = ThumbRectAt(value);
  return thumb.x() + thumb.width() / 2;
}

void CBitSlider::PaintMarks(QPainter& painter) const {
  if (m_marks.empty() || orientation() != Qt::Horizontal) return;
  // An amber flag over the track pointing down at the moment, and a line of it
  // across the track; a dark rim keeps it clear on the lit and the empty track.
  // Drawn as shapes, so it is sharp at every device pixel ratio.
  const QColor flag(0xF2, 0xA9, 0x3B);
  const QColor rim(0x0E, 0x11, 0x17);
  const qreal trackTop = height() / 2.0 - 3.0;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (int value : m_marks) {
    if (value < minimum() || value > maximum()) continue;
    // Edges on whole pixels around the mark's column: no half-covered pixels.
    const qreal centre = MarkColumn(value) + 0.5;
    QPolygonF pointer;
    pointer << QPointF(centre - 4.5, 0.5) << QPointF(centre + 4.5, 0.5)
            << QPointF(centre, trackTop + 2.0);
    // The rim of the whole pin first, then its face, so the pointer and the line
    // read as one shape.
    painter.setPen(QPen(rim, 1.0));
    painter.setBrush(rim);
    painter.drawPolygon(pointer);
    painter.fillRect(QRectF(centre - 2.5, trackTop, 5.0, 7.0), rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(flag);
    painter.drawPolygon(pointer);
    painter.fillRect(QRectF(centre - 1.5, trackTop, 3.0, 6.0), flag);
  }
  painter.restore();
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
