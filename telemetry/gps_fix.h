#pragma once
// What a GPS sample means in the units other tools use: decimal degrees and the
// fix's UTC date and time (the record's own, without the +9 hour display shift).

#include <optional>
#include <string>

#include "telemetry/telemetry_data.h"

namespace motrevix {

// Decimal degrees of a ddmm.mmmm / dddmm.mmmm value (sign kept); none when the
// value is not finite or its minutes are 60 or more.
std::optional<double> DegreesFromDegreesMinutes(double degreesMinutes);

struct UtcTime {
  int year = 0;  // four digits
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The fix's UTC time; none when the fields are no real date and time of day
// (a missing date, month 13, 31 April, hour 24 ...).
std::optional<UtcTime> FixUtcTime(const CGPSData& gps);

// "2024-05-16T23:31:05Z"
std::string IsoUtcText(const UtcTime& time);

// Latitude (-90..90) and longitude (-180 up to, not including, 180) in decimal
// degrees when the sample is a valid fix with a position on the globe.
struct GeoPosition {
  double latitude = 0;
  double longitude = 0;
};
std::optional<GeoPosition> FixPosition(const CGPSData& gps);

}  // namespace motrevix
