// The exports of a container built by hand: the GPS values in other tools'
// units, the GPX rules for what becomes a track point, CSV and JSON shapes.
#include "telemetry/telemetry_export.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <limits>
#include <sstream>

#include "telemetry/gps_fix.h"
#include "telemetry/number_text.h"
#include "tests/support/test_support.h"
#include "tests/telemetry/export_oracle.h"

namespace motrevix {
namespace {

CGPSData Fix(double latitude, double longitude, int timeMs, int valid = 1) {
  CGPSData g;
  g.m_bValid = valid;
  g.m_dLatitude = latitude;
  g.m_dLongitude = longitude;
  g.m_nYear = 24;
  g.m_nMonth = 5;
  g.m_nDay = 16;
  g.m_nHour = 32;  // 23 UTC with the +9 display shift
  g.m_nMinute = 31;
  g.m_nSecond = timeMs / 1000;
  g.m_dSpeed = 36.0;
  g.m_dCourse = 90.0;
  g.m_nTimeMs = timeMs;
  return g;
}

TEST(GpsFixTest, DegreesMinutesBecomeDecimalDegrees) {
  const struct {
    double in;
    std::optional<double> out;
  } cases[] = {
      {3733.12, 37.552},   {-3733.12, -37.552},    {12658.56, 126.976}, {0.0, 0.0},
      {59.99, 59.99 / 60}, {4560.0, std::nullopt}, {NAN, std::nullopt}, {INFINITY, std::nullopt},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.in);
    const auto degrees = DegreesFromDegreesMinutes(test.in);
    ASSERT_EQ(degrees.has_value(), test.out.has_value());
    if (degrees) {
      EXPECT_NEAR(*degrees, *test.out, 1e-12);
    }
  }
}

TEST(GpsFixTest, UtcTimeIsTheRecordsOwnWithoutTheDisplayShift) {
  const struct {
    int year, month, day, hour;
    const char* utc;  // nullptr: no valid time
  } cases[] = {
      {24, 5, 16, 32, "2024-05-16T23:31:05Z"},
      {99, 12, 31, 9, "1999-12-31T00:31:05Z"},
      {69, 1, 1, 9, "2069-01-01T00:31:05Z"},
      {70, 1, 1, 9, "1970-01-01T00:31:05Z"},
      {24, 2, 29, 10, "2024-02-29T01:31:05Z"},
      {23, 2, 29, 10, nullptr},  // no 29 February in 2023
      {24, 4, 31, 10, nullptr},
      {24, 13, 1, 10, nullptr},
      {24, 0, 1, 10, nullptr},
      {24, 5, 0, 10, nullptr},
      {24, 5, 16, 33, nullptr},  // hour 24
      {24, 5, 16, 8, nullptr},   // hour -1
      {0, 0, 0, 9, nullptr},     // a record without a date
      {100, 5, 16, 10, nullptr},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(testing::Message()
                 << test.year << "-" << test.month << "-" << test.day << " " << test.hour);
    CGPSData g = Fix(0, 0, 5000);
    g.m_nYear = test.year;
    g.m_nMonth = test.month;
    g.m_nDay = test.day;
    g.m_nHour = test.hour;
    const auto time = FixUtcTime(g);
    ASSERT_EQ(time.has_value(), test.utc != nullptr);
    if (time) {
      EXPECT_EQ(IsoUtcText(*time), test.utc);
    }
  }
}

TEST(GpsFixTest, PositionsAreOnlyThoseOfValidFixesOnTheGlobe) {
  const struct {
    double latitude, longitude;
    int valid;
    std::optional<std::pair<double, double>> position;
  } cases[] = {
      {3733.12, 12658.56, 1, std::pair{37.552, 126.976}},
      {3733.12, 12658.56, 0, std::nullopt},
      {9000.0, -18000.0, 1, std::pair{90.0, -180.0}},
      {-9000.0, 18000.0, 1, std::pair{-90.0, -180.0}},  // 180 E is written as 180 W
      {9000.01, 0, 1, std::nullopt},
      {0, 18000.01, 1, std::nullopt},
      {0, 17960.0, 1, std::nullopt},  // 60 minutes
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(testing::Message() << test.latitude << " " << test.longitude);
    const auto position = FixPosition(Fix(test.latitude, test.longitude, 0, test.valid));
    ASSERT_EQ(position.has_value(), test.position.has_value());
    if (position) {
      EXPECT_NEAR(position->latitude, test.position->first, 1e-9);
      EXPECT_NEAR(position->longitude, test.position->second, 1e-9);
    }
  }
}

TEST(NumberTextTest, XmlTextIsEscapedAndKeptWellFormed) {
  EXPECT_EQ(XmlEscaped("N_1 & <2> \"x\" 'y'"), "N_1 &amp; &lt;2&gt; &quot;x&quot; &apos;y&apos;");
  EXPECT_EQ(XmlEscaped("S\xC3\xB6ul \xE2\x82\xAC"), "S\xC3\xB6ul \xE2\x82\xAC");  // UTF-8 kept
  EXPECT_EQ(XmlEscaped("a\x01"
                       "b\x7F\tc"),
            "a?b\x7F\tc");
  EXPECT_EQ(XmlEscaped("bad\xFF\xC3(x\xED\xA0\x80"),
            "bad??"
            "(x???");                            // not UTF-8
  EXPECT_EQ(XmlEscaped("\xEF\xBF\xBF"), "???");  // U+FFFF is no character
}

TEST(NumberTextTest, NumbersAreShortestOrFixedAndRoundTrip) {
  EXPECT_EQ(ShortestText(3733.1234), "3733.1234");
  EXPECT_EQ(ShortestText(-0.0), "-0");
  EXPECT_EQ(ShortestSingleText(static_cast<float>(10.0 * 1.852)), "18.52");
  EXPECT_EQ(FixedText(37.552, 8), "37.55200000");
  EXPECT_EQ(FixedText(1e300, 4).size(), 301u + 5u);  // every digit, not cut
  EXPECT_EQ(ShortestText(std::numeric_limits<double>::infinity()), "inf");
}

class GpxExportTest : public ::testing::Test {
 protected:
  QJsonObject Export(const CTextData& data, const std::string& name) {
    std::ostringstream out;
    WriteTelemetryGpx(data, name, out);
    const auto file = test::ScratchDir() / "track.gpx";
    test::WriteTextFile(file, out.str());
    return test::ReadWithPython("gpx", file);
  }
};

TEST_F(GpxExportTest, OnlyValidFixesOnTheGlobeBecomePointsAndGapsSplitSegments) {
  CTextData data;
  data.m_aGPS = {
      Fix(3733.12, 12658.56, 0),
      Fix(3733.13, -12658.57, 1000),
      Fix(0, 0, 2000, /*valid=*/0),  // lost fix: ends the segment
      Fix(-3733.14, 12658.58, 3000),
      Fix(9100.0, 12658.58, 4000),  // 91 degrees north: not on the globe
      Fix(3760.0, 12658.58, 5000),  // 60 minutes: not a position
      Fix(3733.15, 18100.0, 6000),  // 181 degrees east
      Fix(3733.16, 12658.59, 7000),
  };
  data.m_aGSensor.resize(3);
  const QJsonObject gpx = Export(data, "N_2024 & <night>\xFF.AVI");
  EXPECT_EQ(gpx["version"].toString(), "1.1");
  EXPECT_EQ(gpx["tracks"].toInt(), 1);
  EXPECT_EQ(gpx["name"].toString(), "N_2024 & <night>?.AVI");
  const QJsonArray segments = gpx["segments"].toArray();
  ASSERT_EQ(segments.size(), 3);
  ASSERT_EQ(segments[0].toArray().size(), 2);
  ASSERT_EQ(segments[1].toArray().size(), 1);
  ASSERT_EQ(segments[2].toArray().size(), 1);
  const QJsonObject first = segments[0].toArray()[0].toObject();
  EXPECT_NEAR(first["lat"].toDouble(), 37.552, 1e-8);
  EXPECT_NEAR(first["lon"].toDouble(), 126.976, 1e-8);
  EXPECT_EQ(first["time"].toString(), "2024-05-16T23:31:00Z");
  EXPECT_DOUBLE_EQ(first["speed"].toDouble(), 10.0);  // 36 km/h in m/s
  EXPECT_DOUBLE_EQ(first["course"].toDouble(), 90.0);
  EXPECT_NEAR(segments[0].toArray()[1].toObject()["lon"].toDouble(), -(126 + 58.57 / 60), 1e-8);
  EXPECT_NEAR(segments[1].toArray()[0].toObject()["lat"].toDouble(), -(37 + 33.14 / 60), 1e-8);
  EXPECT_EQ(segments[2].toArray()[0].toObject()["time"].toString(), "2024-05-16T23:31:07Z");
}

TEST_F(GpxExportTest, PointsKeepOnlyWhatIsValidOfTimeSpeedAndCourse) {
  CTextData data;
  CGPSData noDate = Fix(3733.12, 12658.56, 0);
  noDate.m_nMonth = 13;
  noDate.m_dCourse = 360.0;
  CGPSData negative = Fix(3733.12, 12658.56, 1000);
  negative.m_dCourse = -90.0;
  negative.m_dSpeed = -5.0;
  CGPSData notANumber = Fix(3733.12, 12658.56, 2000);
  notANumber.m_dCourse = NAN;
  notANumber.m_dSpeed = INFINITY;
  data.m_aGPS = {noDate, negative, notANumber};
  const QJsonArray points = Export(data, "x")["segments"].toArray()[0].toArray();
  ASSERT_EQ(points.size(), 3);
  EXPECT_FALSE(points[0].toObject().contains("time"));
  EXPECT_DOUBLE_EQ(points[0].toObject()["course"].toDouble(), 0.0);
  EXPECT_DOUBLE_EQ(points[1].toObject()["course"].toDouble(), 270.0);
  EXPECT_FALSE(points[1].toObject().contains("speed"));
  EXPECT_FALSE(points[2].toObject().contains("speed"));
  EXPECT_FALSE(points[2].toObject().contains("course"));
  EXPECT_EQ(points[2].toObject()["time"].toString(), "2024-05-16T23:31:02Z");
}

TEST_F(GpxExportTest, NoValidFixGivesAnEmptyTrack) {
  CTextData data;
  data.m_aGPS = {Fix(0, 0, 0, 0)};
  const QJsonObject gpx = Export(data, "empty.MP4");
  EXPECT_EQ(gpx["tracks"].toInt(), 1);
  EXPECT_TRUE(gpx["segments"].toArray().isEmpty());
}

TEST(CsvJsonExportTest, RecordsMergeByUnsignedTimeAndKeepEveryField) {
  CTextData data;
  CGPSData late = Fix(3733.12, 12658.56, -2);  // 4294967294 as unsigned: the last record
  late.m_dSpeed = static_cast<float>(10 * 1.852);
  data.m_aGPS = {Fix(3733.12, 12658.56, 100), late};
  data.m_aGSensor = {{1, -2, 3, 50}, {4, 5, 6, 100}, {-127, 128, 0, 150}};
  const auto order = RecordsInTimeOrder(data);
  ASSERT_EQ(order.size(), 5u);
  const std::vector<std::pair<TelemetryRecordRef::Kind, std::size_t>> expected = {
      {TelemetryRecordRef::Kind::kGSensor, 0},
      {TelemetryRecordRef::Kind::kGps, 0},
      {TelemetryRecordRef::Kind::kGSensor, 1},
      {TelemetryRecordRef::Kind::kGSensor, 2},
      {TelemetryRecordRef::Kind::kGps, 1}};
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(order[i].kind, expected[i].first) << i;
    EXPECT_EQ(order[i].index, expected[i].second) << i;
  }

  std::ostringstream csvText;
  WriteTelemetryCsv(data, csvText);
  const auto file = test::ScratchDir() / "t.csv";
  test::WriteTextFile(file, csvText.str());
  const QJsonObject csv = test::ReadWithPython("csv", file);
  EXPECT_TRUE(csv["crlf"].toBool());
  const QJsonArray header = csv["header"].toArray();
  const QJsonArray rows = csv["rows"].toArray();
  ASSERT_EQ(rows.size(), 5);
  for (const auto& row : rows) EXPECT_EQ(row.toArray().size(), header.size());
  auto cell = [&](int row, const char* column) {
    for (int c = 0; c < header.size(); ++c)
      if (header[c].toString() == column) return rows[row].toArray()[c].toString();
    ADD_FAILURE() << "no column " << column;
    return QString();
  };
  EXPECT_EQ(cell(0, "kind"), "M");
  EXPECT_EQ(cell(0, "y"), "-2");
  EXPECT_EQ(cell(0, "valid"), "");
  EXPECT_EQ(cell(1, "kind"), "G");
  EXPECT_EQ(cell(1, "latitude_ddmm"), "3733.12");
  EXPECT_EQ(cell(1, "latitude_deg"), "37.55200000");
  EXPECT_EQ(cell(1, "hour"), "32");
  EXPECT_EQ(cell(1, "utc_time"), "2024-05-16T23:31:00Z");
  EXPECT_EQ(cell(1, "x"), "");
  EXPECT_EQ(cell(4, "time_ms"), "4294967294");
  EXPECT_EQ(cell(4, "speed_kmh"), "18.52");

  std::ostringstream jsonText;
  data.m_aGPS[0].m_dLatitude = NAN;  // JSON has no NaN: null
  WriteTelemetryJson(data, jsonText);
  QJsonParseError error;
  const QJsonDocument json =
      QJsonDocument::fromJson(QByteArray::fromStdString(jsonText.str()), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_EQ(json["gps_count"].toInt(), 2);
  EXPECT_EQ(json["gsensor_count"].toInt(), 3);
  EXPECT_TRUE(json["gps"][0]["latitude_ddmm"].isNull());
  EXPECT_TRUE(json["gps"][0]["latitude_deg"].isNull());
  EXPECT_EQ(json["gps"][1]["speed_kmh"].toDouble(), 18.52);
  EXPECT_EQ(json["gsensor"][2]["x"].toInt(), -127);
  EXPECT_EQ(json["gsensor"][2]["time_ms"].toInt(), 150);
  EXPECT_EQ(json["gps"][1]["time_ms"].toDouble(), 4294967294.0);
}

// Chunks out of time order (stamps 2000, 500, 1000, 100, and one past 2^31) come out
// sorted in the table, the CSV and the order, with one reading of each stamp.
TEST(CsvJsonExportTest, RecordsThatArriveOutOfOrderComeOutInTimeOrder) {
  CTextData data;
  data.m_aGPS = {Fix(3733.12, 12658.56, 2000), Fix(3733.12, 12658.56, 500)};
  data.m_aGSensor = {{1, 1, 1, static_cast<std::int32_t>(2147483648u)},
                     {2, 2, 2, 1000},
                     {3, 3, 3, 100},
                     {4, 4, 4, 500}};
  std::vector<std::uint32_t> stamps;
  for (const auto& record : RecordsInTimeOrder(data)) stamps.push_back(record.timeMs);
  EXPECT_EQ(stamps, (std::vector<std::uint32_t>{100, 500, 500, 1000, 2000, 2147483648u}));
  EXPECT_EQ(RecordsInTimeOrder(data)[1].kind, TelemetryRecordRef::Kind::kGps);

  std::ostringstream csv;
  WriteTelemetryCsv(data, csv);
  std::vector<std::string> csvStamps;
  std::istringstream lines(csv.str());
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) csvStamps.push_back(line.substr(2, line.find(',', 2) - 2));
  EXPECT_EQ(csvStamps,
            (std::vector<std::string>{"100", "500", "500", "1000", "2000", "2147483648"}));

  std::ostringstream table;
  WriteTelemetryTable(data, table);
  EXPECT_NE(table.str().find("2147483648"), std::string::npos) << table.str();
  EXPECT_LT(table.str().find("  100  "), table.str().find("  2000  ")) << table.str();

  std::ostringstream json;
  WriteTelemetryJson(data, json);
  EXPECT_NE(json.str().find("\"time_ms\":2147483648"), std::string::npos);
  EXPECT_EQ(json.str().find("\"time_ms\":-"), std::string::npos);
}

}  // namespace
}  // namespace motrevix
