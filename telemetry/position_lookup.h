#pragma once
// The telemetry at the play position: the GPS sample at or after the position
// gives the speed of the read-out and the position of the map. The lookup runs
// at every playback tick and writes the values of telemetry_globals.h.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "telemetry/gps_fix.h"
#include "telemetry/telemetry_data.h"

namespace motrevix {

// Lookups past the last sample that keep the read-out showing its last speed.
inline constexpr int kGpsMissesKept = 30;
// Speeds below this (km/h) read as standing still.
inline constexpr double kStandstillKmh = 5.0;
inline constexpr double kMilesPerKm = 0.621;

// Decimal degrees of a stored ddmm.mmmm / dddmm.mmmm value: the value's
// hundredths are minutes (3733.1234 -> 37.552057); the sign carries through.
double DecimalDegrees(double degreesMinutes);

// The speed the read-out shows for a stored speed in km/h: 0 below 5 km/h or
// when the value is not finite; in miles mode converted and held in single
// precision. The standstill rule applies in km/h, before the conversion.
double DisplaySpeed(double kmh, bool inMiles);

// Looks the samples up at play position p (milliseconds): the first sample
// whose time, read as unsigned, is at least p. Updates g_bSpeedValid, g_dSpeed,
// g_dLatitude, g_dLongitude and g_nGpsMissCount. Returns the position to hand
// to the map: only for a valid fix whose position is finite (a fix without one
// keeps the last position and makes no map call).
std::optional<GeoPosition> LookupTelemetry(const std::vector<CGPSData>& gps,
                                           std::uint32_t positionMs, bool speedInMiles);

// The map's command text for a position, with six decimals whatever the
// process's locale: "javascript:DrawCurrent('37.512345', '127.012345')".
std::string DrawCurrentCommand(const GeoPosition& position);

// The trip as the map draws it: the position of every valid fix that lies on
// the globe, in recording order.
std::vector<GeoPosition> TrackOfValidFixes(const std::vector<CGPSData>& gps);

}  // namespace motrevix
