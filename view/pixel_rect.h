#pragma once
// A rectangle by its edges, right and bottom exclusive, as the view's stored
// rectangles are kept (width = right - left).

#include <cstdint>

namespace motrevix {

struct PixelRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

}  // namespace motrevix
