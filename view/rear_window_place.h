#pragma once
// Where the rear picture's own window opens in the windowed layout, as a rule
// without widgets: clear of the main window's picture where the screen allows.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace motrevix {

// The top-left corner (screen coordinates) of the rear window's frame of size
// rear: beside the main window's frame on the right, else on the left, when the
// screen's free area has room there; otherwise over the main window's inset
// pane (given on the screen), moved as little as needed to stay on the screen.
QPoint RearWindowPosition(const QRect& screen, const QRect& mainFrame, const QRect& insetOnScreen,
                          QSize rear);

}  // namespace motrevix
