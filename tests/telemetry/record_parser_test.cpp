// Decoding of single 'M' and 'G' records.
#include "telemetry/record_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace motrevix {
namespace {

using namespace std::string_literals;

// m_tTime is local time: the expected values below are for UTC.
class RecordParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* zone = std::getenv("TZ");
    savedZone_ = zone ? std::optional<std::string>(zone) : std::nullopt;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (savedZone_)
      setenv("TZ", savedZone_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> savedZone_;
};

void ExpectSameFix(const CGPSData& actual, const CGPSData& expected) {
  EXPECT_EQ(actual.m_nYear, expected.m_nYear);
  EXPECT_EQ(actual.m_nMonth, expected.m_nMonth);
  EXPECT_EQ(actual.m_nDay, expected.m_nDay);
  EXPECT_EQ(actual.m_nHour, expected.m_nHour);
  EXPECT_EQ(actual.m_nMinute, expected.m_nMinute);
  EXPECT_EQ(actual.m_nSecond, expected.m_nSecond);
  EXPECT_EQ(actual.m_bValid, expected.m_bValid);
  EXPECT_EQ(actual.m_dLatitude, expected.m_dLatitude);
  EXPECT_EQ(actual.m_dLongitude, expected.m_dLongitude);
  EXPECT_EQ(actual.m_dSpeed, expected.m_dSpeed);
  EXPECT_EQ(actual.m_dCourse, expected.m_dCourse);
  EXPECT_EQ(actual.m_tTime, expected.m_tTime);
  EXPECT_EQ(actual.m_nTimeMs, expected.m_nTimeMs);
}

CGPSData Fix(int year, int month, int day, int hour, int minute, int second, int valid,
             double latitude, double longitude, double speed, double course, std::int64_t time) {
  CGPSData fix;
  fix.m_nYear = year;
  fix.m_nMonth = month;
  fix.m_nDay = day;
  fix.m_nHour = hour;
  fix.m_nMinute = minute;
  fix.m_nSecond = second;
  fix.m_bValid = valid;
  fix.m_dLatitude = latitude;
  fix.m_dLongitude = longitude;
  fix.m_dSpeed = speed;
  fix.m_dCourse = course;
  fix.m_tTime = time;
  return fix;
}

struct GpsCase {
  const char* name;
  std::string record;
  CGPSData expected;
};

const float kSpeed10Knots = 18.52f;  // 10 knots in km/h, single precision

const std::vector<GpsCase>& GpsCases() {
  static const std::vector<GpsCase> cases = {
      {"full fix, hour 23+9 rolls into the next day and year",
       "G,235959,A,3733.1234,N,12658.5678,E,10.0,90.0,311299",
       Fix(99, 12, 31, 32, 59, 59, 1, 3733.1234, 12658.5678, kSpeed10Knots, 90.0, 946717199)},
      {"south and west are negative", "G,235959,A,3733.1234,S,12658.5678,W,10.0,90.0,311299",
       Fix(99, 12, 31, 32, 59, 59, 1, -3733.1234, -12658.5678, kSpeed10Knots, 90.0, 946717199)},
      {"no fix: empty fields read 0, empty hemispheres negate 0", "G,120000,V,,,,,0.0,0.0,010112",
       Fix(12, 1, 1, 21, 0, 0, 0, -0.0, -0.0, 0, 0, 1325451600)},
      {"stops at the first missing field", "G,120000,A", Fix(0, 0, 0, 21, 0, 0, 1, 0, 0, 0, 0, 0)},
      {"only the letter", "G", Fix(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)},
      {"a trailing comma ends the field before it, nothing follows", "G,120000,A,",
       Fix(0, 0, 0, 21, 0, 0, 1, 0, 0, 0, 0, 0)},
      {"an empty hemisphere between commas negates", "G,120000,A,3733.5,,",
       Fix(0, 0, 0, 21, 0, 0, 1, -3733.5, 0, 0, 0, 0)},
      {"record ends after the course: no date, no time",
       "G,083105.000,A,3733.1200,N,12658.5600,E,10.0,45.5",
       Fix(0, 0, 0, 17, 31, 5, 1, 3733.12, 12658.56, kSpeed10Knots, 45.5, 0)},
      {"fraction of seconds ignored, hour 18+9 on 28 Feb of a leap year",
       "G,180000.999,A,0100.0,N,00200.0,E,0,0,280224",
       Fix(24, 2, 28, 27, 0, 0, 1, 100.0, 200.0, 0, 0, 1709175600)},
      {"year 70 is 1970", "G,000000,V,,,,,,,010170",
       Fix(70, 1, 1, 9, 0, 0, 0, -0.0, -0.0, 0, 0, 32400)},
      {"year 69 is 2069", "G,000000,V,,,,,,,010169",
       Fix(69, 1, 1, 9, 0, 0, 0, -0.0, -0.0, 0, 0, 3124256400)},
      {"two-character numbers with blanks and signs, minutes normalised",
       "G, 5-3+2,A,1,N,2,E,0,0,150624", Fix(24, 6, 15, 14, -3, 2, 1, 1, 2, 0, 0, 1718459822)},
      {"a short time field is not read past its end", "G,12,A,1.5,N,2.5,E,0,0,160524",
       Fix(24, 5, 16, 21, 0, 0, 1, 1.5, 2.5, 0, 0, 1715893200)},
      {"decimal fields read like strtod", "G,010203,A,  +12.5e1x,N,0x1p4,E,abc,359.99,010100",
       Fix(0, 1, 1, 10, 2, 3, 1, 125.0, 16.0, 0, 359.99f, 946720923)},
      {"only a leading A or N or E counts", "G,000000,a,1.0,n,2.0,e,1.0,2.0,010100",
       Fix(0, 1, 1, 9, 0, 0, 0, -1.0, -2.0, 1.852f, 2.0f, 946717200)},
      {"status, hemisphere and direction letters may be followed by more",
       "G,000000,Avalid,1.0,North,2.0,East,0,0,010100",
       Fix(0, 1, 1, 9, 0, 0, 1, 1.0, 2.0, 0, 0, 946717200)},
      {"fields after the date are ignored", "G,000000,A,1,N,2,E,3,4,010100,5.1,W,A*7C",
       Fix(0, 1, 1, 9, 0, 0, 1, 1, 2, static_cast<float>(3 * 1.852), 4, 946717200)},
      {"the text ends at the first zero byte", "G,120000,A\0,3733.1,N"s,
       Fix(0, 0, 0, 21, 0, 0, 1, 0, 0, 0, 0, 0)},
  };
  return cases;
}

TEST_F(RecordParserTest, GpsRecordsDecodeFieldByField) {
  for (const GpsCase& test : GpsCases()) {
    SCOPED_TRACE(test.name);
    CTextData data;
    ParseRecord(1234, test.record, data);
    ASSERT_EQ(data.m_aGPS.size(), 1u);
    EXPECT_TRUE(data.m_aGSensor.empty());
    CGPSData expected = test.expected;
    expected.m_nTimeMs = 1234;
    ExpectSameFix(data.m_aGPS[0], expected);
  }
}

TEST_F(RecordParserTest, SpeedIsKnotsTimesFactorInSinglePrecision) {
  CTextData data;
  ParseRecord(0, "G,000000,A,1,N,2,E,12.34,123.456,010100", data);
  ASSERT_EQ(data.m_aGPS.size(), 1u);
  EXPECT_EQ(data.m_aGPS[0].m_dSpeed, static_cast<double>(static_cast<float>(12.34 * 1.852)));
  EXPECT_NE(data.m_aGPS[0].m_dSpeed, 12.34 * 1.852);  // really rounded
  EXPECT_EQ(data.m_aGPS[0].m_dCourse, static_cast<double>(123.456f));
}

TEST_F(RecordParserTest, LocalTimeFollowsTheProcessZone) {
  setenv("TZ", "KST-9", 1);  // the camera's zone, UTC+9 without daylight saving
  tzset();
  CTextData data;
  ParseRecord(0, "G,235959,A,3733.1234,N,12658.5678,E,10.0,90.0,311299", data);
  ASSERT_EQ(data.m_aGPS.size(), 1u);
  EXPECT_EQ(data.m_aGPS[0].m_tTime, 946717199 - 9 * 3600);
}

TEST_F(RecordParserTest, GSensorBytesDecodeAs128MinusRaw) {
  struct Case {
    std::string record;
    int x, y, z;
  };
  const std::vector<Case> cases = {
      {"M\x80\x80\x80"s, 0, 0, 0},
      {"M\x00\xFF\x7F"s, 128, -127, 1},
      {"M\x01\xFE\x81tail"s, 127, -126, -1},  // bytes from 4 on are ignored
      {"M"s, 128, 128, 128},                  // missing bytes read as zero
  };
  CTextData data;
  for (std::size_t i = 0; i < cases.size(); ++i) ParseRecord(100 * i, cases[i].record, data);
  ASSERT_EQ(data.m_aGSensor.size(), cases.size());
  EXPECT_TRUE(data.m_aGPS.empty());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(data.m_aGSensor[i].m_nX, cases[i].x);
    EXPECT_EQ(data.m_aGSensor[i].m_nY, cases[i].y);
    EXPECT_EQ(data.m_aGSensor[i].m_nZ, cases[i].z);
    EXPECT_EQ(data.m_aGSensor[i].m_nTimeMs, static_cast<int>(100 * i));
  }
}

TEST_F(RecordParserTest, OtherRecordsAreIgnored) {
  CTextData data;
  for (const std::string& record :
       {"X,1,2"s, ""s, "g,120000,A"s, "m\x80\x80\x80"s, ",G,120000"s, "\0G,120000"s})
    ParseRecord(5, record, data);
  EXPECT_TRUE(data.m_aGPS.empty());
  EXPECT_TRUE(data.m_aGSensor.empty());
}

TEST_F(RecordParserTest, RecordsAppendInArrivalOrderWithTheirTimeStamps) {
  CTextData data;
  ParseRecord(0, "G,000000,A", data);
  ParseRecord(50, "M\x80\x80\x80"s, data);
  ParseRecord(-1, "G,000001,V", data);  // stored as given; readers compare unsigned
  ASSERT_EQ(data.m_aGPS.size(), 2u);
  ASSERT_EQ(data.m_aGSensor.size(), 1u);
  EXPECT_EQ(data.m_aGPS[0].m_nSecond, 0);
  EXPECT_EQ(data.m_aGPS[1].m_nSecond, 1);
  EXPECT_EQ(data.m_aGPS[1].m_nTimeMs, -1);
  EXPECT_EQ(data.m_aGSensor[0].m_nTimeMs, 50);
}

TEST_F(RecordParserTest, TextWithoutEndInTheCopyLosesOnlyItsCutField) {
  const std::string fix = "G,000000,A,1,N,2,E,3,4,010100,";
  CTextData data;
  // Fields 0-9 complete, the cut falls into ignored fields: the whole fix is read.
  ParseRecord(0, fix + std::string(2000, '7'), data);
  // The cut falls into the date: decoding stops there.
  const std::string head = "G,000000,A,1,N,2,E,3,4,";
  ParseRecord(1, head + std::string(kRecordCopyBytes - head.size(), '1') + "0100", data);
  // Exactly 1024 bytes without an end are taken as cut too.
  ParseRecord(2, head + std::string(kRecordCopyBytes - head.size(), '1'), data);
  // 1023 bytes: the end of the text is the end of the record.
  ParseRecord(3, fix + std::string(kRecordCopyBytes - 1 - fix.size(), '5'), data);
  ASSERT_EQ(data.m_aGPS.size(), 4u);
  EXPECT_EQ(data.m_aGPS[0].m_tTime, 946717200);
  EXPECT_EQ(data.m_aGPS[0].m_dCourse, 4.0);
  for (int i : {1, 2}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(data.m_aGPS[i].m_dCourse, 4.0);
    EXPECT_EQ(data.m_aGPS[i].m_nDay, 0);
    EXPECT_EQ(data.m_aGPS[i].m_nYear, 0);
    EXPECT_EQ(data.m_aGPS[i].m_tTime, 0);
  }
  EXPECT_EQ(data.m_aGPS[3].m_tTime, 946717200);
}

}  // namespace
}  // namespace motrevix
