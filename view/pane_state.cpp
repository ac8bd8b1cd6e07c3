#include "view/pane_state.h"

#include "app/control_ids.h"
#include "view/pane_rects.h"

namespace motrevix {

PaneState PanesAfterOpen(const PaneState& before, int channelCount, bool rearHiddenByUser) {
  PaneState panes = before;
  panes.m_nFrontPane = kPaneLarge;
  panes.m_nRearPane = (channelCount > 1 && !rearHiddenByUser) ? kPaneInset : kPaneHidden;
  panes.m_nMapPane = kPaneHidden;
  return panes;
}

PaneState PanesWithMapInset(const PaneState& before) {
  PaneState panes = before;
  panes.m_nMapPane = kPaneInset;
  return panes;
}

PaneState PanesAfterStop(const PaneState& before) {
  PaneState panes = before;
  panes.m_nMapPane = kPaneHidden;
  return panes;
}

PaneArrangement ArrangePanes(const PaneState& panes, int screenMode, bool rearAvailable) {
  PaneArrangement out;
  if (screenMode != 1) return out;
  Placements& place = out.placements;
  place.push_back({kIdCameraFront, {}, Visibility::Shown});

  switch (panes.m_nFrontPane) {
    case kPaneHidden:
      out.frontSurfaceShow = Visibility::Hidden;
      out.rearCheck = false;
      break;
    case kPaneLarge:
      place.push_back({kIdFrontHost, kLargePaneRect, Visibility::Shown});
      out.frontSurface = QRect(QPoint(0, 0), kLargePaneRect.size());
      out.frontSurfaceShow = Visibility::Shown;
      break;
    case kPaneInset:
      place.push_back({kIdFrontHost, kInsetPaneRect, Visibility::Shown});
      out.frontSurface = QRect(QPoint(0, 0), kInsetPaneRect.size());
      out.frontSurfaceShow = Visibility::Shown;
      out.rearCheck = true;
      break;
  }

  if (rearAvailable) {
    place.push_back({kIdCameraRear, {}, Visibility::Shown});
    switch (panes.m_nRearPane) {
      case kPaneHidden:
        place.push_back({kIdRearHost, {}, Visibility::Hidden});
        out.rearCheck = false;
        break;
      case kPaneLarge:
        place.push_back({kIdRearHost, kLargePaneRect, Visibility::Shown});
        out.rearSurface = QRect(QPoint(0, 0), kLargePaneRect.size());
        break;
      case kPaneInset:
        place.push_back({kIdRearHost, {}, Visibility::Shown});
        out.rearSurfaceShow = Visibility::Shown;
        out.rearCheck = true;
        break;
    }
  } else {
    place.push_back({kIdRearHost, {}, Visibility::Hidden});
    place.push_back({kIdCameraRear, {}, Visibility::Hidden});
  }

  switch (panes.m_nMapPane) {
    case kPaneHidden:
      place.push_back({kIdMapView, kCollapsedMapRect, Visibility::Hidden});
      out.mapCheck = false;
      break;
    case kPaneLarge:
      place.push_back({kIdMapView, kLargePaneRect, Visibility::Shown});
      break;
    case kPaneInset:
      place.push_back({kIdMapView, kInsetPaneRect, Visibility::Shown});
      out.mapCheck = true;
      place.push_back({kIdCameraMap, {}, Visibility::Shown});
      break;
  }
  return out;
}

}  // namespace motrevix
