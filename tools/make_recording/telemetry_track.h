#pragma once
// The telemetry the camera records: a GPS 'G' record once a second and a
// G-sensor 'M' record ten times a second, each with its time on the recording.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/make_recording/civil_time.h"

namespace motrevix::gen {

struct TelemetryRecord {
  std::int64_t timeMs = 0;
  std::string bytes;  // the record as stored, without a terminating zero
};

// Records of a recording that starts at cameraStart (the camera's clock, UTC+9)
// and lasts the given seconds, in time order. The route drives through Seoul with
// varying speed, loses the fix for a stretch in recordings of 5 s or more, and
// has a bump in the G-sensor values at each of bumpsMs (none given: at 60 % of
// the recording).
std::vector<TelemetryRecord> MakeTelemetry(const CivilTime& cameraStart, int seconds,
                                           const std::vector<int>& bumpsMs = {});

// Raw byte of a G-sensor value (-127..128): the reader decodes raw as 128 - raw.
std::uint8_t GSensorRaw(int value);

}  // namespace motrevix::gen
