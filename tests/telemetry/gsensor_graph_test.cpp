// The G-sensor graph's scales, the samples it leaves out and its marker.
#include "telemetry/gsensor_graph.h"

#include <gtest/gtest.h>

namespace motrevix {
namespace {

CGSensorData G(std::int32_t timeMs, int x, int y, int z) { return {x, y, z, timeMs}; }

TEST(GSensorScaleTest, ValuesSpanTheStripsHeight) {
  struct Case {
    int value;
    int row;
  };
  const Case cases[] = {{128, 0}, {0, 33}, {-127, 66}, {1, 32}, {-1, 33}, {64, 16}, {-64, 49}};
  for (const Case& c : cases) EXPECT_EQ(GraphValueY(c.value), c.row) << c.value;
}

TEST(GSensorScaleTest, TimesAndPositionsToColumns) {
  struct Case {
    std::int64_t durationMs;
    std::int64_t ms;
    int sampleX;
    int markerX;
  };
  const Case cases[] = {
      {60000, 30000, 356, 357},  // trunc(30000 * 715 / 60000 - 1), trunc(30000 * 714 / 60000)
      {60000, 0, -1, 0},         // one column left of the strip
      {60000, 60000, 714, 714},  // one column right of it
      {1000, 1, 0, 0},           // 0.715 - 1 truncates toward zero
      {7, 3, 305, 306},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GraphSampleX(static_cast<std::uint32_t>(c.ms), c.durationMs), c.sampleX)
        << c.durationMs << " " << c.ms;
    EXPECT_EQ(GraphMarkerX(c.ms, c.durationMs), c.markerX) << c.durationMs << " " << c.ms;
  }
}

TEST(GSensorGraphTest, CurvesStartAtTheZeroLineAndSkipSamplesPastTheDuration) {
  const std::vector<CGSensorData> samples{G(0, 128, 0, -127), G(70000, 50, 50, 50),
                                          G(-5, 10, 10, 10),  // unsigned: far past the end
                                          G(60000, 0, -127, 128)};
  const GSensorGraphLines lines = GSensorGraph(samples, 60000, 30000);
  const std::vector<GraphPoint> x{{-1, 33}, {-1, 0}, {714, 33}};
  const std::vector<GraphPoint> y{{-1, 33}, {-1, 33}, {714, 66}};
  const std::vector<GraphPoint> z{{-1, 33}, {-1, 66}, {714, 0}};
  EXPECT_EQ(lines.curves[0], x);
  EXPECT_EQ(lines.curves[1], y);
  EXPECT_EQ(lines.curves[2], z);
  EXPECT_EQ(lines.markerX, 357);
}

TEST(GSensorGraphTest, MarkerAndCurvesByCase) {
  struct Case {
    const char* name;
    std::vector<CGSensorData> samples;
    std::int64_t durationMs;
    std::int64_t positionMs;
    bool curves;
    std::optional<int> markerX;
  };
  const Case cases[] = {
      {"no samples: bare strip with the marker", {}, 60000, 30000, false, 357},
      {"position 0: no marker", {G(100, 1, 2, 3)}, 60000, 0, true, std::nullopt},
      {"duration 0: bare background", {G(0, 1, 2, 3)}, 0, 500, false, std::nullopt},
      {"negative duration: bare background", {G(0, 1, 2, 3)}, -40, 500, false, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const GSensorGraphLines lines = GSensorGraph(c.samples, c.durationMs, c.positionMs);
    for (const auto& curve : lines.curves) EXPECT_EQ(!curve.empty(), c.curves);
    EXPECT_EQ(lines.markerX, c.markerX);
  }
}

}  // namespace
}  // namespace motrevix
