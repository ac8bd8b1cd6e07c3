#include "view/rear_window_place.h"

#include <algorithm>

namespace motrevix {
namespace {

// The start of a span of length size placed at wanted, moved into [low, high);
// a span longer than the range starts at low.
int KeptWithin(int wanted, int size, int low, int high) {
  return std::max(low, std::min(wanted, high - size));
}

}  // namespace

QPoint RearWindowPosition(const QRect& screen, const QRect& mainFrame, const QRect& insetOnScreen,
                          QSize rear) {
  const int screenRight = screen.x() + screen.width();
  const int screenBottom = screen.y() + screen.height();
  const int besideY = KeptWithin(mainFrame.y(), rear.height(), screen.y(), screenBottom);
  const int right = mainFrame.x() + mainFrame.width();
  if (right + rear.width() <= screenRight) return {right, besideY};
  const int left = mainFrame.x() - rear.width();
  if (left >= screen.x()) return {left, besideY};
  return {KeptWithin(insetOnScreen.x(), rear.width(), screen.x(), screenRight),
          KeptWithin(insetOnScreen.y(), rear.height(), screen.y(), screenBottom)};
}

}  // namespace motrevix
