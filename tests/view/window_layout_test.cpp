// The windowed control layout as a rule: the places it gives the controls.
#include "view/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/control_ids.h"

namespace motrevix {
namespace {

TEST(WindowedLayout, PlacesTheControlsOfTheWindowedTable) {
  const Placements layout = ControlLayout(1, kWindowedClientSize);
  const struct {
    int id;
    QRect rect;
    Visibility show;
  } expected[] = {
      {kIdConfiguration, {29, 642, 32, 32}, Visibility::Shown},
      {kIdPlay, {299, 635, 45, 45}, Visibility::Shown},
      {kIdStop, {320, 525, 40, 40}, Visibility::Hidden},
      {kIdFileList, {789, 75, 262, 297}, Visibility::Shown},
      {kIdProgress, {43, 486, 727, 17}, Visibility::Unchanged},
      {kIdSpeedHundreds, {922, 639, 26, 37}, Visibility::Unchanged},
      {kIdExit, {1041, 10, 19, 19}, Visibility::Shown},
      {kIdOriginalScreen, {}, Visibility::Hidden},
      {kIdCalendar, {}, Visibility::Hidden},
      {kIdFullProgressBack, {}, Visibility::Hidden},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.id);
    const auto it = std::find_if(layout.begin(), layout.end(),
                                 [&](const Placement& p) { return p.id == e.id; });
    ASSERT_NE(it, layout.end());
    EXPECT_EQ(it->rect, e.rect);
    EXPECT_EQ(it->show, e.show);
  }
  std::set<int> ids;
  for (const Placement& p : layout) EXPECT_TRUE(ids.insert(p.id).second) << p.id;
}

TEST(WindowedLayout, TheClientSizeDoesNotMoveTheWindowedLayout) {
  EXPECT_EQ(ControlLayout(1, kWindowedClientSize), ControlLayout(1, QSize(1366, 768)));
}

}  // namespace
}  // namespace motrevix
