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

// Both arrays merged by time stamp (GPS first on equal stamps); each array keeps
// its own order.
std::vector<TelemetryRecordRef> RecordsInTimeOrder(const CTextData& data);

void WriteTelemetryTable(const CTextData& data, std::ostream& out);
void WriteTelemetryCsv(const CTextData& data, std::ostream& out);
void WriteTelemetryJson(const CTextData& data, std::ostream& out);
// trackName names the track (the recording's file name).
void WriteTelemetryGpx(const CTextData& data, const std::string& trackName, std::ostream& out);

}  // namespace motrevix
