#pragma once
// The three panes of the main window (front picture, rear picture, map) and the
// rules that move them, without widgets. Each pane is hidden, large (the video
// area) or inset (below the file list).

#include <QRect>
#include <optional>

#include "view/placement.h"

namespace motrevix {

enum PaneMode : int { kPaneHidden = 0, kPaneLarge = 1, kPaneInset = 2 };

struct PaneState {
  int m_nFrontPane = kPaneHidden;
  int m_nRearPane = kPaneHidden;
  int m_nMapPane = kPaneHidden;
  bool m_bSwapped = false;
  bool m_bFrontFullScreen = false;
  bool m_bRearFullScreen = false;

  friend bool operator==(const PaneState&, const PaneState&) = default;
};

// A recording was opened: the front large, the rear inset when there is one and
// the user has not hidden it, the map hidden until the GPS check shows it.
PaneState PanesAfterOpen(const PaneState& before, int channelCount, bool rearHiddenByUser);
// The recording has GPS records and the map page is online: the map goes inset.
PaneState PanesWithMapInset(const PaneState& before);
// Playback stopped: the map is hidden; the pictures keep their states.
PaneState PanesAfterStop(const PaneState& before);

// What the pane routine does to the windows and buttons for one pane state.
struct PaneArrangement {
  // The front host, the rear host, the map view and the camera buttons, in the
  // order they are applied.
  Placements placements;
  // The surfaces inside their hosts (null: left as they are).
  QRect frontSurface;
  Visibility frontSurfaceShow = Visibility::Unchanged;
  QRect rearSurface;
  Visibility rearSurfaceShow = Visibility::Unchanged;
  // The rear-view and map check boxes (unset: left as they are).
  std::optional<bool> rearCheck;
  std::optional<bool> mapCheck;
};

// The arrangement of the windowed layout; rearAvailable is a loaded recording
// with two channels. Other screen modes arrange nothing yet.
PaneArrangement ArrangePanes(const PaneState& panes, int screenMode, bool rearAvailable);

}  // namespace motrevix
