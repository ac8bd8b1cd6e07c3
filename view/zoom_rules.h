#pragma once
// Digital zoom and pan of the video surfaces as geometry alone: a zoomed surface
// is made larger than its container and centred on it; a drag moves it inside
// strict bounds. No widgets here: the surfaces apply what these functions decide.

#include <cstdint>
#include <optional>

#include "view/pixel_rect.h"

namespace motrevix {

// Base size of the front surface in the windowed layout.
constexpr int kFrontBaseWidth = 750;
constexpr int kFrontBaseHeight = 422;
// Level limits of the front zoom: full screen, windowed (a step forward at the
// windowed cap keeps the level and only re-centres).
constexpr int kFrontFullScreenMaxLevel = 12;
constexpr int kFrontWindowedMaxLevel = 15;
constexpr int kRearMaxLevel = 15;

// A surface's place in its container's client area.
struct SurfacePlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const SurfacePlacement&) const = default;
};

// The view flags the zoom and pan rules read.
struct ZoomViewFlags {
  std::int32_t frontFullScreen = 0;
  std::int32_t rearFullScreen = 0;
  std::int32_t viewSwapped = 0;
  PixelRect fullScreenVideo;
};
// The flags as they stand in the process-wide view values.
ZoomViewFlags CurrentZoomViewFlags();

// The base size scaled by factor (truncated, never below the base) and centred on
// the base rectangle; any pan is dropped.
SurfacePlacement CentredZoom(int baseWidth, int baseHeight, double factor);

struct FrontZoomStepResult {
  bool acts = false;
  int level = 1;
  // The new value of the front-zoomed flag, when the step writes it.
  std::optional<std::int32_t> frontZoomed;
  SurfacePlacement placement;  // valid when acts
};
// One wheel step of the front surface at level `level`.
FrontZoomStepResult FrontZoomStep(int level, bool zoomIn, const ZoomViewFlags& flags);

struct RearZoomStepResult {
  bool acts = false;
  int level = 0;
  SurfacePlacement placement;  // valid when acts
};
// One wheel step of the rear surface at level `level`; it zooms only while the
// rear picture fills the full screen and the view is not swapped.
RearZoomStepResult RearZoomStep(int level, bool zoomIn, const ZoomViewFlags& flags);

// The top-left corner of a dragged surface must lie strictly inside
// limX < x < 0 and limY < y < 0.
struct DragBounds {
  double limX = 0;
  double limY = 0;
  bool operator==(const DragBounds&) const = default;
};
DragBounds FrontDragBounds(int level, const ZoomViewFlags& flags);
// Nothing where the rear takes no move at that level and layout.
std::optional<DragBounds> RearDragBounds(int level, std::int32_t rearFullScreen);
bool DragAccepted(int x, int y, const std::optional<DragBounds>& bounds);

}  // namespace motrevix
