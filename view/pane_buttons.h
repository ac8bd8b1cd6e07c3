#pragma once
// The buttons that decide which pane is where (CH1, CH2, MAP, swap, map inset,
// camera inset, map view) as a rule without widgets: from the pane state, the
// open recording and the view flags to the new state and what the window does.

#include <cstdint>
#include <optional>
#include <vector>

#include "view/pane_state.h"

namespace motrevix {

struct PaneButtonInputs {
  PaneState panes;
  // Channels of the open recording; 0 when none is open.
  int channels = 0;
  // 3 when the open recording carries GPS records.
  int gpsState = 0;
  std::int32_t viewSwapped = 0;
  std::int32_t frontFullScreen = 0;
  std::int32_t rearFullScreen = 0;
  // The map inset box's check state after the click.
  bool mapCheckAfterClick = false;
};

enum class MapPageAction {
  None,
  // Load the map page when the computer is online.
  LoadIfOnline,
  // Load it when online, else collapse the map view.
  LoadOrCollapse,
};

struct PaneButtonOutcome {
  PaneState panes;
  std::optional<std::int32_t> viewSwapped;
  std::optional<std::int32_t> rearHiddenByUser;
  // CH2: the rear window and its surface shown (true) or hidden (false).
  std::optional<bool> showRear;
  std::vector<ButtonFaces> faces;
  std::optional<bool> rearCheck;
  std::optional<bool> mapCheck;
  std::optional<bool> rearCheckEnabled;
  std::optional<bool> mapCheckEnabled;
  MapPageAction mapPage = MapPageAction::None;
  // Buttons repainted, then the pane routine, then the video rectangles.
  std::vector<int> repaint;
  bool applyLayout = false;
  bool refresh = false;
};

// The outcome of a click on pane button `id` (an id that is no pane button
// changes nothing).
PaneButtonOutcome PressPaneButton(int id, const PaneButtonInputs& in);

}  // namespace motrevix
