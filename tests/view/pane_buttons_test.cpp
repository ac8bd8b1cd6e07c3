// The pane buttons: from the pane state (front, rear, map) and the open
// recording to the new state, the swap flag and what the window does after.
#include "view/pane_buttons.h"

#include <gtest/gtest.h>

#include <ostream>

#include "app/control_ids.h"

namespace motrevix {

void PrintTo(const PaneState& p, std::ostream* os) {
  *os << "F" << p.m_nFrontPane << " R" << p.m_nRearPane << " M" << p.m_nMapPane;
}

namespace {

constexpr int H = kPaneHidden;
constexpr int L = kPaneLarge;
constexpr int I = kPaneInset;
constexpr int kNoChange = -1;  // the swap flag is not written

struct Case {
  const char* name;
  int id;
  PaneState before;
  int channels;
  int gps;
  PaneState after;
  int swapped = kNoChange;
  bool applyLayout = true;
  bool refresh = true;
  std::int32_t frontFullScreen = 0;
  std::int32_t rearFullScreen = 0;
};

TEST(PaneButtons, TransitionTable) {
  const Case cases[] = {
      // CH1: the front picture large.
      {"CH1, rear large", kIdCameraFront, {I, L, H}, 2, 0, {L, I, H}},
      {"CH1, map large, front inset", kIdCameraFront, {I, H, L}, 1, 3, {L, H, I}},
      {"CH1, map large, rear inset", kIdCameraFront, {H, I, L}, 2, 3, {L, I, H}},
      {"CH1, front already large", kIdCameraFront, {L, I, H}, 2, 0, {L, I, H}},
      {"CH1 without a recording",
       kIdCameraFront,
       {L, I, H},
       0,
       0,
       {L, I, H},
       kNoChange,
       false,
       false},
      // CH2: show or hide the rear picture, nothing more.
      {"CH2 hides the rear", kIdCameraRear, {L, I, H}, 2, 0, {L, H, H}, kNoChange, false, false},
      {"CH2 shows the rear", kIdCameraRear, {L, H, H}, 2, 0, {L, I, H}, kNoChange, false, false},
      {"CH2 with one channel", kIdCameraRear, {L, H, H}, 1, 0, {L, H, H}, kNoChange, false, false},
      // MAP: exchange the map and the front picture.
      {"MAP, map inset", kIdCameraMap, {L, I, I}, 2, 3, {I, I, L}},
      {"MAP, map large", kIdCameraMap, {I, H, L}, 2, 3, {L, H, I}},
      {"MAP, one channel, no GPS", kIdCameraMap, {L, H, I}, 1, 0, {I, H, L}},
      {"MAP, two channels, no GPS", kIdCameraMap, {L, I, I}, 2, 0, {L, I, I}},
      {"MAP without a recording", kIdCameraMap, {H, H, H}, 0, 0, {H, H, H}, kNoChange, true, false},
      // Swap, by the map state.
      {"swap, no map, front large", kIdSwapPanes, {L, I, H}, 2, 0, {I, L, H}, 1},
      {"swap, no map, front inset", kIdSwapPanes, {I, L, H}, 2, 0, {L, I, H}, 1},
      {"swap, map large, front inset", kIdSwapPanes, {I, I, L}, 2, 3, {L, H, I}},
      {"swap, map large, rear inset", kIdSwapPanes, {H, I, L}, 2, 3, {H, L, I}},
      {"swap, map inset, rear large, front inset", kIdSwapPanes, {I, L, I}, 2, 3, {H, L, I}},
      {"swap, map inset, rear large", kIdSwapPanes, {H, L, I}, 2, 3, {H, I, L}},
      {"swap, map inset, front large", kIdSwapPanes, {L, H, I}, 2, 3, {I, H, L}},
      {"swap, one channel", kIdSwapPanes, {L, H, I}, 1, 3, {L, H, I}, kNoChange, false, false},
      // Map inset (1099), checked by the click.
      {"map inset, map large", kIdMapCheck, {I, H, L}, 2, 3, {H, I, L}, kNoChange, true, false},
      {"map inset, map hidden", kIdMapCheck, {L, I, H}, 2, 3, {L, H, I}, kNoChange, true, false},
      {"map inset, one channel", kIdMapCheck, {L, H, H}, 1, 3, {L, H, H}, kNoChange, false, false},
      // Camera inset (1100).
      {"camera inset, map large", kIdRearCheck, {H, I, L}, 2, 3, {I, H, L}, kNoChange, true, false},
      {"camera inset, map inset, front large",
       kIdRearCheck,
       {L, H, I},
       2,
       3,
       {L, I, H},
       kNoChange,
       true,
       false},
      {"camera inset, map inset, rear large",
       kIdRearCheck,
       {H, L, I},
       2,
       3,
       {I, L, H},
       kNoChange,
       true,
       false},
      {"camera inset, map hidden",
       kIdRearCheck,
       {L, I, H},
       2,
       3,
       {L, I, H},
       kNoChange,
       true,
       false},
      {"camera inset, one channel",
       kIdRearCheck,
       {L, H, I},
       1,
       3,
       {L, H, I},
       kNoChange,
       false,
       false},
      // Map view (1101) with two channels and GPS.
      {"map view, front large, rear inset", kIdMapViewToggle, {L, I, H}, 2, 3, {L, H, I}},
      {"map view, front large, map inset", kIdMapViewToggle, {L, H, I}, 2, 3, {L, I, H}},
      {"map view, rear large, front inset", kIdMapViewToggle, {I, L, H}, 2, 3, {H, L, I}},
      {"map view, rear large, map inset", kIdMapViewToggle, {H, L, I}, 2, 3, {I, L, H}},
      {"map view, map large, front inset", kIdMapViewToggle, {I, H, L}, 2, 3, {H, I, L}},
      {"map view, map large, rear inset", kIdMapViewToggle, {H, I, L}, 2, 3, {I, H, L}},
      {"map view, two channels, no GPS", kIdMapViewToggle, {L, I, H}, 2, 0, {L, I, H}},
      // Map view with one channel.
      {"map view, one channel, map large",
       kIdMapViewToggle,
       {I, H, L},
       1,
       3,
       {L, H, I},
       kNoChange,
       true,
       false},
      {"map view, one channel, map hidden", kIdMapViewToggle, {L, H, H}, 1, 3, {L, H, I}},
      {"map view, one channel, map inset", kIdMapViewToggle, {L, H, I}, 1, 3, {I, H, L}},
      {"map view without a recording",
       kIdMapViewToggle,
       {L, H, H},
       0,
       3,
       {L, H, H},
       kNoChange,
       false,
       false},
      {"not a pane button", kIdPlay, {L, I, H}, 2, 3, {L, I, H}, kNoChange, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PaneButtonInputs in;
    in.panes = c.before;
    in.channels = c.channels;
    in.gpsState = c.gps;
    in.frontFullScreen = c.frontFullScreen;
    in.rearFullScreen = c.rearFullScreen;
    in.mapCheckAfterClick = true;
    const PaneButtonOutcome out = PressPaneButton(c.id, in);
    EXPECT_EQ(out.panes, c.after);
    EXPECT_EQ(out.viewSwapped.value_or(kNoChange), c.swapped);
    EXPECT_EQ(out.applyLayout, c.applyLayout);
    EXPECT_EQ(out.refresh, c.refresh);
  }
}

TEST(PaneButtons, SwapFlagDependsOnTheFullScreenFlags) {
  PaneButtonInputs in;
  in.channels = 2;
  in.panes = {L, I, H};
  in.frontFullScreen = 1;
  EXPECT_EQ(PressPaneButton(kIdSwapPanes, in).viewSwapped, 0);
  in.panes = {I, L, H};
  in.rearFullScreen = 1;
  EXPECT_FALSE(PressPaneButton(kIdSwapPanes, in).viewSwapped.has_value());
}

TEST(PaneButtons, FacesAndSideEffects) {
  PaneButtonInputs in;
  in.channels = 2;
  in.gpsState = 3;

  in.panes = {L, I, H};
  PaneButtonOutcome hide = PressPaneButton(kIdCameraRear, in);
  EXPECT_EQ(hide.showRear, false);
  EXPECT_EQ(hide.rearHiddenByUser, 1);
  EXPECT_EQ(hide.faces, (std::vector<ButtonFaces>{{kIdCameraRear, {352, 0, 0, 0}}}));
  in.panes = {L, H, H};
  PaneButtonOutcome show = PressPaneButton(kIdCameraRear, in);
  EXPECT_EQ(show.showRear, true);
  EXPECT_EQ(show.rearHiddenByUser, 0);
  EXPECT_EQ(show.faces, (std::vector<ButtonFaces>{{kIdCameraRear, {353, 0, 0, 0}}}));

  in.panes = {L, I, I};
  const PaneButtonOutcome mapLarge = PressPaneButton(kIdCameraMap, in);
  EXPECT_EQ(mapLarge.faces, (std::vector<ButtonFaces>{{kIdCameraFront, {350, 0, 0, 0}},
                                                      {kIdCameraMap, {355, 0, 0, 0}}}));
  EXPECT_EQ(mapLarge.repaint, (std::vector<int>{kIdCameraFront, kIdCameraMap}));
  in.panes = {I, I, L};
  EXPECT_EQ(
      PressPaneButton(kIdCameraMap, in).faces,
      (std::vector<ButtonFaces>{{kIdCameraFront, {351, 0, 0, 0}}, {kIdCameraMap, {354, 0, 0, 0}}}));

  // The map page: loaded only when the map goes into the inset; map view also
  // collapses the map view when offline.
  in.panes = {L, I, H};
  in.mapCheckAfterClick = true;
  EXPECT_EQ(PressPaneButton(kIdMapCheck, in).mapPage, MapPageAction::LoadIfOnline);
  in.panes = {I, H, L};
  EXPECT_EQ(PressPaneButton(kIdMapCheck, in).mapPage, MapPageAction::None);
  EXPECT_EQ(PressPaneButton(kIdMapViewToggle, in).mapPage, MapPageAction::LoadOrCollapse);
  in.gpsState = 0;
  EXPECT_EQ(PressPaneButton(kIdMapViewToggle, in).mapPage, MapPageAction::LoadOrCollapse);
}

TEST(PaneButtons, CheckBoxesOfTheInsetButtons) {
  PaneButtonInputs in;
  in.channels = 2;
  in.panes = {L, I, I};

  // A click that leaves "View Map" unchecked checks it again and does nothing else.
  in.mapCheckAfterClick = false;
  const PaneButtonOutcome refused = PressPaneButton(kIdMapCheck, in);
  EXPECT_EQ(refused.mapCheck, true);
  EXPECT_EQ(refused.rearCheck, false);
  EXPECT_EQ(refused.panes, in.panes);
  EXPECT_FALSE(refused.applyLayout);
  EXPECT_EQ(refused.mapPage, MapPageAction::None);

  in.mapCheckAfterClick = true;
  const PaneButtonOutcome taken = PressPaneButton(kIdMapCheck, in);
  EXPECT_EQ(taken.mapCheck, true);
  EXPECT_EQ(taken.rearCheck, false);

  const PaneButtonOutcome camera = PressPaneButton(kIdRearCheck, in);
  EXPECT_EQ(camera.rearCheck, true);
  EXPECT_EQ(camera.mapCheck, false);

  // One channel: map view enables or disables the inset boxes.
  in.channels = 1;
  in.panes = {I, H, L};
  const PaneButtonOutcome small = PressPaneButton(kIdMapViewToggle, in);
  EXPECT_EQ(small.rearCheckEnabled, false);
  EXPECT_EQ(small.mapCheckEnabled, true);
  in.panes = {L, H, H};
  const PaneButtonOutcome shown = PressPaneButton(kIdMapViewToggle, in);
  EXPECT_EQ(shown.rearCheckEnabled, false);
  EXPECT_EQ(shown.mapCheckEnabled, false);
}

}  // namespace
}  // namespace motrevix
