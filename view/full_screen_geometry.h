#pragma once
// The picture rectangle of the full-screen layout: the largest 16:9 picture of at
// most 1920 x 1080 that fits the client width and the client height less the
// control bar, centred across, 20 pixels from the top.

#include "view/pixel_rect.h"

namespace motrevix {

struct FullScreenPicture {
  int x0 = 0;      // left edge of the picture
  int width = 0;   // picture width (the client width when stretched)
  int height = 0;  // 16:9 height of the unstretched width
  PixelRect rect;  // the rectangle stored for the front picture
  bool operator==(const FullScreenPicture&) const = default;
};

FullScreenPicture FullScreenPictureFor(int clientWidth, int clientHeight, bool stretch);

}  // namespace motrevix
