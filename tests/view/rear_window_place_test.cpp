// Where the rear picture's window opens: beside the main window when the screen
// has room, else over the inset pane, always on the screen.
#include "view/rear_window_place.h"

#include <gtest/gtest.h>

namespace motrevix {
namespace {

TEST(RearWindowPlace, BesideTheMainWindowElseOverTheInsetOnTheScreen) {
  const QSize rear(556, 342);
  const struct {
    const char* what;
    QRect screen;
    QRect main;
    QPoint expected;
  } cases[] = {
      {"room on the right", {0, 0, 2560, 1440}, {740, 365, 1080, 710}, {1820, 365}},
      {"right edge exactly reached", {0, 0, 1636, 1000}, {0, 100, 1080, 710}, {1080, 100}},
      {"one pixel short on the right, room on the left",
       {0, 0, 2192, 1000},
       {557, 100, 1080, 710},
       {1, 100}},
      {"beside, but lowered to keep the bottom on the screen",
       {0, 0, 2560, 800},
       {0, 600, 1080, 710},
       {1080, 458}},
      {"a second screen to the right of the first",
       {1920, 0, 1920, 1080},
       {1920, 185, 1080, 710},
       {3000, 185}},
      // No room beside: over the inset (main-window client (790, 380)).
      {"1920 x 1080, centred main window", {0, 0, 1920, 1080}, {420, 185, 1080, 710}, {1210, 565}},
      {"1366 x 768: pushed left onto the screen",
       {0, 0, 1366, 768},
       {143, 29, 1080, 710},
       {810, 409}},
      {"a panel at the top of the screen", {0, 40, 1366, 728}, {143, 49, 1080, 710}, {810, 426}},
      {"screen smaller than the rear window", {0, 0, 500, 300}, {-290, -205, 1080, 710}, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QRect inset(c.main.topLeft() + QPoint(790, 380), QSize(260, 245));
    EXPECT_EQ(RearWindowPosition(c.screen, c.main, inset, rear), c.expected);
  }
}

}  // namespace
}  // namespace motrevix
