#pragma once
// Process-wide view choices of the video presentation.

#include <cstdint>

namespace motrevix {

// 1 while the user has hidden the rear picture; a two-channel recording then
// opens with its rear pane hidden.
extern std::int32_t g_bRearHiddenByUser;
// Speed unit of the read-outs: 0 km/h, 1 mph.
extern std::int32_t g_bSpeedInMiles;

// Puts every process-wide value of the video presentation back to its start value.
void ResetViewGlobals();

}  // namespace motrevix
