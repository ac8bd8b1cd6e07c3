#pragma once
// Process-wide values at the play position: what the speed read-out shows and
// where the map puts the vehicle. The lookup of the playback tick writes them;
// the read-out, the map and the printed report read them.

#include <cstdint>

namespace motrevix {

// 1 while the read-out shows a speed; 0 when the recording has no GPS sample or
// the play position has been past the last sample for more than 30 lookups.
extern std::int32_t g_bSpeedValid;
// Speed at the play position: km/h, or mph (single precision) in miles mode.
extern double g_dSpeed;
// Position at the play position in decimal degrees, negative south and west.
extern double g_dLatitude;
extern double g_dLongitude;
// Consecutive lookups that found no sample at or after the play position.
extern std::int32_t g_nGpsMissCount;

// Puts every value above back to its start value (0).
void ResetTelemetryGlobals();

}  // namespace motrevix
