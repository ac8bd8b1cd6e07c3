#include "playback/headless_video_surface.h"

namespace motrevix {

void HeadlessVideoSurface::PresentPicture(std::shared_ptr<const QImage> picture, MediaTime time) {
  std::lock_guard lock(mutex_);
  picture_ = std::move(picture);
  pictureTime_ = time;
  ++presented_;
}

QSize HeadlessVideoSurface::ClientSize() const {
  std::lock_guard lock(mutex_);
  return clientSize_;
}

void HeadlessVideoSurface::SetVideoPosition(const QRect& destination, bool renderBorder) {
  std::lock_guard lock(mutex_);
  destination_ = destination;
  renderBorder_ = renderBorder;
}

void HeadlessVideoSurface::RequestRepaint() {
  std::lock_guard lock(mutex_);
  ++repaints_;
}

void HeadlessVideoSurface::SetClientSize(QSize size) {
  std::lock_guard lock(mutex_);
  clientSize_ = size;
}

std::shared_ptr<const QImage> HeadlessVideoSurface::Picture() const {
  std::lock_guard lock(mutex_);
  return picture_;
}

MediaTime HeadlessVideoSurface::PictureTime() const {
  std::lock_guard lock(mutex_);
  return pictureTime_;
}

long long HeadlessVideoSurface::PresentedCount() const {
  std::lock_guard lock(mutex_);
  return presented_;
}

long long HeadlessVideoSurface::RepaintCount() const {
  std::lock_guard lock(mutex_);
  return repaints_;
}

QRect HeadlessVideoSurface::Destination() const {
  std::lock_guard lock(mutex_);
  return destination_;
}

bool HeadlessVideoSurface::RenderBorder() const {
  std::lock_guard lock(mutex_);
  return renderBorder_;
}

}  // namespace motrevix
