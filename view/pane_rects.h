#pragma once
// The two places a pane takes in the windowed layout: the large video area and
// the inset below the file list (below the calendar with the extended background). Named once; the
// layouts and panes use these.

#include <QRect>

namespace motrevix {

inline constexpr QRect kLargePaneRect{31, 46, 750, 422};
inline constexpr QRect kInsetPaneRect{790, 380, 260, 245};
// The extended background's inset: under the calendar in its narrower column.
inline constexpr QRect kExtendedInsetPaneRect{790, 447, 211, 150};
constexpr QRect InsetPaneRect(bool extended) {
  return extended ? kExtendedInsetPaneRect : kInsetPaneRect;
}
// Where the map view waits, collapsed, while no map is shown.
inline constexpr QRect kCollapsedMapRect{675, 60, 0, 0};
inline constexpr QRect kCollapsedMapRectNoGps{790, 380, 0, 0};

}  // namespace motrevix
