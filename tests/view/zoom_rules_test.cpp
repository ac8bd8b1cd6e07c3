// The zoom and pan arithmetic of the video surfaces.
#include "view/zoom_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "view/view_globals.h"
#include "view/wheel_notches.h"

namespace motrevix {

void PrintTo(const SurfacePlacement& p, std::ostream* os) {
  *os << p.width << " x " << p.height << " at (" << p.x << ", " << p.y << ")";
}
void PrintTo(const DragBounds& b, std::ostream* os) {
  *os << "limX " << b.limX << " limY " << b.limY;
}

namespace {

// The full-screen picture of a 1366 x 768 client and the whole client rectangle.
constexpr PixelRect kFullScreenPicture{66, 20, 1299, 713};
constexpr PixelRect kWholeClient{0, 0, 1366, 768};

const ZoomViewFlags kWindowed{};
const ZoomViewFlags kFrontFullScreen{1, 0, 0, kFullScreenPicture};
const ZoomViewFlags kRearFullScreen{0, 1, 0, kWholeClient};

struct FrontStepCase {
  const char* name;
  ZoomViewFlags flags;
  int level;
  bool zoomIn;
  bool acts;
  int newLevel;
  SurfacePlacement placement;  // checked when the step acts
};

TEST(FrontZoom, StepsFollowTheLevelTables) {
  const FrontStepCase cases[] = {
      {"windowed 1 -> 2", kWindowed, 1, true, true, 2, {-75, -42, 900, 506}},
      {"windowed 2 -> 3", kWindowed, 2, true, true, 3, {-150, -84, 1050, 590}},
      {"windowed 3 -> 4", kWindowed, 3, true, true, 4, {-225, -126, 1200, 675}},
      {"windowed 4 -> 5", kWindowed, 4, true, true, 5, {-300, -168, 1350, 759}},
      {"windowed 9 -> 10", kWindowed, 9, true, true, 10, {-675, -379, 2100, 1181}},
      {"windowed 14 -> 15", kWindowed, 14, true, true, 15, {-1050, -590, 2850, 1603}},
      {"windowed at the cap re-centres", kWindowed, 15, true, true, 15, {-1050, -590, 2850, 1603}},
      {"windowed 2 -> 1", kWindowed, 2, false, true, 1, {0, 0, 750, 422}},
      {"windowed back at 1", kWindowed, 1, false, false, 1, {}},
      {"full screen 1 -> 2", kFrontFullScreen, 1, true, true, 2, {-123, -69, 1479, 831}},
      {"full screen 11 -> 12", kFrontFullScreen, 11, true, true, 12, {-1356, -762, 3945, 2217}},
      {"full screen at 12", kFrontFullScreen, 12, true, false, 12, {}},
      {"full screen 2 -> 1", kFrontFullScreen, 2, false, true, 1, {0, 0, 1233, 693}},
      // A level reached in the windowed layout steps back from where it is.
      {"full screen 15 forward", kFrontFullScreen, 15, true, false, 15, {}},
      {"full screen 15 back", kFrontFullScreen, 15, false, true, 14, {-1602, -900, 4438, 2494}},
      {"swapped", {0, 0, 1, {}}, 3, true, false, 3, {}},
      {"swapped in full screen", {1, 0, 1, kFullScreenPicture}, 3, false, false, 3, {}},
      {"rear full screen", kRearFullScreen, 3, true, true, 4, {-225, -126, 1200, 675}},
  };
  for (const FrontStepCase& c : cases) {
    SCOPED_TRACE(c.name);
    const FrontZoomStepResult result = FrontZoomStep(c.level, c.zoomIn, c.flags);
    EXPECT_EQ(result.acts, c.acts);
    EXPECT_EQ(result.level, c.newLevel);
    if (c.acts) {
      EXPECT_EQ(result.placement, c.placement);
      EXPECT_EQ(result.frontZoomed, c.newLevel != 1 ? 1 : 0);
    }
  }
}

TEST(FrontZoom, ZoomedFlagIsClearedAtLevelOneEvenWhenNothingActs) {
  EXPECT_EQ(FrontZoomStep(1, false, kWindowed).frontZoomed, 0);
  EXPECT_EQ(FrontZoomStep(1, true, {0, 0, 1, {}}).frontZoomed, 0);
  // Above level 1 a step that does not act leaves the flag alone.
  EXPECT_FALSE(FrontZoomStep(5, true, {0, 0, 1, {}}).frontZoomed.has_value());
  EXPECT_FALSE(FrontZoomStep(12, true, kFrontFullScreen).frontZoomed.has_value());
}

TEST(RearZoom, EnlargesOnlyFromTheSixthStepInFullScreen) {
  int level = 0;  // the level at program start
  for (int step = 1; step <= 5; ++step) {
    SCOPED_TRACE(step);
    const RearZoomStepResult result = RearZoomStep(level, true, kRearFullScreen);
    ASSERT_TRUE(result.acts);
    EXPECT_EQ(result.level, step);
    EXPECT_EQ(result.placement, (SurfacePlacement{0, 0, 1366, 768}));
    level = result.level;
  }
  const RearZoomStepResult sixth = RearZoomStep(level, true, kRearFullScreen);
  EXPECT_TRUE(sixth.acts);
  EXPECT_EQ(sixth.placement, (SurfacePlacement{-136, -76, 1639, 921}));

  const RearZoomStepResult last = RearZoomStep(14, true, kRearFullScreen);
  EXPECT_EQ(last.level, 15);
  EXPECT_EQ(last.placement, (SurfacePlacement{-1366, -768, 4098, 2304}));
  EXPECT_FALSE(RearZoomStep(15, true, kRearFullScreen).acts);
  EXPECT_FALSE(RearZoomStep(1, false, kRearFullScreen).acts);
  EXPECT_FALSE(RearZoomStep(0, false, kRearFullScreen).acts);
  EXPECT_EQ(RearZoomStep(7, false, kRearFullScreen).level, 6);
}

TEST(RearZoom, NeverZoomsOutsideItsFullScreenOrWhileSwapped) {
  const ZoomViewFlags states[] = {kWindowed, kFrontFullScreen, {0, 1, 1, kWholeClient}};
  for (const ZoomViewFlags& flags : states) {
    EXPECT_FALSE(RearZoomStep(3, true, flags).acts);
    EXPECT_FALSE(RearZoomStep(3, false, flags).acts);
    EXPECT_EQ(RearZoomStep(3, true, flags).level, 3);
  }
}

struct DragCase {
  int x;
  int y;
  bool accepted;
};

void ExpectDrags(const std::optional<DragBounds>& bounds, const std::vector<DragCase>& cases) {
  for (const DragCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(DragAccepted(c.x, c.y, bounds), c.accepted);
  }
}

TEST(FrontDrag, WindowedLevelTwoTakesOnlyTheStrictInside) {
  const DragBounds bounds = FrontDragBounds(2, kWindowed);
  EXPECT_EQ(bounds, (DragBounds{-150, -84}));
  ExpectDrags(bounds, {{-149, -83, true},
                       {-1, -1, true},
                       {-150, -40, false},
                       {-75, -84, false},
                       {0, -40, false},
                       {-75, 0, false},
                       {10, 10, false}});
}

TEST(FrontDrag, BoundsByLevelAndLayout) {
  struct Case {
    int level;
    ZoomViewFlags flags;
    DragBounds bounds;
  };
  const Case cases[] = {
      {1, kWindowed, {0, 0}},
      {3, kWindowed, {-300, -168}},
      {15, kWindowed, {-2100, -1181}},
      // Full screen with a 1233 x 693 picture: (L - 1) x 1197 and x 564, times -0.2.
      {1, kFrontFullScreen, {0, 0}},
      {3, kFrontFullScreen, {-478, -225}},
      {12, kFrontFullScreen, {-2633, -1240}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    EXPECT_EQ(FrontDragBounds(c.level, c.flags), c.bounds);
  }
  // At level 1 no move is taken at all.
  ExpectDrags(FrontDragBounds(1, kWindowed), {{-1, -1, false}, {0, 0, false}});
}

TEST(RearDrag, BoundsComeFromTheTableOnly) {
  ExpectDrags(RearDragBounds(6, 1), {{-69, -38, true}, {-70, -38, false}, {-69, -39, false}});
  ExpectDrags(RearDragBounds(11, 0), {{-208, -259, true}, {-209, -259, false}, {-1, -260, false}});
  EXPECT_EQ(RearDragBounds(12, 1), (DragBounds{-1665.6, -1319.67}));
  EXPECT_EQ(RearDragBounds(15, 0), (DragBounds{-555.2, -425.7}));
  struct Missing {
    int level;
    int flag;
  };
  for (const Missing& m : {Missing{6, 0}, Missing{13, 1}, Missing{5, 1}, Missing{0, 0},
                           Missing{16, 0}, Missing{8, 2}}) {
    SCOPED_TRACE(testing::Message() << m.level << " " << m.flag);
    EXPECT_FALSE(RearDragBounds(m.level, m.flag).has_value());
    EXPECT_FALSE(DragAccepted(-1, -1, RearDragBounds(m.level, m.flag)));
  }
}

TEST(WheelNotchesTest, OneStepPerWholeNotch) {
  struct Case {
    const char* name;
    std::vector<int> deltas;
    std::vector<int> steps;
  };
  const Case cases[] = {
      {"a notch away", {120}, {1}},
      {"a notch towards", {-120}, {-1}},
      {"zero delta", {0, 0}, {0, 0}},
      {"two notches at once", {240}, {2}},
      {"halves", {60, 60, 60}, {0, 1, 0}},
      {"quarter notches towards", {-30, -30, -30, -30}, {0, 0, 0, -1}},
      {"turned back before a notch", {60, -60, -60}, {0, 0, -1}},
      {"remainder kept", {150, 90}, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WheelNotches wheel;
    std::vector<int> steps;
    for (int delta : c.deltas) steps.push_back(wheel.Take(delta));
    EXPECT_EQ(steps, c.steps);
  }
}

TEST(ViewGlobals, ResetPutsTheStartValuesBack) {
  g_bFrontZoomed = 1;
  g_bFrontFullScreen = 1;
  g_bRearFullScreen = 1;
  g_bViewSwapped = 1;
  g_rcFullScreenVideo = kFullScreenPicture;
  g_bFullScreenStretch = 1;
  g_nRearZoomLevel = 7;
  g_bSpeedInMiles = 1;
  EXPECT_EQ(CurrentZoomViewFlags().fullScreenVideo, kFullScreenPicture);
  ResetViewGlobals();
  EXPECT_EQ(g_bFrontZoomed, 0);
  EXPECT_EQ(g_bFrontFullScreen, 0);
  EXPECT_EQ(g_bRearFullScreen, 0);
  EXPECT_EQ(g_bViewSwapped, 0);
  EXPECT_EQ(g_rcFullScreenVideo, PixelRect{});
  EXPECT_EQ(g_bFullScreenStretch, 0);
  EXPECT_EQ(g_nRearZoomLevel, 0);
  EXPECT_EQ(g_bSpeedInMiles, 0);
}

}  // namespace
}  // namespace motrevix
