#include "view/view_globals.h"

namespace motrevix {

std::int32_t g_bRearHiddenByUser = 0;
std::int32_t g_bSpeedInMiles = 0;
std::int32_t g_bFrontZoomed = 0;
std::int32_t g_bFrontFullScreen = 0;
std::int32_t g_bRearFullScreen = 0;
std::int32_t g_bViewSwapped = 0;
PixelRect g_rcFullScreenVideo;
std::int32_t g_bFullScreenStretch = 0;
std::int32_t g_nRearZoomLevel = 0;

void ResetViewGlobals() {
  g_bRearHiddenByUser = 0;
  g_bSpeedInMiles = 0;
  g_bFrontZoomed = 0;
  g_bFrontFullScreen = 0;
  g_bRearFullScreen = 0;
  g_bViewSwapped = 0;
  g_rcFullScreenVideo = {};
  g_bFullScreenStretch = 0;
  g_nRearZoomLevel = 0;
}

}  // namespace motrevix
