#pragma once
// The telemetry of a recording written for people and for other tools: a readable
// table, CSV with one row per record, JSON, and a GPX 1.1 track of the valid fixes.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "telemetry/telemetry_data.h"

namespace motrevix {

// One record of the container, GPS or G-sensor, by its place in its array.
struct TelemetryRecordRef {
  enum class Kind { kGps, kGSensor };
  Kind kind;
  std::size_t index;
  std::uint32_t timeMs;  // time stamps compare as unsigned
};

// A sample's time stamp as every output reads it: unsigned 32-bit milliseconds.
inline std::uint32_t StampMs(std::int32_t timeMs) { return static_cast<std::uint32_t>(timeMs); }

// Both arrays in the order of their time stamps, whatever order they arrived in
// (GPS first on equal stamps; samples of one array with equal stamps keep their
// order).
std::vector<TelemetryRecordRef> RecordsInTimeOrder(const CTextData& data);

// A count line, then one line per record in time order: clock time and time stamp,
// then the G-sensor axes or the fix (UTC time, decimal degrees, km/h, course).
void WriteTelemetryTable(const CTextData& data, std::ostream& out);

// CSV with a header row and CRLF line ends, one row per record in time order:
//   kind (G or M), time_ms, x, y, z (M only), valid, year, month, day, hour (with
//   the +9 shift), minute, second, latitude_ddmm, longitude_dddmm, speed_kmh,
//   course_deg, time_t (G only, as stored), latitude_deg, longitude_deg (valid
//   fixes on the globe), utc_time (ISO 8601 when the date and time are real).
void WriteTelemetryCsv(const CTextData& data, std::ostream& out);

// JSON: {"gps_count", "gsensor_count", "gps": [...], "gsensor": [...]}, each
// sample an object with the fields named as the CSV columns.
void WriteTelemetryJson(const CTextData& data, std::ostream& out);

// GPX 1.1 with one track named trackName (the recording's file name): its points
// are the valid fixes, in segments split at every stretch without one; each point
// has its UTC time and Garmin TrackPointExtension v2 speed (m/s) and course.
void WriteTelemetryGpx(const CTextData& data, const std::string& trackName, std::ostream& out);

}  // namespace motrevix
