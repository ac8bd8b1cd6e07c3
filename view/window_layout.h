#pragma once
// The control layout of the main window as a rule without widgets: for a screen
// mode and client size, the placements of the controls in the order they are
// applied.

#include <QRect>
#include <QSize>

#include "view/placement.h"

namespace motrevix {

inline constexpr QSize kWindowedClientSize{1080, 710};
// The rate slider's place in the progress panel, under the progress slider;
// both windowed arrangements give it again after the full-screen layout.
inline constexpr QRect kWindowedRateSliderRect{205, 503, 179, 20};
// The extended background (calendar and time sliders) is narrower and taller.
inline constexpr QSize kExtendedClientSize{1011, 731};

// Screen mode 1 (windowed) ignores the client size and has two arrangements:
// the standard one and, with extended set, the extended background's own, which
// fits its 1011 x 731 and shows the calendar and the three time sliders. The
// full-screen layout (mode 2) is placed from the client size after maximising.
Placements ControlLayout(int screenMode, QSize clientSize, bool extended = false);

// The file list's visible columns, name and size: the extended list is 211
// wide and leaves room for its vertical scroll bar.
struct FileListColumns {
  int name = 0;
  int size = 0;
};
constexpr FileListColumns FileListColumnsFor(bool extended) {
  return extended ? FileListColumns{138, 55} : FileListColumns{170, 65};
}

// The client size the windowed layout gives the window.
constexpr QSize WindowedClientSize(bool extended) {
  return extended ? kExtendedClientSize : kWindowedClientSize;
}

}  // namespace motrevix
