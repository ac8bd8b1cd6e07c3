#include "view/full_screen_geometry.h"

#include <algorithm>

namespace motrevix {
namespace {

constexpr int kMaxWidth = 1920;
// The control bar and the top margin take this much of the client height.
constexpr int kReservedHeight = 75;

// h = trunc(w x 0.5625) = floor(9w / 16) for w >= 0.
int SixteenByNineHeight(int width) { return 9 * width / 16; }

// The largest w >= 0 with floor(9w / 16) <= limit: 9w < 16 (limit + 1).
int WidestForHeight(int limit) {
  if (limit < 0) return 0;
  return (16 * (limit + 1) - 1) / 9;
}

}  // namespace

FullScreenPicture FullScreenPictureFor(int clientWidth, int clientHeight, bool stretch) {
  const int width = std::max(
      0, std::min({kMaxWidth, clientWidth, WidestForHeight(clientHeight - kReservedHeight)}));
  FullScreenPicture picture;
  picture.height = SixteenByNineHeight(width);
  picture.width = stretch ? std::max(clientWidth, 0) : width;
  picture.x0 = (clientWidth - picture.width) / 2;
  const int bottom = 20 + picture.height + (clientHeight - picture.height - kReservedHeight) / 2;
  // A client too low for the bar gives an empty picture, never one turned inside out.
  picture.rect = {picture.x0, 20, picture.x0 + picture.width, std::max(20, bottom)};
  return picture;
}

}  // namespace motrevix
