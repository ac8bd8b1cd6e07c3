#include "view/pane_buttons.h"

#include "app/control_ids.h"

namespace motrevix {
namespace {

void CameraFront(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  if (in.channels < 1) return;
  PaneState& p = out.panes;
  if (p.m_nRearPane == kPaneLarge) {
    p.m_nRearPane = kPaneInset;
    p.m_nFrontPane = kPaneLarge;
  } else if (p.m_nMapPane == kPaneLarge && p.m_nFrontPane == kPaneInset) {
    p.m_nMapPane = kPaneInset;
    p.m_nFrontPane = kPaneLarge;
  } else if (p.m_nMapPane == kPaneLarge && p.m_nRearPane == kPaneInset) {
    p.m_nMapPane = kPaneHidden;
    p.m_nFrontPane = kPaneLarge;
  }
  out.applyLayout = true;
  out.refresh = true;
}

void CameraRear(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  if (in.channels < 2) return;
  PaneState& p = out.panes;
  const bool show = p.m_nRearPane == kPaneHidden;
  p.m_nRearPane = show ? kPaneInset : kPaneHidden;
  out.showRear = show;
  out.faces.push_back({kIdCameraRear, {show ? kFaceRearLit : kFaceRearGrey, 0, 0, 0}});
  out.rearHiddenByUser = show ? 0 : 1;
}

void CameraMap(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  PaneState& p = out.panes;
  if ((in.channels >= 2 && in.gpsState == 3) || in.channels == 1) {
    if (p.m_nFrontPane == kPaneInset && p.m_nMapPane == kPaneLarge) {
      p.m_nFrontPane = kPaneLarge;
      p.m_nMapPane = kPaneInset;
      out.faces = {{kIdCameraFront, {kFaceFrontLit, 0, 0, 0}},
                   {kIdCameraMap, {kFaceMapGrey, 0, 0, 0}}};
    } else if (p.m_nFrontPane == kPaneLarge && p.m_nMapPane == kPaneInset) {
      p.m_nMapPane = kPaneLarge;
      p.m_nFrontPane = kPaneInset;
      out.faces = {{kIdCameraFront, {kFaceFrontGrey, 0, 0, 0}},
                   {kIdCameraMap, {kFaceMapLit, 0, 0, 0}}};
    }
  }
  // Even without a recording the layout is applied again.
  out.repaint = {kIdCameraFront, kIdCameraMap};
  out.applyLayout = true;
  out.refresh = in.channels > 0;
}

void Swap(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  if (in.channels < 2) return;
  PaneState& p = out.panes;
  switch (p.m_nMapPane) {
    case kPaneHidden:
      if (p.m_nFrontPane == kPaneLarge) {
        p.m_nFrontPane = kPaneInset;
        p.m_nRearPane = kPaneLarge;
        out.viewSwapped = in.frontFullScreen == 0 ? 1 : 0;
      } else if (p.m_nFrontPane == kPaneInset) {
        p.m_nRearPane = kPaneInset;
        p.m_nFrontPane = kPaneLarge;
        if (in.rearFullScreen == 0) out.viewSwapped = 1;
      }
      break;
    case kPaneLarge:
      if (p.m_nFrontPane == kPaneInset) {
        p.m_nFrontPane = kPaneLarge;
        p.m_nRearPane = kPaneHidden;
        p.m_nMapPane = kPaneInset;
      } else if (p.m_nRearPane == kPaneInset) {
        p.m_nFrontPane = kPaneHidden;
        p.m_nRearPane = kPaneLarge;
        p.m_nMapPane = kPaneInset;
      }
      break;
    case kPaneInset:
      if (p.m_nRearPane == kPaneLarge && p.m_nFrontPane == kPaneInset) {
        p.m_nFrontPane = kPaneHidden;
      } else if (p.m_nRearPane == kPaneLarge) {
        p.m_nRearPane = kPaneInset;
        p.m_nMapPane = kPaneLarge;
      } else if (p.m_nFrontPane == kPaneLarge) {
        p.m_nFrontPane = kPaneInset;
        p.m_nMapPane = kPaneLarge;
      }
      break;
  }
  out.applyLayout = true;
  out.refresh = true;
}

void MapInset(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  // The box cannot be switched off by clicking it.
  out.rearCheck = false;
  out.mapCheck = true;
  if (!in.mapCheckAfterClick) return;
  if (in.channels < 2) {
    out.rearCheck.reset();
    out.mapCheck.reset();
    return;
  }
  PaneState& p = out.panes;
  if (p.m_nMapPane == kPaneLarge) {
    p.m_nFrontPane = kPaneHidden;
    p.m_nRearPane = kPaneInset;
  } else {
    out.mapPage = MapPageAction::LoadIfOnline;
    p.m_nMapPane = kPaneInset;
    if (p.m_nFrontPane == kPaneInset) p.m_nFrontPane = kPaneHidden;
    if (p.m_nRearPane == kPaneInset) p.m_nRearPane = kPaneHidden;
  }
  out.applyLayout = true;
}

void CameraInset(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  if (in.channels < 2) return;
  PaneState& p = out.panes;
  out.rearCheck = true;
  out.mapCheck = false;
  if (p.m_nMapPane == kPaneLarge) {
    p.m_nFrontPane = kPaneInset;
    p.m_nRearPane = kPaneHidden;
  } else if (p.m_nMapPane == kPaneInset) {
    if (p.m_nFrontPane == kPaneLarge) {
      p.m_nRearPane = kPaneInset;
    } else if (p.m_nRearPane == kPaneLarge) {
      p.m_nFrontPane = kPaneInset;
    }
    p.m_nMapPane = kPaneHidden;
  }
  out.applyLayout = true;
}

void MapView(const PaneButtonInputs& in, PaneButtonOutcome& out) {
  PaneState& p = out.panes;
  if (in.channels >= 2) {
    if (in.gpsState == 3) {
      if (p.m_nFrontPane == kPaneLarge) {
        if (p.m_nRearPane == kPaneInset) {
          p.m_nMapPane = kPaneInset;
          p.m_nRearPane = kPaneHidden;
        } else if (p.m_nMapPane == kPaneInset) {
          p.m_nRearPane = kPaneInset;
          p.m_nMapPane = kPaneHidden;
        }
      } else if (p.m_nRearPane == kPaneLarge) {
        if (p.m_nFrontPane == kPaneInset) {
          p.m_nFrontPane = kPaneHidden;
          p.m_nMapPane = kPaneInset;
        } else if (p.m_nMapPane == kPaneInset) {
          p.m_nFrontPane = kPaneInset;
          p.m_nMapPane = kPaneHidden;
        }
      } else if (p.m_nMapPane == kPaneLarge) {
        if (p.m_nFrontPane == kPaneInset) {
          p.m_nRearPane = kPaneInset;
          p.m_nFrontPane = kPaneHidden;
        } else if (p.m_nRearPane == kPaneInset) {
          p.m_nFrontPane = kPaneInset;
          p.m_nRearPane = kPaneHidden;
        }
      }
    }
    out.mapPage = MapPageAction::LoadOrCollapse;
    out.applyLayout = true;
    out.refresh = true;
  } else if (in.channels == 1) {
    out.mapPage = MapPageAction::LoadOrCollapse;
    out.applyLayout = true;
    if (p.m_nMapPane == kPaneLarge) {
      p.m_nMapPane = kPaneInset;
      if (p.m_nFrontPane == kPaneInset) p.m_nFrontPane = kPaneLarge;
      out.rearCheckEnabled = false;
      out.mapCheckEnabled = true;
    } else {
      if (p.m_nMapPane == kPaneHidden) {
        p.m_nMapPane = kPaneInset;
      } else {
        p.m_nMapPane = kPaneLarge;
        if (p.m_nFrontPane == kPaneLarge) p.m_nFrontPane = kPaneInset;
      }
      out.rearCheckEnabled = false;
      out.mapCheckEnabled = false;
      out.refresh = true;
    }
  }
}

}  // namespace

PaneButtonOutcome PressPaneButton(int id, const PaneButtonInputs& in) {
  PaneButtonOutcome out;
  out.panes = in.panes;
  switch (id) {
    case kIdCameraFront:
      CameraFront(in, out);
      break;
    case kIdCameraRear:
      CameraRear(in, out);
      break;
    case kIdCameraMap:
      CameraMap(in, out);
      break;
    case kIdSwapPanes:
      Swap(in, out);
      break;
    case kIdMapCheck:
      MapInset(in, out);
      break;
    case kIdRearCheck:
      CameraInset(in, out);
      break;
    case kIdMapViewToggle:
      MapView(in, out);
      break;
    default:
      break;
  }
  return out;
}

}  // namespace motrevix
