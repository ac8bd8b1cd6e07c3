#pragma once
// Where a video renderer draws: the viewer's video widgets implement this, and so
// does the headless surface of the tests and the command-line tool.

#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>

#include "playback/play_state.h"

namespace motrevix {

class IVideoSurface {
 public:
  virtual ~IVideoSurface() = default;

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
};

}  // namespace motrevix
