#include "view/video_surface_widget.h"

#include <QMetaObject>
#include <QPainter>
#include <QResizeEvent>

namespace motrevix {

CVideoSurfaceWidget::CVideoSurfaceWidget(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setWindowTitle(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

CVideoSurfaceWidget::~CVideoSurfaceWidget() { DetachFromRenderers(); }

void CVideoSurfaceWidget::PresentPicture(std::shared_ptr<const QImage> picture, MediaTime) {
  {
    std::lock_guard lock(mutex_);
    picture_ = std::move(picture);
    ++presented_;
  }
  RequestRepaint();
}

QSize CVideoSurfaceWidget::ClientSize() const {
  std::lock_guard lock(mutex_);
  return clientSize_;
}

void CVideoSurfaceWidget::SetVideoPosition(const QRect& destination, bool) {
  {
    std::lock_guard lock(mutex_);
    if (destination_ == destination) return;
    destination_ = destination;
  }
  update();
}

void CVideoSurfaceWidget::RequestRepaint() {
  // update() belongs to the UI thread: queue it there from any thread. The
  // widget's area in the window keeps the last painted picture, so a request
  // with no newer picture to show (the main window asks on each of its paints)
  // would only paint the same picture again: it is dropped.
  QMetaObject::invokeMethod(
      this,
      [this] {
        bool first = false;
        {
          std::lock_guard lock(mutex_);
          if (painted_ == presented_) return;
          first = announced_ != presented_;
          announced_ = presented_;
        }
        update();
        if (first) emit PictureArrived();
      },
      Qt::QueuedConnection);
}

std::shared_ptr<const QImage> CVideoSurfaceWidget::Picture() const {
  std::lock_guard lock(mutex_);
  return picture_;
}

long long CVideoSurfaceWidget::PresentedCount() const {
  std::lock_guard lock(mutex_);
  return presented_;
}

void CVideoSurfaceWidget::paintEvent(QPaintEvent*) {
  std::shared_ptr<const QImage> picture;
  {
    std::lock_guard lock(mutex_);
    picture = picture_;
    painted_ = presented_;
  }
  QPainter painter(this);
  const bool covers = picture && !picture->isNull() && !picture->hasAlphaChannel();
  if (!covers) painter.fillRect(rect(), Qt::black);
  if (picture && !picture->isNull()) painter.drawImage(rect(), *picture);
}

void CVideoSurfaceWidget::resizeEvent(QResizeEvent* event) {
  std::lock_guard lock(mutex_);
  clientSize_ = event->size();
}

}  // namespace motrevix
