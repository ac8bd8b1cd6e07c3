#include "view/zoom_rules.h"

#include <algorithm>
#include <cmath>

#include "view/view_globals.h"

namespace motrevix {
namespace {

int Trunc(double value) { return static_cast<int>(std::trunc(value)); }

double FrontFactor(int level) { return (level + 4) * 0.2; }
double RearFactor(int level) { return level * 0.2; }

struct RearBoundsRow {
  int level;
  std::optional<DragBounds> fullScreen;
  std::optional<DragBounds> windowed;
};

// The rear pans only within these bounds; a level missing here takes no move.
constexpr RearBoundsRow kRearBounds[] = {
    {6, DragBounds{-69.4, -38.7}, std::nullopt},
    {7, DragBounds{-277.6, -232.2}, DragBounds{-69.4, -77.4}},
    {8, DragBounds{-485.8, -464.4}, DragBounds{-69.4, -116.1}},
    {9, DragBounds{-763.4, -696.6}, DragBounds{-69.4, -154.8}},
    {10, DragBounds{-1249.2, -1006.2}, DragBounds{-138.8, -193.5}},
    {11, DragBounds{-1457.4, -1161}, DragBounds{-208.2, -259.29}},
    {12, DragBounds{-1665.6, -1319.67}, DragBounds{-277.6, -301.86}},
    {13, std::nullopt, DragBounds{-347.0, -340.56}},
    {14, std::nullopt, DragBounds{-485.8, -387}},
    {15, std::nullopt, DragBounds{-555.2, -425.7}},
};

}  // namespace

ZoomViewFlags CurrentZoomViewFlags() {
  return {g_bFrontFullScreen, g_bRearFullScreen, g_bViewSwapped, g_rcFullScreenVideo};
}

SurfacePlacement CentredZoom(int baseWidth, int baseHeight, double factor) {
  const int width = std::max(Trunc(baseWidth * factor), baseWidth);
  const int height = std::max(Trunc(baseHeight * factor), baseHeight);
  return {-((width - baseWidth) / 2), -((height - baseHeight) / 2), width, height};
}

FrontZoomStepResult FrontZoomStep(int level, bool zoomIn, const ZoomViewFlags& flags) {
  FrontZoomStepResult result;
  result.level = level;
  if (level == 1) result.frontZoomed = 0;
  if (flags.viewSwapped != 0) return result;

  int baseWidth = kFrontBaseWidth;
  int baseHeight = kFrontBaseHeight;
  if (flags.frontFullScreen == 1) {
    baseWidth = flags.fullScreenVideo.Width();
    baseHeight = flags.fullScreenVideo.Height();
    if (zoomIn && level < kFrontFullScreenMaxLevel) {
      result.level = level + 1;
      result.acts = true;
    }
  } else if (flags.frontFullScreen == 0) {
    // Level 20 is never reached: the cap of 15 keeps a step at the cap acting.
    if (zoomIn && level < 20) {
      result.level = std::min(level + 1, kFrontWindowedMaxLevel);
      result.acts = true;
    }
  } else {
    return result;
  }
  if (!zoomIn && level > 1) {
    result.level = level - 1;
    result.acts = true;
  }
  if (!result.acts) return result;

  result.frontZoomed = result.level != 1 ? 1 : 0;
  result.placement = CentredZoom(baseWidth, baseHeight, FrontFactor(result.level));
  return result;
}

RearZoomStepResult RearZoomStep(int level, bool zoomIn, const ZoomViewFlags& flags) {
  RearZoomStepResult result;
  result.level = level;
  if (flags.rearFullScreen != 1 || flags.viewSwapped != 0) return result;
  if (zoomIn && level < kRearMaxLevel) {
    result.level = level + 1;
    result.acts = true;
  } else if (!zoomIn && level > 1) {
    result.level = level - 1;
    result.acts = true;
  }
  if (!result.acts) return result;
  // The rear's base is the whole client area of the main window.
  result.placement = CentredZoom(flags.fullScreenVideo.right, flags.fullScreenVideo.bottom,
                                 RearFactor(result.level));
  return result;
}

DragBounds FrontDragBounds(int level, const ZoomViewFlags& flags) {
  if (flags.frontFullScreen == 1) {
    const int width = flags.fullScreenVideo.Width();
    const int height = flags.fullScreenVideo.Height();
    return {static_cast<double>(Trunc((level - 1) * (width - 36) * -0.2)),
            static_cast<double>(Trunc((level - 1) * (height - 129) * -0.2))};
  }
  // The extra width and height of the windowed zoom: 150 and 84.4 per level.
  return {static_cast<double>(150 - 150 * level), static_cast<double>(Trunc((level - 1) * -84.4))};
}

std::optional<DragBounds> RearDragBounds(int level, std::int32_t rearFullScreen) {
  for (const RearBoundsRow& row : kRearBounds) {
    if (row.level != level) continue;
    if (rearFullScreen == 1) return row.fullScreen;
    if (rearFullScreen == 0) return row.windowed;
    return std::nullopt;
  }
  return std::nullopt;
}

bool DragAccepted(int x, int y, const std::optional<DragBounds>& bounds) {
  if (!bounds) return false;
  const double dx = x;
  const double dy = y;
  return bounds->limX < dx && dx < 0 && bounds->limY < dy && dy < 0;
}

}  // namespace motrevix
