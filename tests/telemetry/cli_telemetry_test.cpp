// motrevix-cli telemetry on generated recordings, its output read back by
// Python's XML and CSV parsers and Qt's JSON parser.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <fstream>

#include "tests/support/test_support.h"
#include "tests/telemetry/export_oracle.h"
#include "tests/telemetry/generated_recording.h"

namespace motrevix {
namespace {

constexpr int kSeconds = 6;  // the generator loses the fix for second 2

class CliTelemetryTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    recording_ = test::MakeRecording(dir_, std::string("N_2024_05_17_08_31_05.") + GetParam(),
                                     kSeconds, {"--audio", "none", "--channels", "1"});
  }

  test::ProcessResult Cli(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"telemetry", recording_.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return test::RunTool("motrevix-cli", args);
  }

  std::filesystem::path dir_ = test::ScratchDir();
  std::filesystem::path recording_;
};

TEST_P(CliTelemetryTest, GpxHoldsTheValidFixesWithUtcTimesSpeedAndCourse) {
  const test::ProcessResult run = Cli({"--gpx"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto file = dir_ / "track.gpx";
  test::WriteTextFile(file, run.out);
  const QJsonObject gpx = test::ReadWithPython("gpx", file);
  EXPECT_EQ(gpx["version"].toString(), "1.1");
  EXPECT_EQ(gpx["name"].toString().toStdString(), recording_.filename().string());
  const QJsonArray segments = gpx["segments"].toArray();
  ASSERT_EQ(segments.size(), 2);  // split where the fix was lost
  ASSERT_EQ(segments[0].toArray().size(), 2);
  ASSERT_EQ(segments[1].toArray().size(), kSeconds - 3);
  const char* times[] = {"2024-05-16T23:31:05Z", "2024-05-16T23:31:06Z", "2024-05-16T23:31:08Z"};
  const QJsonObject p0 = segments[0].toArray()[0].toObject();
  const QJsonObject p1 = segments[0].toArray()[1].toObject();
  const QJsonObject p2 = segments[1].toArray()[0].toObject();
  EXPECT_EQ(p0["time"].toString(), times[0]);
  EXPECT_EQ(p1["time"].toString(), times[1]);
  EXPECT_EQ(p2["time"].toString(), times[2]);
  // The route starts at 37.5520 N 126.9760 E, heading east from standstill.
  EXPECT_NEAR(p0["lat"].toDouble(), 37.552, 1e-6);
  EXPECT_NEAR(p0["lon"].toDouble(), 126.976, 1e-6);
  EXPECT_DOUBLE_EQ(p0["speed"].toDouble(), 0.0);
  EXPECT_DOUBLE_EQ(p0["course"].toDouble(), 90.0);
  // 4.9 knots at second 1, in metres per second.
  EXPECT_NEAR(p1["speed"].toDouble(), 4.9 * 1.852 / 3.6, 1e-4);
  EXPECT_GT(p2["lon"].toDouble(), p1["lon"].toDouble());
}

TEST_P(CliTelemetryTest, CsvHasOneRowPerRecordInTimeOrder) {
  const test::ProcessResult run = Cli({"--csv"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto file = dir_ / "records.csv";
  test::WriteTextFile(file, run.out);
  const QJsonObject csv = test::ReadWithPython("csv", file);
  const QJsonArray header = csv["header"].toArray();
  const QJsonArray rows = csv["rows"].toArray();
  ASSERT_EQ(rows.size(), kSeconds * 11);
  long previous = -1;
  int gps = 0;
  for (const auto& value : rows) {
    const QJsonArray row = value.toArray();
    ASSERT_EQ(row.size(), header.size());
    const long time = row[1].toString().toLong();
    EXPECT_GT(time, previous);
    previous = time;
    EXPECT_EQ(row[0].toString(), time % 1000 == 0 ? "G" : "M") << time;
    gps += row[0].toString() == "G";
  }
  EXPECT_EQ(gps, kSeconds);
  EXPECT_EQ(rows[0].toArray()[header.size() - 1].toString(), "2024-05-16T23:31:05Z");
}

TEST_P(CliTelemetryTest, JsonAndTableListTheRecordsWithTheirTimeStamps) {
  const test::ProcessResult json = Cli({"--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
  EXPECT_EQ(root["gps_count"].toInt(), kSeconds);
  EXPECT_EQ(root["gsensor_count"].toInt(), kSeconds * 10);
  const QJsonArray sensor = root["gsensor"].toArray();
  ASSERT_EQ(sensor.size(), kSeconds * 10);
  EXPECT_EQ(sensor[3].toObject()["time_ms"].toInt(), 350);
  EXPECT_EQ(root["gps"].toArray()[2].toObject()["valid"].toInt(), 0);
  EXPECT_EQ(root["gps"].toArray()[1].toObject()["hour"].toInt(), 32);

  const test::ProcessResult table = Cli({});
  ASSERT_EQ(table.exitCode, 0) << table.err;
  EXPECT_NE(table.out.find("6 GPS records, 60 G-sensor records"), std::string::npos);
  EXPECT_NE(table.out.find("00:00:01.000     1000  G  fix     2024-05-16T23:31:06Z"),
            std::string::npos)
      << table.out.substr(0, 600);
  EXPECT_NE(table.out.find("00:00:02.000     2000  G  no fix"), std::string::npos);
  EXPECT_NE(table.out.find("00:00:05.950     5950  M  x"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Containers, CliTelemetryTest, ::testing::Values("AVI", "MP4"));

TEST(CliTelemetryErrorsTest, BadCommandLinesAndFilesAreRefusedClearly) {
  const auto dir = test::ScratchDir();
  const auto text = dir / "notes.MP4";
  std::ofstream(text) << "not a recording";
  // Opening a FIFO would wait for a writer, and /dev/zero never ends.
  const auto fifo = dir / "FIFO.AVI";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const struct {
    std::vector<std::string> args;
    int exitCode;
    const char* message;
  } cases[] = {
      {{"telemetry"}, 2, "no recording given"},
      {{"telemetry", "a.AVI", "--json", "--csv"}, 2, "at most one of"},
      {{"telemetry", "a.AVI", "--kml"}, 2, "unknown option '--kml'"},
      {{"telemetry", "a.AVI", "b.AVI"}, 2, "one recording only"},
      {{"telemetry", (dir / "missing.AVI").string()}, 1, "cannot open"},
      {{"telemetry", text.string(), "--gpx"}, 1, "as a recording"},
      {{"telemetry", fifo.string()}, 1, "cannot open"},
      {{"telemetry", "/dev/zero", "--csv"}, 1, "cannot open"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.args.back());
    const test::ProcessResult run = test::RunTool("motrevix-cli", test.args);
    EXPECT_EQ(run.exitCode, test.exitCode);
    EXPECT_NE(run.err.find(test.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  // After "--" a name that starts with a dash is a file.
  const test::ProcessResult dashed =
      test::RunTool("motrevix-cli", {"telemetry", "--gpx", "--", "--kml"});
  EXPECT_EQ(dashed.exitCode, 1);
  EXPECT_NE(dashed.err.find("cannot open '--kml'"), std::string::npos) << dashed.err;
  const test::ProcessResult help = test::RunTool("motrevix-cli", {"telemetry", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--gpx"), std::string::npos);
}

TEST(CliTelemetryErrorsTest, RecordingWithoutTrackGivesEmptyButValidOutput) {
  const auto dir = test::ScratchDir();
  const auto quiet = test::MakeRecording(dir, "quiet.AVI", 1, {"--telemetry", "off"});
  const test::ProcessResult table = test::RunTool("motrevix-cli", {"telemetry", quiet.string()});
  EXPECT_EQ(table.exitCode, 0);
  EXPECT_NE(table.out.find("no telemetry track"), std::string::npos) << table.out;
  EXPECT_NE(table.out.find("0 GPS records, 0 G-sensor records"), std::string::npos);
  const test::ProcessResult gpx =
      test::RunTool("motrevix-cli", {"telemetry", quiet.string(), "--gpx"});
  ASSERT_EQ(gpx.exitCode, 0);
  test::WriteTextFile(dir / "empty.gpx", gpx.out);
  const QJsonObject read = test::ReadWithPython("gpx", dir / "empty.gpx");
  EXPECT_EQ(read["version"].toString(), "1.1");
  EXPECT_TRUE(read["segments"].toArray().isEmpty());
}

}  // namespace
}  // namespace motrevix
