#pragma once
// Where a video renderer draws: the viewer's video widgets implement this, and so
// does the headless surface of the tests and the command-line tool.
//
// Renderers and pipelines never hold a surface directly: they hold its
// `SurfaceSlot`, which the surface empties when it is destroyed. A surface can
// therefore go away (its window closes) or be replaced (`Attach` on a playing
// controller) while pictures stream; a renderer whose slot is empty draws nowhere.

#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>
#include <mutex>

#include "playback/play_state.h"

namespace motrevix {

class IVideoSurface;

// The renderers' hold on a surface. Each call runs under the slot's lock, so a
// surface that empties its slot waits for a call in progress and then is never
// called again.
class SurfaceSlot {
 public:
  explicit SurfaceSlot(IVideoSurface* surface) : surface_(surface) {}

  // Runs action(surface) while the surface lives; false when it has gone.
  template <typename Action>
  bool With(Action&& action) const {
    std::lock_guard lock(mutex_);
    if (surface_ == nullptr) return false;
    action(*surface_);
    return true;
  }
  bool Empty() const {
    std::lock_guard lock(mutex_);
    return surface_ == nullptr;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    surface_ = nullptr;
  }

 private:
  mutable std::mutex mutex_;
  IVideoSurface* surface_;
};

class IVideoSurface {
 public:
  IVideoSurface() : slot_(std::make_shared<SurfaceSlot>(this)) {}
  virtual ~IVideoSurface() { slot_->Clear(); }
  IVideoSurface(const IVideoSurface&) = delete;
  IVideoSurface& operator=(const IVideoSurface&) = delete;

  // The newest picture to show, replacing the one before. Called on an engine
  // thread; the surface keeps the shared picture and paints it on its own thread.
  virtual void PresentPicture(std::shared_ptr<const QImage> picture, MediaTime time) = 0;

  // Current size of the client area; the picture is stretched to fill it.
  virtual QSize ClientSize() const = 0;

  // The rectangle to draw into (the whole client area) and whether a border may be
  // drawn around the picture. Called on the UI thread.
  virtual void SetVideoPosition(const QRect& destination, bool renderBorder) = 0;

  // Asks for the current picture to be painted again (any thread).
  virtual void RequestRepaint() = 0;

  // What renderers hold instead of the surface itself.
  std::shared_ptr<SurfaceSlot> Slot() const { return slot_; }

 protected:
  // Empties the slot, waiting for a renderer call in progress. A derived surface
  // calls this first in its destructor, before its own members go away; the base
  // destructor would be too late for a call that is already running.
  void DetachFromRenderers() { slot_->Clear(); }

 private:
  std::shared_ptr<SurfaceSlot> slot_;
};

// The slot of a surface, or none for no surface.
inline std::shared_ptr<SurfaceSlot> SlotOf(IVideoSurface* surface) {
  return surface != nullptr ? surface->Slot() : nullptr;
}

}  // namespace motrevix
