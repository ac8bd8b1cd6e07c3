#pragma once
// Dialog-unit rectangles to pixels, with the base units of an 8-point dialog font
// (x x 1.5, y x 1.625) or, for templates in a 9-point font, x x 1.75, y x 1.875.

#include <QRect>
#include <cmath>

namespace motrevix {

enum class DialogFont { Point8, Point9 };

inline QRect DialogRect(int x, int y, int w, int h, DialogFont font = DialogFont::Point8) {
  const double bx = font == DialogFont::Point8 ? 1.5 : 1.75;
  const double by = font == DialogFont::Point8 ? 1.625 : 1.875;
  auto px = [](double units, double base) { return static_cast<int>(std::lround(units * base)); };
  return {px(x, bx), px(y, by), px(w, bx), px(h, by)};
}

}  // namespace motrevix
