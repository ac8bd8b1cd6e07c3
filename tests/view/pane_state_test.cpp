// The pane rules: how opening, the map check and stopping move the panes, and
// what the windowed arrangement does for each pane state.
#include "view/pane_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "app/control_ids.h"
#include "view/pane_rects.h"

namespace motrevix {
namespace {

TEST(PaneTransitions, OpenMapAndStop) {
  const PaneState shownMap{kPaneLarge, kPaneInset, kPaneInset};
  const struct {
    std::string name;
    PaneState result;
    PaneState expected;
  } cases[] = {
      {"two channels", PanesAfterOpen(shownMap, 2, false), {kPaneLarge, kPaneInset, kPaneHidden}},
      {"rear hidden by the user",
       PanesAfterOpen({}, 2, true),
       {kPaneLarge, kPaneHidden, kPaneHidden}},
      {"one channel", PanesAfterOpen(shownMap, 1, false), {kPaneLarge, kPaneHidden, kPaneHidden}},
      {"map online",
       PanesWithMapInset({kPaneLarge, kPaneInset, kPaneHidden}),
       {kPaneLarge, kPaneInset, kPaneInset}},
      {"stop hides only the map", PanesAfterStop(shownMap), {kPaneLarge, kPaneInset, kPaneHidden}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.result.m_nFrontPane, c.expected.m_nFrontPane);
    EXPECT_EQ(c.result.m_nRearPane, c.expected.m_nRearPane);
    EXPECT_EQ(c.result.m_nMapPane, c.expected.m_nMapPane);
  }
}

std::optional<Placement> Find(const Placements& placements, int id) {
  const auto it = std::find_if(placements.begin(), placements.end(),
                               [id](const Placement& p) { return p.id == id; });
  if (it == placements.end()) return std::nullopt;
  return *it;
}

PaneLayoutInputs Windowed(const PaneState& panes, bool rearAvailable) {
  PaneLayoutInputs in;
  in.panes = panes;
  in.rearAvailable = rearAvailable;
  return in;
}

TEST(PaneArrangementWindowed, PlacesHostsMapAndChecks) {
  const QRect kNoRect;
  const struct {
    std::string name;
    PaneState panes;
    bool rearAvailable;
    Placement front;  // id 0: the front host is not placed
    Placement rear;
    Placement map;
    QRect frontSurface;
    std::optional<bool> rearCheck;
    std::optional<bool> mapCheck;
    bool rearButton;
    bool mapButton;
  } cases[] = {
      {"after open, two channels, map inset",
       {kPaneLarge, kPaneInset, kPaneInset},
       true,
       {kIdFrontHost, kLargePaneRect, Visibility::Shown},
       {kIdRearHost, kNoRect, Visibility::Shown},
       {kIdMapView, kInsetPaneRect, Visibility::Shown},
       QRect(0, 0, 750, 422),
       true,
       true,
       true,
       true},
      {"front inset, map large, one channel",
       {kPaneInset, kPaneHidden, kPaneLarge},
       false,
       {kIdFrontHost, kInsetPaneRect, Visibility::Shown},
       {kIdRearHost, kNoRect, Visibility::Hidden},
       {kIdMapView, kLargePaneRect, Visibility::Shown},
       QRect(0, 0, 260, 245),
       true,
       false,
       false,
       false},
      {"rear large, front and map hidden",
       {kPaneHidden, kPaneLarge, kPaneHidden},
       true,
       {},
       {kIdRearHost, kLargePaneRect, Visibility::Shown},
       {kIdMapView, kCollapsedMapRect, Visibility::Hidden},
       QRect(),
       false,
       false,
       true,
       false},
      {"rear hidden unchecks the rear box",
       {kPaneLarge, kPaneHidden, kPaneHidden},
       true,
       {kIdFrontHost, kLargePaneRect, Visibility::Shown},
       {kIdRearHost, kNoRect, Visibility::Hidden},
       {kIdMapView, kCollapsedMapRect, Visibility::Hidden},
       QRect(0, 0, 750, 422),
       false,
       false,
       true,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PaneArrangement a = ArrangePanes(Windowed(c.panes, c.rearAvailable));
    if (c.front.id != 0) {
      EXPECT_EQ(Find(a.placements, kIdFrontHost), c.front);
    } else {
      EXPECT_FALSE(Find(a.placements, kIdFrontHost).has_value());
      EXPECT_EQ(a.frontSurfaceShow, Visibility::Hidden);
    }
    EXPECT_EQ(Find(a.placements, kIdRearHost), c.rear);
    EXPECT_EQ(Find(a.placements, kIdMapView), c.map);
    EXPECT_EQ(a.frontSurface, c.frontSurface);
    EXPECT_EQ(a.rearCheck, c.rearCheck);
    EXPECT_EQ(a.mapCheck, c.mapCheck);
    const auto rearButton = Find(a.placements, kIdCameraRear);
    ASSERT_TRUE(rearButton.has_value());
    EXPECT_EQ(rearButton->show == Visibility::Shown, c.rearButton);
    EXPECT_EQ(Find(a.placements, kIdCameraMap).has_value(), c.mapButton);
    EXPECT_EQ(Find(a.placements, kIdCameraFront)->show, Visibility::Shown);
  }
}

}  // namespace
}  // namespace motrevix
