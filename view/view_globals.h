#pragma once
// Process-wide view choices of the video presentation.

#include <cstdint>

#include "view/pixel_rect.h"

namespace motrevix {

// 1 while the user has hidden the rear picture; a two-channel recording then
// opens with its rear pane hidden.
extern std::int32_t g_bRearHiddenByUser;
// Speed unit of the read-outs: 0 km/h, 1 mph.
extern std::int32_t g_bSpeedInMiles;

// 1 while the front zoom level is not 1; the windowed layout then keeps the
// zoomed front surface as it is.
extern std::int32_t g_bFrontZoomed;
// 1 while the front, or the rear, picture fills the full-screen layout.
extern std::int32_t g_bFrontFullScreen;
extern std::int32_t g_bRearFullScreen;
// While non-zero the wheel zooms neither surface.
extern std::int32_t g_bViewSwapped;
// In full screen: the centred 16:9 picture rectangle for the front picture, the
// main window's whole client rectangle for the rear picture.
extern PixelRect g_rcFullScreenVideo;
// 1 makes the full-screen picture take the whole client width.
extern std::int32_t g_bFullScreenStretch;
// The rear zoom level: 0 at start, kept for the whole run.
extern std::int32_t g_nRearZoomLevel;

// Puts every process-wide value of the video presentation back to its start value.
void ResetViewGlobals();

}  // namespace motrevix
