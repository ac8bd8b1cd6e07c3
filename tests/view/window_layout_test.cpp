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

const Placement* Find(const Placements& layout, int id) {
  const auto it =
      std::find_if(layout.rbegin(), layout.rend(), [&](const Placement& p) { return p.id == id; });
  return it == layout.rend() ? nullptr : &*it;
}

// The full-screen layout hangs from the client's right and bottom edges: two
// sizes show that every place follows them.
TEST(FullScreenLayout, PlacesTheControlsFromTheClientEdges) {
  const struct {
    QSize client;
    int id;
    QRect rect;
  } cases[] = {
      {{1366, 768}, kIdMinimize, {1311, 3, 17, 16}},
      {{1366, 768}, kIdExit, {1349, 3, 17, 16}},
      {{1366, 768}, kIdSwapPanes, {1154, 3, 120, 25}},
      {{1366, 768}, kIdFrameStep, {1329, 725, 32, 32}},
      {{1366, 768}, kIdNext, {1233, 725, 32, 32}},
      {{1366, 768}, kIdPlay, {1188, 725, 45, 45}},
      {{1366, 768}, kIdMirror, {1088, 725, 34, 34}},
      {{1366, 768}, kIdRate, {909, 687, 179, 20}},
      {{1366, 768}, kIdRateIcon, {1093, 692, 20, 19}},
      {{1366, 768}, kIdPositionTime, {320, 743, 60, 12}},
      {{1366, 768}, kIdDurationTime, {986, 743, 60, 12}},
      {{1921, 1080}, kIdOriginalScreen, {1885, 3, 17, 16}},
      {{1921, 1080}, kIdPositionTime, {597, 1055, 60, 12}},
      {{1921, 1080}, kIdVolume, {1818, 1012, 90, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    // The last placement with a rectangle is where the control stays.
    const Placements layout = ControlLayout(2, c.client);
    QRect placed;
    for (const Placement& each : layout)
      if (each.id == c.id && !each.rect.isNull()) placed = each.rect;
    EXPECT_EQ(placed, c.rect);
  }
}

TEST(FullScreenLayout, ShowsOriginalScreenAndHidesTheWindowedControls) {
  const Placements layout = ControlLayout(2, QSize(1366, 768));
  EXPECT_EQ(Find(layout, kIdOriginalScreen)->show, Visibility::Shown);
  for (int id : {kIdFileList, kIdConfiguration, kIdMagnifier, kIdCalendar, kIdHourFilter,
                 kIdCategoryAll, kIdSpeedUnit, kIdSelectDrive, kIdVolume, kIdMute, kIdBrightness,
                 kIdExtendedLayout, kIdFullProgressBack, kIdFileName}) {
    SCOPED_TRACE(id);
    ASSERT_NE(Find(layout, id), nullptr);
    EXPECT_EQ(Find(layout, id)->show, Visibility::Hidden);
  }
  // Full Screen itself stays where the pane layout puts it.
  EXPECT_EQ(Find(layout, kIdFullScreen), nullptr);
}

}  // namespace
}  // namespace motrevix
