#include "telemetry/gsensor_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace motrevix {
namespace {

int TruncatedToInt(double value) {
  constexpr double kLow = std::numeric_limits<int>::min();
  constexpr double kHigh = std::numeric_limits<int>::max();
  return static_cast<int>(std::trunc(std::clamp(value, kLow, kHigh)));
}

int AxisValue(const CGSensorData& sample, std::size_t axis) {
  return axis == 0 ? sample.m_nX : axis == 1 ? sample.m_nY : sample.m_nZ;
}

}  // namespace

int GraphSampleX(std::uint32_t timeMs, std::int64_t durationMs) {
  return TruncatedToInt(timeMs * (715.0 / static_cast<double>(durationMs)) - 1);
}

int GraphValueY(int value) { return TruncatedToInt(kGraphZeroRow - value * 0.26171875); }

int GraphMarkerX(std::int64_t positionMs, std::int64_t durationMs) {
  return TruncatedToInt(static_cast<double>(positionMs) *
                        (714.0 / static_cast<double>(durationMs)));
}

GSensorGraphLines GSensorGraph(const std::vector<CGSensorData>& samples, std::int64_t durationMs,
                               std::int64_t positionMs) {
  GSensorGraphLines lines;
  if (durationMs <= 0) return lines;
  if (!samples.empty()) {
    for (std::size_t axis = 0; axis < lines.curves.size(); ++axis) {
      std::vector<GraphPoint>& curve = lines.curves[axis];
      curve.reserve(samples.size() + 1);
      curve.push_back({-1, kGraphZeroRow});
      for (const CGSensorData& sample : samples) {
        const auto t = static_cast<std::uint32_t>(sample.m_nTimeMs);
        if (t > static_cast<std::uint64_t>(durationMs)) continue;
        curve.push_back({GraphSampleX(t, durationMs), GraphValueY(AxisValue(sample, axis))});
      }
    }
  }
  if (positionMs != 0) lines.markerX = GraphMarkerX(positionMs, durationMs);
  return lines;
}

}  // namespace motrevix
