#pragma once
// Process-wide values of the main window: the open recording's duration, the
// remembered volume and the view flags other windows read.

#include <cstdint>

namespace motrevix {

// Duration of the open recording in milliseconds.
extern std::int64_t g_llDurationMs;
// Volume slider position restored when mute is released.
extern std::int32_t g_nRememberedVolume;
// 1 while the user has hidden the rear picture.
extern std::int32_t g_bRearHiddenByUser;
// 0 km/h, 1 mph.
extern std::int32_t g_bSpeedInMiles;
// Result of the last Internet check that (re)loaded the map page.
extern std::int32_t g_bMapOnline;

// Puts every process-wide value of the main window back to its start value.
void ResetAppGlobals();

}  // namespace motrevix
