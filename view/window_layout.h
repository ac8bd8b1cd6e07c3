#pragma once
// The control layout of the main window as a rule without widgets: for a screen
// mode and client size, the placements of the controls in the order they are
// applied.

#include <QSize>

#include "view/placement.h"

namespace motrevix {

inline constexpr QSize kWindowedClientSize{1080, 710};

// Screen mode 1 (windowed) ignores the client size; the full-screen layout
// (mode 2) is placed from the client size after maximising.
Placements ControlLayout(int screenMode, QSize clientSize);

}  // namespace motrevix
