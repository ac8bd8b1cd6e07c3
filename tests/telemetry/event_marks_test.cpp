// Event marks from the G-sensor samples: which jolts make a mark, where the mark
// lies, jolts merged into one incident, and the samples that are left out.
#include "telemetry/event_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace motrevix {
namespace {

// A jolt added to the resting reading of the sample at timeMs.
struct Jolt {
  std::int32_t timeMs;
  int dx, dy, dz;
};

struct Mounting {
  int x, y, z;  // the resting reading
};
constexpr Mounting kUpright{0, 0, kGSensorCountsPerG};
// Tilted 45 degrees: gravity shared by X and Z.
constexpr Mounting kTilted{45, 0, 45};

// Ten samples a second over the duration, at rest (with a few counts of road
// noise unless quiet), plus the jolts, clipped to the sensor's range.
std::vector<CGSensorData> Drive(std::int64_t durationMs, const std::vector<Jolt>& jolts,
                                Mounting rest = kUpright, bool quiet = false) {
  std::vector<CGSensorData> samples;
  for (std::int32_t t = 50; t <= durationMs; t += 100) {
    const double s = t / 1000.0;
    const int noise = quiet ? 0 : 1;
    int x = rest.x + noise * static_cast<int>(std::lround(4 * std::sin(s * 1.3)));
    int y = rest.y + noise * static_cast<int>(std::lround(3 * std::cos(s * 0.7)));
    int z = rest.z + noise * static_cast<int>(std::lround(2 * std::sin(s * 5.0)));
    for (const Jolt& j : jolts) {
      if (j.timeMs != t) continue;
      x += j.dx;
      y += j.dy;
      z += j.dz;
    }
    samples.push_back(
        {std::clamp(x, -127, 128), std::clamp(y, -127, 128), std::clamp(z, -127, 128), t});
  }
  return samples;
}

TEST(EventMarksTest, JoltsPastTheThresholdMarkTheirIncident) {
  constexpr int T = kEventThresholdCounts;
  static_assert(T == 32, "the two-axis cases below are worked out for 32");
  struct Case {
    std::string name;
    std::vector<Jolt> jolts;
    Mounting rest;
    std::vector<std::int64_t> marks;
    bool quiet = false;
  };
  const std::vector<Case> cases = {
      {"road noise only", {}, kUpright, {}},
      {"hard braking just under the threshold", {{3050, T - 1, 0, 0}}, kUpright, {}, true},
      {"hard braking at the threshold", {{3050, T, 0, 0}}, kUpright, {3050}, true},
      // The magnitude counts, not the largest axis: 20^2 + 25^2 is just past 32^2, 20^2 + 24^2 is
      // not.
      {"past the threshold over two axes", {{3050, 0, -20, 25}}, kUpright, {3050}, true},
      {"just under it over two axes", {{3050, 0, -20, 24}}, kUpright, {}, true},
      {"hard braking in road noise", {{3050, T + 10, 0, 0}}, kUpright, {3050}},
      {"a bump, up and down", {{4050, 0, 0, 50}, {4150, 0, 0, -45}}, kUpright, {4050}},
      {"two peaks far apart", {{2050, 40, 0, 0}, {9050, 0, -70, 30}}, kUpright, {2050, 9050}},
      {"a collision's blows merge, the strongest marks it",
       {{5050, 40, 0, 0}, {5850, 90, 0, 0}, {7050, 50, 0, 0}},
       kUpright,
       {5850}},
      {"jolts just more than the merge gap apart stay two",
       {{1050, 60, 0, 0}, {1050 + kEventMergeMs + 100, 60, 0, 0}},
       kUpright,
       {1050, 1050 + kEventMergeMs + 100}},
      {"a clipped impact on every axis", {{6050, 128, 128, 64}}, kUpright, {6050}},
      {"tilted mounting at rest", {}, kTilted, {}},
      {"tilted mounting, a bump", {{3050, 0, 0, 40}}, kTilted, {3050}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EventMarkTimes(Drive(10000, c.jolts, c.rest, c.quiet), 10000), c.marks) << c.name;
  }
}

TEST(EventMarksTest, SamplesOutsideTheDurationAndEmptyInputsGiveNoMarks) {
  const std::vector<CGSensorData> withJolt = Drive(10000, {{3050, 80, 0, 0}});
  struct Case {
    const char* name;
    std::vector<CGSensorData> samples;
    std::int64_t durationMs;
    std::vector<std::int64_t> marks;
  };
  std::vector<CGSensorData> afterTheEnd = withJolt;
  afterTheEnd.push_back({120, 0, 64, 10001});
  std::vector<CGSensorData> negativeTime = withJolt;
  negativeTime.push_back({-120, 0, 64, -5});  // an unsigned time far past any duration
  const Case cases[] = {
      {"no samples", {}, 10000, {}},
      {"duration 0", withJolt, 0, {}},
      {"negative duration", withJolt, -1, {}},
      {"a jolt at the very end counts", Drive(10050, {{10050, 80, 0, 0}}), 10050, {10050}},
      {"a jolt after the end is left out", afterTheEnd, 10000, {3050}},
      {"a negative time is left out", negativeTime, 10000, {3050}},
      {"one sample is its own rest", {{100, 0, 64, 500}}, 1000, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(EventMarkTimes(c.samples, c.durationMs), c.marks) << c.name;
}

TEST(EventMarksTest, SamplesOutOfTimeOrderMarkTheStrongestJoltsTime) {
  std::vector<CGSensorData> samples = Drive(10000, {{4050, 40, 0, 0}, {4250, 90, 0, 0}});
  std::reverse(samples.begin(), samples.end());
  EXPECT_EQ(EventMarkTimes(samples, 10000), std::vector<std::int64_t>{4250});
}

}  // namespace
}  // namespace motrevix
