// The pane routine's flags, faces and texts in the windowed layout, the zoomed
// front surface in the large pane, and the full-screen arrangement.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/control_ids.h"
#include "view/pane_rects.h"
#include "view/pane_state.h"

namespace motrevix {
namespace {

constexpr int H = kPaneHidden;
constexpr int L = kPaneLarge;
constexpr int I = kPaneInset;

std::optional<Placement> Find(const Placements& placements, int id) {
  const auto it = std::find_if(placements.begin(), placements.end(),
                               [id](const Placement& p) { return p.id == id; });
  if (it == placements.end()) return std::nullopt;
  return *it;
}

std::optional<FaceSet> FacesOf(const PaneArrangement& a, int id) {
  for (const ButtonFaces& f : a.faces)
    if (f.id == id) return f.faces;
  return std::nullopt;
}

TEST(PaneArrangementWindowed, SwapFlagFacesAndTexts) {
  const FaceSet ch1Lit{351, 0, 0, 0};
  const FaceSet ch1Grey{350, 0, 0, 0};
  const FaceSet ch2Shown{353, 353, 352, 352};
  const FaceSet mapInset{354, 0, 0, 0};
  const struct {
    const char* name;
    PaneState panes;
    bool rearAvailable;
    std::optional<std::int32_t> swapped;
    std::optional<FaceSet> ch1, ch2, map;
    QString text;
    std::optional<bool> rearCheck, mapCheck;
  } cases[] = {
      {"front large, rear and map inset",
       {L, I, I},
       true,
       0,
       ch1Lit,
       ch2Shown,
       mapInset,
       MapViewTextLarge(),
       true,
       true},
      {"rear large: the rear's value stands",
       {I, L, H},
       true,
       1,
       ch1Grey,
       {},
       {},
       MapViewTextLarge(),
       true,
       false},
      {"rear large, front hidden",
       {H, L, H},
       true,
       1,
       {},
       {},
       {},
       MapViewTextLarge(),
       false,
       false},
      {"map large, front inset",
       {I, H, L},
       false,
       1,
       ch1Grey,
       {},
       {},
       MapViewTextSmall(),
       true,
       false},
      {"map large, rear inset",
       {H, I, L},
       true,
       0,
       {},
       ch2Shown,
       {},
       MapViewTextSmall(),
       false,
       true},
      {"front large, one channel",
       {L, H, H},
       false,
       0,
       ch1Lit,
       {},
       {},
       MapViewTextLarge(),
       std::nullopt,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PaneLayoutInputs in;
    in.panes = c.panes;
    in.rearAvailable = c.rearAvailable;
    const PaneArrangement a = ArrangePanes(in);
    EXPECT_EQ(a.viewSwapped, c.swapped);
    EXPECT_EQ(a.frontFullScreen, 0);
    EXPECT_EQ(a.rearFullScreen, 0);
    EXPECT_EQ(FacesOf(a, kIdCameraFront), c.ch1);
    EXPECT_EQ(FacesOf(a, kIdCameraRear), c.ch2);
    EXPECT_EQ(FacesOf(a, kIdCameraMap), c.map);
    EXPECT_EQ(a.mapViewText, c.text);
    EXPECT_EQ(a.rearCheck, c.rearCheck);
    EXPECT_EQ(a.mapCheck, c.mapCheck);
  }
}

TEST(PaneArrangementWindowed, TheLargeFrontKeepsItsZoom) {
  const struct {
    const char* name;
    std::int32_t zoomed;
    int level;
    QSize present;
    std::optional<QRect> surface;
  } cases[] = {
      {"not zoomed", 0, 1, QSize(900, 506), QRect(0, 0, 750, 422)},
      {"zoomed at its size: pan kept", 1, 2, QSize(900, 506), std::nullopt},
      {"zoomed, back from the inset", 1, 2, QSize(260, 245), QRect(-75, -42, 900, 506)},
      {"zoomed, back from full screen", 1, 3, QSize(1233, 693), QRect(-150, -84, 1050, 590)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LargeFrontSurface(c.zoomed, c.level, c.present), c.surface);
    PaneLayoutInputs in;
    in.panes = {L, I, H};
    in.rearAvailable = true;
    in.frontZoomed = c.zoomed;
    in.frontZoomLevel = c.level;
    in.frontSurfaceSize = c.present;
    EXPECT_EQ(ArrangePanes(in).frontSurface, c.surface.value_or(QRect()));
  }
}

PaneLayoutInputs FullScreen(const PaneState& panes, QSize client, std::int32_t stretch = 0) {
  PaneLayoutInputs in;
  in.panes = panes;
  in.screenMode = 2;
  in.rearAvailable = true;
  in.clientSize = client;
  in.fullScreenStretch = stretch;
  return in;
}

TEST(PaneArrangementFullScreen, ControlBarOf1366x768) {
  const PaneArrangement a = ArrangePanes(FullScreen({L, I, I}, QSize(1366, 768)));
  const Placement expected[] = {
      {kIdSpeedHundreds, {}, Visibility::Hidden},
      {kIdSpeedOnes, {}, Visibility::Hidden},
      {kIdPrevious, {66, 718, 44, 50}, Visibility::Unchanged},
      {kIdSecondBack, {110, 718, 36, 50}, Visibility::Unchanged},
      {kIdPlay, {146, 718, 49, 50}, Visibility::Unchanged},
      {kIdSecondNext, {195, 718, 36, 50}, Visibility::Unchanged},
      {kIdNext, {231, 718, 36, 50}, Visibility::Unchanged},
      {kIdFrameStep, {267, 718, 44, 50}, Visibility::Unchanged},
      {kIdFullProgressBack, {316, 718, 751, 50}, Visibility::Shown},
      {kIdProgress, {328, 734, 727, 17}, Visibility::Unchanged},
      {kIdPositionTime, {336, 751, 60, 12}, Visibility::Unchanged},
      {kIdDurationTime, {989, 751, 60, 12}, Visibility::Unchanged},
      {kIdMirror, {1267, 726, 32, 33}, Visibility::Unchanged},
      {kIdFlipVertical, {1231, 726, 32, 33}, Visibility::Unchanged},
      {kIdFullScreen, {1225, 2, 17, 16}, Visibility::Shown},
      {kIdMinimize, {1244, 2, 17, 16}, Visibility::Unchanged},
      {kIdOriginalScreen, {1263, 2, 17, 16}, Visibility::Unchanged},
      {kIdExit, {1282, 2, 17, 16}, Visibility::Unchanged},
      {kIdFrontHost, {66, 20, 1233, 693}, Visibility::Shown},
      {kIdRearHost, {}, Visibility::Hidden},
      {kIdMapView, kCollapsedMapRect, Visibility::Hidden},
  };
  for (const Placement& e : expected) {
    SCOPED_TRACE(e.id);
    EXPECT_EQ(Find(a.placements, e.id), e);
  }
  EXPECT_EQ(a.progressOriginX, 334);
  EXPECT_EQ(a.fullScreenVideo, (PixelRect{66, 20, 1299, 713}));
  EXPECT_EQ(a.frontSurface, QRect(0, 0, 1233, 693));
  EXPECT_EQ(a.frontFullScreen, 1);
  EXPECT_EQ(a.rearFullScreen, 0);
  EXPECT_TRUE(a.hideGSensorWindow);
  EXPECT_FALSE(a.viewSwapped.has_value());
}

TEST(PaneArrangementFullScreen, RearLargeFillsTheClient) {
  const PaneArrangement a = ArrangePanes(FullScreen({I, L, H}, QSize(1366, 768)));
  EXPECT_EQ(a.fullScreenVideo, (PixelRect{0, 0, 1366, 768}));
  EXPECT_EQ(Find(a.placements, kIdRearHost),
            (Placement{kIdRearHost, {18, 50, 1330, 639}, Visibility::Shown}));
  EXPECT_EQ(a.rearSurface, QRect(0, 0, 1348, 689));
  EXPECT_EQ(a.rearSurfaceShow, Visibility::Shown);
  EXPECT_EQ(Find(a.placements, kIdFrontHost), (Placement{kIdFrontHost, {}, Visibility::Hidden}));
  EXPECT_EQ(a.frontFullScreen, 0);
  EXPECT_EQ(a.rearFullScreen, 1);
}

TEST(PaneArrangementFullScreen, StretchAndTinyClients) {
  const PaneArrangement stretched = ArrangePanes(FullScreen({L, H, H}, QSize(1366, 768), 1));
  EXPECT_EQ(stretched.fullScreenVideo, (PixelRect{0, 20, 1366, 713}));
  EXPECT_EQ(Find(stretched.placements, kIdPrevious)->rect, QRect(0, 718, 44, 50));
  EXPECT_EQ(Find(stretched.placements, kIdExit)->rect, QRect(1349, 2, 17, 16));
  EXPECT_EQ(stretched.frontSurface, QRect(0, 0, 1366, 693));

  // A client lower than the bar: an empty picture and no negative sizes.
  const PaneArrangement tiny = ArrangePanes(FullScreen({H, L, H}, QSize(30, 40)));
  EXPECT_EQ(Find(tiny.placements, kIdRearHost)->rect, QRect(18, 50, 0, 0));
  EXPECT_EQ(tiny.rearSurface, QRect(0, 0, 12, 0));
}

}  // namespace
}  // namespace motrevix
