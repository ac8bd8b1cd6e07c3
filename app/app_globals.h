#pragma once
// Process-wide values of the main window: the open recording's duration, the
// remembered volume and the result of the Internet check (the view flags the
// open procedure reads are in view/view_globals.h).

#include <cstdint>

#include "view/view_globals.h"

namespace motrevix {

// Duration of the open recording in milliseconds.
extern std::int64_t g_llDurationMs;
// Volume slider position restored when mute is released.
extern std::int32_t g_nRememberedVolume;
// Result of the last Internet check that (re)loaded the map page.
extern std::int32_t g_bMapOnline;
// 1 while the extended layout (calendar and the time sliders) is chosen.
extern std::int32_t g_bExtendedLayout;

// Puts every process-wide value of the main window back to its start value.
void ResetAppGlobals();

}  // namespace motrevix
