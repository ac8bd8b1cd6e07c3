// The lookup at the play position: degrees, the speed rules and the read-out's
// cells, the miss count, and the map's command text.
#include "telemetry/position_lookup.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "telemetry/number_text.h"
#include "telemetry/speed_digits.h"
#include "telemetry/telemetry_globals.h"

namespace motrevix {
namespace {

constexpr int B = kBlankDigitCell;

CGPSData Sample(std::int32_t timeMs, double speedKmh, double latitude = 3730.7407,
                double longitude = 12700.7407, int valid = 1) {
  CGPSData sample;
  sample.m_nTimeMs = timeMs;
  sample.m_bValid = valid;
  sample.m_dLatitude = latitude;
  sample.m_dLongitude = longitude;
  sample.m_dSpeed = speedKmh;
  return sample;
}

class LookupTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetTelemetryGlobals(); }
  void TearDown() override { ResetTelemetryGlobals(); }
};

TEST(DecimalDegreesTest, HundredthsAreMinutesAndTheSignCarries) {
  struct Case {
    double stored;
    const char* degrees;
  };
  const Case cases[] = {
      {3733.1234, "37.552057"},   {-3733.1234, "-37.552057"}, {3730.7407, "37.512345"},
      {12700.7407, "127.012345"}, {-3730.7407, "-37.512345"}, {0.0, "0.000000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FixedText(DecimalDegrees(c.stored), 6), c.degrees) << c.stored;
}

TEST_F(LookupTest, SpeedRulesGiveTheReadOutsCells) {
  struct Case {
    const char* name;
    double storedKmh;
    bool miles;
    SpeedCells cells;
  };
  const float kSingle1852 = 18.52f;  // the parser keeps speeds in single precision
  const Case cases[] = {
      {"4.9 km/h stands still", 4.9, false, {B, B, 0}},
      {"4.9 km/h stands still in mph too", 4.9, true, {B, B, 0}},
      {"exactly 5 km/h moves", 5.0, false, {B, B, 5}},
      {"18.52 km/h", kSingle1852, false, {B, 1, 8}},
      {"18.52 km/h is 11.50 mph", kSingle1852, true, {B, 1, 1}},
      {"105", 105.0, false, {1, 0, 5}},
      {"100", 100.0, false, {1, 0, 0}},
      {"7", 7.0, false, {B, B, 7}},
      {"1500 shows the largest three digits", 1500.0, false, {9, 9, 9}},
      {"infinite speed is no speed", std::numeric_limits<double>::infinity(), false, {B, B, 0}},
      {"NaN is no speed", std::numeric_limits<double>::quiet_NaN(), false, {B, B, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetTelemetryGlobals();
    const std::vector<CGPSData> gps{Sample(1000, c.storedKmh)};
    EXPECT_TRUE(LookupTelemetry(gps, 500, c.miles).has_value());
    EXPECT_EQ(g_bSpeedValid, 1);
    EXPECT_EQ(SpeedDigitCells(g_bSpeedValid != 0, g_dSpeed), c.cells);
  }
}

TEST_F(LookupTest, MilesAreRoundedToSinglePrecision) {
  const std::vector<CGPSData> gps{Sample(0, 18.52f)};
  LookupTelemetry(gps, 0, true);
  EXPECT_EQ(g_dSpeed, static_cast<double>(static_cast<float>(double{18.52f} * 0.621)));
  LookupTelemetry(gps, 0, false);
  EXPECT_EQ(g_dSpeed, double{18.52f});
}

TEST_F(LookupTest, ASampleExactlyAtThePositionIsUsedAndTimesCompareUnsigned) {
  const std::vector<CGPSData> gps{Sample(1000, 50.0), Sample(2000, 60.0)};
  ASSERT_TRUE(LookupTelemetry(gps, 1000, false));
  EXPECT_EQ(g_dSpeed, 50.0);
  ASSERT_TRUE(LookupTelemetry(gps, 1001, false));
  EXPECT_EQ(g_dSpeed, 60.0);

  // A negative stamp reads as a time near 49.7 days: after any position.
  const std::vector<CGPSData> wrapped{Sample(-1, 70.0)};
  ASSERT_TRUE(LookupTelemetry(wrapped, 4'000'000'000u, false));
  EXPECT_EQ(g_dSpeed, 70.0);
}

TEST_F(LookupTest, PastTheLastSampleTheReadOutKeepsItsSpeedFor30LookupsThenBlanks) {
  const std::vector<CGPSData> gps{Sample(0, 42.0), Sample(1000, 57.0)};
  ASSERT_TRUE(LookupTelemetry(gps, 900, false));
  for (int miss = 1; miss <= 30; ++miss) {
    EXPECT_FALSE(LookupTelemetry(gps, 1100 + miss * 100, false)) << miss;
    EXPECT_EQ(g_nGpsMissCount, miss);
    ASSERT_EQ(g_bSpeedValid, 1) << miss;
    EXPECT_EQ(SpeedDigitCells(true, g_dSpeed), (SpeedCells{B, 5, 7}));
  }
  EXPECT_FALSE(LookupTelemetry(gps, 5000, false));
  EXPECT_EQ(g_bSpeedValid, 0);
  EXPECT_EQ(SpeedDigitCells(g_bSpeedValid != 0, g_dSpeed), kBlankSpeedCells);
  // Seeking back finds a sample again: the read-out comes back, the count restarts.
  EXPECT_TRUE(LookupTelemetry(gps, 0, false));
  EXPECT_EQ(g_bSpeedValid, 1);
  EXPECT_EQ(g_nGpsMissCount, 0);
}

TEST_F(LookupTest, ARecordingWithoutGpsBlanksAtTheFirstLookup) {
  g_bSpeedValid = 1;
  g_dSpeed = 80;
  g_dLatitude = 37.5;
  EXPECT_FALSE(LookupTelemetry({}, 100, false));
  EXPECT_EQ(g_bSpeedValid, 0);
  EXPECT_EQ(g_dSpeed, 0);
  EXPECT_EQ(g_nGpsMissCount, 1);
  EXPECT_EQ(g_dLatitude, 37.5);  // the position keeps its last value
}

TEST_F(LookupTest, AnInvalidFixKeepsTheLastValuesAndMakesNoMapCall) {
  const std::vector<CGPSData> gps{Sample(0, 30.0), Sample(1000, 90.0, 100.0, 200.0, 0)};
  ASSERT_TRUE(LookupTelemetry(gps, 0, false));
  g_nGpsMissCount = 5;
  EXPECT_FALSE(LookupTelemetry(gps, 500, false));
  EXPECT_EQ(g_dSpeed, 30.0);
  EXPECT_EQ(FixedText(g_dLatitude, 6), "37.512345");
  EXPECT_EQ(FixedText(g_dLongitude, 6), "127.012345");
  EXPECT_EQ(g_nGpsMissCount, 0);
}

TEST_F(LookupTest, APositionThatIsNotFiniteMakesNoMapCallButTheSpeedFollows) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<CGPSData> gps{Sample(0, 30.0), Sample(1000, 66.0, inf, 12700.0),
                                  Sample(2000, 77.0, 3700.0, std::nan(""))};
  ASSERT_TRUE(LookupTelemetry(gps, 0, false));
  for (std::uint32_t p : {500u, 1500u}) {
    EXPECT_FALSE(LookupTelemetry(gps, p, false)) << p;
    EXPECT_TRUE(std::isfinite(g_dLatitude) && std::isfinite(g_dLongitude));
    EXPECT_EQ(FixedText(g_dLatitude, 6), "37.512345");
  }
  EXPECT_EQ(g_dSpeed, 77.0);
}

TEST_F(LookupTest, TheMapCommandIsTheSameUnderADecimalCommaLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  char printed[32];
  std::snprintf(printed, sizeof printed, "%lf", 37.5);
  const std::string printedText = printed;

  const std::vector<CGPSData> gps{Sample(0, 30.0, 3730.7407, 12700.7407),
                                  Sample(1000, 30.0, -3730.7407, -12700.7407)};
  const auto north = LookupTelemetry(gps, 0, false);
  const auto south = LookupTelemetry(gps, 1000, false);
  std::setlocale(LC_ALL, saved.c_str());

  EXPECT_EQ(printedText, "37,500000");  // the locale is really in force
  ASSERT_TRUE(north && south);
  EXPECT_EQ(DrawCurrentCommand(*north), "javascript:DrawCurrent('37.512345', '127.012345')");
  EXPECT_EQ(DrawCurrentCommand(*south), "javascript:DrawCurrent('-37.512345', '-127.012345')");
}

TEST(TrackTest, TheTripHoldsEveryValidFixOnTheGlobeInOrder) {
  const std::vector<CGPSData> gps{
      Sample(0, 0, 3730.7407, 12700.7407),
      Sample(1000, 0, 3731.0, 12701.0, 0),                                // no fix
      Sample(2000, 0, std::numeric_limits<double>::infinity(), 12701.0),  // not finite
      Sample(3000, 0, 9500.0, 12701.0),                                   // beyond a pole
      Sample(4000, 0, -3315.0, -7030.0),
  };
  const std::vector<GeoPosition> track = TrackOfValidFixes(gps);
  ASSERT_EQ(track.size(), 2u);
  EXPECT_EQ(FixedText(track[0].latitude, 6), "37.512345");
  EXPECT_EQ(FixedText(track[0].longitude, 6), "127.012345");
  EXPECT_EQ(FixedText(track[1].latitude, 2), "-33.25");
  EXPECT_EQ(FixedText(track[1].longitude, 2), "-70.50");
}

}  // namespace
}  // namespace motrevix
