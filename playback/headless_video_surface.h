#pragma once
// A video surface without a window: keeps the newest picture and counts them.

#include <mutex>

#include "playback/video_surface.h"

namespace motrevix {

class HeadlessVideoSurface : public IVideoSurface {
 public:
  explicit HeadlessVideoSurface(QSize clientSize = QSize(640, 360)) : clientSize_(clientSize) {}
  ~HeadlessVideoSurface() override { DetachFromRenderers(); }

  void PresentPicture(std::shared_ptr<const QImage> picture, MediaTime time) override;
  QSize ClientSize() const override;
  void SetVideoPosition(const QRect& destination, bool renderBorder) override;
  void RequestRepaint() override;

  void SetClientSize(QSize size);
  std::shared_ptr<const QImage> Picture() const;
  MediaTime PictureTime() const;
  long long PresentedCount() const;
  long long RepaintCount() const;
  QRect Destination() const;
  bool RenderBorder() const;

 private:
  mutable std::mutex mutex_;
  QSize clientSize_;
  QRect destination_;
  bool renderBorder_ = true;
  std::shared_ptr<const QImage> picture_;
  MediaTime pictureTime_ = -1;
  long long presented_ = 0;
  long long repaints_ = 0;
};

}  // namespace motrevix
