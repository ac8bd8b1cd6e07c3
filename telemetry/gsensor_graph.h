#pragma once
// The G-sensor graph's arithmetic: the three axes of the whole recording as
// polylines in the graph's pixels, and the column of the play-position marker.
// The graph window paints what this returns.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "telemetry/telemetry_data.h"

namespace motrevix {

inline constexpr int kGraphWidth = 714;
inline constexpr int kGraphHeight = 67;
// The row of value 0; value 128 lies on row 0 and -127 on row 66.
inline constexpr int kGraphZeroRow = 33;

struct GraphRgb {
  int r, g, b;
  bool operator==(const GraphRgb&) const = default;
};
// Curve colours of the X, Y and Z axes, the marker's, and the colour of the
// background that is see-through.
inline constexpr std::array<GraphRgb, 3> kAxisColours{{{0, 150, 0}, {255, 0, 0}, {0, 0, 255}}};
inline constexpr GraphRgb kMarkerColour{28, 117, 246};
inline constexpr GraphRgb kSeeThroughColour{0, 255, 0};
inline constexpr int kCurvePenWidth = 2;

struct GraphPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GraphPoint&) const = default;
};

struct GSensorGraphLines {
  // X, Y, Z in drawing order (Z on top). Each starts at (-1, 33) and joins the
  // samples that lie within the duration; empty when there are no samples.
  std::array<std::vector<GraphPoint>, 3> curves;
  // The marker's column; none at position 0.
  std::optional<int> markerX;
};

// Column of a sample at time t: trunc(t * 715 / D - 1); t = 0 lands at -1 and
// t = D at 714, one column outside each edge. D must be above 0.
int GraphSampleX(std::uint32_t timeMs, std::int64_t durationMs);
// Row of an axis value: trunc(33 - v * 67 / 256).
int GraphValueY(int value);
// Column of the marker for position p: trunc(p * 714 / D). D must be above 0.
int GraphMarkerX(std::int64_t positionMs, std::int64_t durationMs);

// The graph for duration D and play position p. Samples later than D are left
// out (the line joins their neighbours). With D of 0 or less the graph is
// bare: no curves and no marker.
GSensorGraphLines GSensorGraph(const std::vector<CGSensorData>& samples, std::int64_t durationMs,
                               std::int64_t positionMs);

}  // namespace motrevix
