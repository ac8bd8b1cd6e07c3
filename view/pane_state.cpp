#include "view/pane_state.h"

#include <algorithm>

#include "app/control_ids.h"
#include "view/full_screen_geometry.h"
#include "view/pane_rects.h"
#include "view/zoom_rules.h"

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

QString MapViewTextLarge() { return QString::fromUtf8("지도 크게보기"); }
QString MapViewTextSmall() { return QString::fromUtf8("지도 작게보기"); }

std::optional<QRect> LargeFrontSurface(std::int32_t frontZoomed, int level, QSize present) {
  if (frontZoomed == 0) return QRect(QPoint(0, 0), kLargePaneRect.size());
  // A zoomed surface keeps its pan, unless an inset or the full screen has given
  // it another size: it then shows its zoom level again, centred.
  const SurfacePlacement zoomed = CentredZoom(kFrontBaseWidth, kFrontBaseHeight, (level + 4) * 0.2);
  if (present == QSize(zoomed.width, zoomed.height)) return std::nullopt;
  return QRect(zoomed.x, zoomed.y, zoomed.width, zoomed.height);
}

namespace {

void ArrangeWindowed(const PaneLayoutInputs& in, PaneArrangement& out) {
  const PaneState& panes = in.panes;
  Placements& place = out.placements;
  out.frontFullScreen = 0;
  out.rearFullScreen = 0;
  place.push_back({kIdCameraFront, {}, Visibility::Shown});

  switch (panes.m_nFrontPane) {
    case kPaneHidden:
      out.frontSurfaceShow = Visibility::Hidden;
      out.rearCheck = false;
      break;
    case kPaneLarge:
      place.push_back({kIdFrontHost, kLargePaneRect, Visibility::Shown});
      out.frontSurface = LargeFrontSurface(in.frontZoomed, in.frontZoomLevel, in.frontSurfaceSize)
                             .value_or(QRect());
      out.frontSurfaceShow = Visibility::Shown;
      out.faces.push_back({kIdCameraFront, {kFaceFrontLit, 0, 0, 0}});
      out.viewSwapped = 0;
      break;
    case kPaneInset:
      place.push_back({kIdFrontHost, in.insetRect, Visibility::Shown});
      out.frontSurface = QRect(QPoint(0, 0), in.insetRect.size());
      out.frontSurfaceShow = Visibility::Shown;
      out.rearCheck = true;
      out.faces.push_back({kIdCameraFront, {kFaceFrontGrey, 0, 0, 0}});
      out.viewSwapped = 1;
      break;
  }

  if (in.rearAvailable) {
    place.push_back({kIdCameraRear, {}, Visibility::Shown});
    switch (panes.m_nRearPane) {
      case kPaneHidden:
        place.push_back({kIdRearHost, {}, Visibility::Hidden});
        out.rearCheck = false;
        break;
      case kPaneLarge:
        place.push_back({kIdRearHost, kLargePaneRect, Visibility::Shown});
        out.rearSurface = QRect(QPoint(0, 0), kLargePaneRect.size());
        out.viewSwapped = 1;
        break;
      case kPaneInset:
        place.push_back({kIdRearHost, {}, Visibility::Shown});
        out.rearSurfaceShow = Visibility::Shown;
        out.faces.push_back(
            {kIdCameraRear, {kFaceRearLit, kFaceRearLit, kFaceRearGrey, kFaceRearGrey}});
        out.rearCheck = true;
        out.viewSwapped = 0;
        break;
    }
  } else {
    place.push_back({kIdRearHost, {}, Visibility::Hidden});
    place.push_back({kIdCameraRear, {}, Visibility::Hidden});
  }

  switch (panes.m_nMapPane) {
    case kPaneHidden:
      place.push_back({kIdMapView, kCollapsedMapRect, Visibility::Hidden});
      out.mapViewText = MapViewTextLarge();
      out.mapCheck = false;
      break;
    case kPaneLarge:
      place.push_back({kIdMapView, kLargePaneRect, Visibility::Shown});
      if (panes.m_nFrontPane == kPaneInset) {
        out.rearCheck = true;
        out.mapCheck = false;
      } else if (panes.m_nRearPane == kPaneInset) {
        out.rearCheck = false;
        out.mapCheck = true;
      }
      out.repaint = {kIdRearCheck, kIdMapCheck};
      out.mapViewText = MapViewTextSmall();
      break;
    case kPaneInset:
      place.push_back({kIdMapView, in.insetRect, Visibility::Shown});
      out.mapCheck = true;
      out.mapViewText = MapViewTextLarge();
      place.push_back({kIdCameraMap, {}, Visibility::Shown});
      out.faces.push_back({kIdCameraMap, {kFaceMapGrey, 0, 0, 0}});
      out.repaint = {kIdCameraMap};
      break;
  }
}

void ArrangeFullScreen(const PaneLayoutInputs& in, PaneArrangement& out) {
  const int W = in.clientSize.width();
  const int H = in.clientSize.height();
  const FullScreenPicture picture = FullScreenPictureFor(W, H, in.fullScreenStretch == 1);
  const int x0 = picture.x0;
  const int y = H - 50;
  const int rx = x0 + picture.width;
  out.fullScreenVideo = picture.rect;

  out.placements = {
      {kIdSpeedHundreds, {}, Visibility::Hidden},
      {kIdSpeedTens, {}, Visibility::Hidden},
      {kIdSpeedOnes, {}, Visibility::Hidden},
      // The control bar along the bottom edge.
      {kIdPrevious, QRect(x0, y, 44, 50), Visibility::Unchanged},
      {kIdSecondBack, QRect(x0 + 44, y, 36, 50), Visibility::Unchanged},
      {kIdPlay, QRect(x0 + 80, y, 49, 50), Visibility::Unchanged},
      {kIdSecondNext, QRect(x0 + 129, y, 36, 50), Visibility::Unchanged},
      {kIdNext, QRect(x0 + 165, y, 36, 50), Visibility::Unchanged},
      {kIdFrameStep, QRect(x0 + 201, y, 44, 50), Visibility::Unchanged},
      {kIdFullProgressBack, QRect(x0 + 250, y, 751, 50), Visibility::Shown},
      {kIdProgress, QRect(x0 + 262, H - 34, 727, 17), Visibility::Unchanged},
      {kIdPositionTime, QRect(x0 + 270, H - 17, 60, 12), Visibility::Unchanged},
      {kIdDurationTime, QRect(x0 + 923, H - 17, 60, 12), Visibility::Unchanged},
      {kIdMirror, QRect(rx - 32, H - 42, 32, 33), Visibility::Unchanged},
      {kIdFlipVertical, QRect(rx - 68, H - 42, 32, 33), Visibility::Unchanged},
      // The window buttons at the picture's top-right corner.
      {kIdFullScreen, QRect(rx - 74, 2, 17, 16), Visibility::Shown},
      {kIdMinimize, QRect(rx - 55, 2, 17, 16), Visibility::Unchanged},
      {kIdOriginalScreen, QRect(rx - 36, 2, 17, 16), Visibility::Unchanged},
      {kIdExit, QRect(rx - 17, 2, 17, 16), Visibility::Unchanged},
  };
  out.progressOriginX = x0 + 268;

  Placements& place = out.placements;
  if (in.panes.m_nFrontPane % 2 == 1) {
    const PixelRect& r = picture.rect;
    place.push_back({kIdFrontHost, QRect(r.left, r.top, r.Width(), r.Height()), Visibility::Shown});
    out.frontSurface = QRect(0, 0, picture.width, picture.height);
    out.frontSurfaceShow = Visibility::Shown;
    out.frontFullScreen = 1;
    out.rearFullScreen = 0;
  } else {
    place.push_back({kIdFrontHost, {}, Visibility::Hidden});
  }
  if (in.panes.m_nRearPane % 2 == 1) {
    // The rear fills the whole client area, less a margin for the bar.
    out.fullScreenVideo = PixelRect{0, 0, W, H};
    place.push_back(
        {kIdRearHost, QRect(18, 50, std::max(W - 36, 0), std::max(H - 129, 0)), Visibility::Shown});
    out.rearSurface = QRect(0, 0, std::max(W - 18, 0), std::max(H - 79, 0));
    out.rearSurfaceShow = Visibility::Shown;
    out.frontFullScreen = 0;
    out.rearFullScreen = 1;
  } else {
    place.push_back({kIdRearHost, {}, Visibility::Hidden});
  }
  // The map is put out of sight: a placement's empty rectangle keeps the old
  // geometry, so the collapsed map is hidden instead of being left at its inset
  // place over the picture.
  place.push_back({kIdMapView, kCollapsedMapRect, Visibility::Hidden});
  out.hideGSensorWindow = true;
}

}  // namespace

PaneArrangement ArrangePanes(const PaneLayoutInputs& inputs) {
  PaneArrangement out;
  if (inputs.screenMode == 1) ArrangeWindowed(inputs, out);
  if (inputs.screenMode == 2) ArrangeFullScreen(inputs, out);
  return out;
}

}  // namespace motrevix
