#pragma once
// Event marks: the moments of a recording where the G-sensor shows a jolt (hard
// braking, a bump, an impact), so the progress slider can mark them and the
// driver can jump to the incident. Computed once per open from the G-sensor
// samples and the duration.

#include <cstdint>
#include <vector>

#include "telemetry/telemetry_data.h"

namespace motrevix {

// The G-sensor's scale: a camera at rest reads 64 on its vertical axis, which is
// gravity, 1 g.
inline constexpr int kGSensorCountsPerG = 64;
// A jolt is a reading 0.5 g or more away from the recording's resting reading:
// ordinary braking, cornering and road noise stay under about 0.3 g, while hard
// braking, potholes, kerbs and collisions go past 0.5 g.
inline constexpr int kEventThresholdCounts = kGSensorCountsPerG / 2;
// Jolts closer together than this are one incident (a bump and its rebound, the
// several blows of a collision); their marks would overlap on the slider anyway.
inline constexpr std::int64_t kEventMergeMs = 2000;

// The times (ms, ascending) of the incidents: each is the time of the strongest
// jolt of a run of jolts no more than kEventMergeMs apart. The resting reading is
// the per-axis median of the samples, so the mark does not depend on how the
// camera is mounted. Samples later than the duration are left out, as the graph
// leaves them out (times are unsigned 32-bit); a duration of 0 or less gives none.
std::vector<std::int64_t> EventMarkTimes(const std::vector<CGSensorData>& samples,
                                         std::int64_t durationMs);

}  // namespace motrevix
