#include "telemetry/event_marks.h"

#include <algorithm>
#include <array>
#include <optional>

namespace motrevix {
namespace {

struct Sample {
  std::int64_t timeMs;
  std::array<std::int64_t, 3> axes;
};

std::int64_t Median(std::vector<std::int64_t> values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

struct Incident {
  std::int64_t peakMs;
  std::int64_t peakSquared;
  std::int64_t lastJoltMs;
};

}  // namespace

std::vector<std::int64_t> EventMarkTimes(const std::vector<CGSensorData>& samples,
                                         std::int64_t durationMs) {
  if (durationMs <= 0) return {};
  std::vector<Sample> inRange;
  inRange.reserve(samples.size());
  for (const CGSensorData& s : samples) {
    const std::int64_t timeMs = static_cast<std::uint32_t>(s.m_nTimeMs);
    if (timeMs <= durationMs) inRange.push_back({timeMs, {s.m_nX, s.m_nY, s.m_nZ}});
  }
  if (inRange.empty()) return {};
  std::stable_sort(inRange.begin(), inRange.end(),
                   [](const Sample& a, const Sample& b) { return a.timeMs < b.timeMs; });

  std::array<std::int64_t, 3> rest{};
  for (std::size_t axis = 0; axis < rest.size(); ++axis) {
    std::vector<std::int64_t> values;
    values.reserve(inRange.size());
    for (const Sample& s : inRange) values.push_back(s.axes[axis]);
    rest[axis] = Median(std::move(values));
  }

  constexpr std::int64_t kThresholdSquared =
      static_cast<std::int64_t>(kEventThresholdCounts) * kEventThresholdCounts;
  std::vector<std::int64_t> marks;
  std::optional<Incident> incident;
  for (const Sample& s : inRange) {
    std::int64_t squared = 0;
    for (std::size_t axis = 0; axis < rest.size(); ++axis) {
      const std::int64_t d = s.axes[axis] - rest[axis];
      squared += d * d;
    }
    if (squared < kThresholdSquared) continue;
    if (incident && s.timeMs - incident->lastJoltMs <= kEventMergeMs) {
      incident->lastJoltMs = s.timeMs;
      if (squared > incident->peakSquared) {
        incident->peakMs = s.timeMs;
        incident->peakSquared = squared;
      }
      continue;
    }
    if (incident) marks.push_back(incident->peakMs);
    incident = Incident{s.timeMs, squared, s.timeMs};
  }
  if (incident) marks.push_back(incident->peakMs);
  return marks;
}

}  // namespace motrevix
