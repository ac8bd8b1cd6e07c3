#include "catalog/thumbnail_canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "catalog/thumbnail_geometry.h"

namespace motrevix::catalog {

QRect CThumbnailCanvas::Area() {
  // The last column of cells reaches two pixels past the backdrop.
  return kThumbArea.united(kPreviewTarget).united(PageCellRect(kPageCells - 1));
}

CThumbnailCanvas::CThumbnailCanvas(QWidget* mainWindow)
    : QWidget(mainWindow), m_buffer(Area().size(), QImage::Format_RGB32) {
  m_buffer.fill(Qt::black);
  setGeometry(Area());
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void CThumbnailCanvas::ShowBackdrop(const QPixmap& backdrop) {
  QPainter painter(&m_buffer);
  painter.fillRect(m_buffer.rect(), Qt::black);
  const QRect target = kThumbArea.translated(-Area().topLeft());
  // The source in the backdrop's own pixels: a HiDPI backdrop holds more of them.
  const qreal ratio = backdrop.devicePixelRatio();
  painter.drawPixmap(QRectF(target), backdrop,
                     QRectF(0, 0, target.width() * ratio, target.height() * ratio));
  update();
}

void CThumbnailCanvas::DrawPicture(const QRect& windowRect, const QImage& picture) {
  if (picture.isNull()) return;
  QPainter painter(&m_buffer);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(windowRect.translated(-Area().topLeft()), picture);
  update();
}

void CThumbnailCanvas::DrawCropped(const QRect& windowRect, const QImage& picture) {
  if (picture.isNull()) return;
  QPainter painter(&m_buffer);
  const QRect source(QPoint(0, 0), windowRect.size().boundedTo(picture.size()));
  painter.drawImage(windowRect.topLeft() - Area().topLeft(), picture, source);
  update();
}

QImage CThumbnailCanvas::Contents(const QRect& windowRect) const {
  return m_buffer.copy(windowRect.translated(-Area().topLeft()));
}

void CThumbnailCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect().topLeft(), m_buffer, event->rect());
}

void CThumbnailCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    emit DoubleClicked(event->position().toPoint() + Area().topLeft());
}

void CThumbnailCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    emit RightPressed(event->position().toPoint() + Area().topLeft(),
                      event->globalPosition().toPoint());
  QWidget::mousePressEvent(event);
}

}  // namespace motrevix::catalog
