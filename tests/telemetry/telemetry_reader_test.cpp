// Draining a text-track reader into the container: scripted readers for the
// loop's rules and bounds, and generated recordings through the track file.
#include "telemetry/telemetry_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

#include "playback/text_track/telemetry_track_file.h"
#include "telemetry/event_marks.h"
#include "tests/support/test_support.h"
#include "tests/telemetry/generated_recording.h"

namespace motrevix {
namespace {

using namespace std::string_literals;

struct Answer {
  int result;
  std::int32_t timeMs = 0;
  std::string bytes;
};

// Plays back a list of answers, then answers `after` forever; checks how it is called.
class ScriptedReader : public ITextTrackReader {
 public:
  explicit ScriptedReader(std::deque<Answer> answers, int after = kReadRecordEnd)
      : answers_(std::move(answers)), after_(after) {}

  void SetReadMode(std::uint8_t) override {}

  int ReadRecord(std::uint8_t* buffer, std::int32_t length, std::int32_t* timestampMs) override {
    ++calls;
    EXPECT_EQ(length, 1024);
    EXPECT_EQ(*timestampMs, 0);
    EXPECT_TRUE(std::all_of(buffer, buffer + 1024, [](std::uint8_t b) { return b == 0; }))
        << "buffer not zero-filled at call " << calls;
    if (answers_.empty()) {
      if (after_ == kReadRecordOk) std::memcpy(buffer, "M\x80\x80\x80", 4);
      return after_;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    // A reader may write into the buffer even when it delivers nothing.
    std::memcpy(buffer, answer.bytes.data(), std::min<std::size_t>(answer.bytes.size(), 1024));
    *timestampMs = answer.timeMs;
    return answer.result;
  }

  long calls = 0;

 private:
  std::deque<Answer> answers_;
  int after_;
};

CTextData FilledContainer() {
  CTextData data;
  data.m_aGPS.resize(3);
  data.m_aGSensor.resize(5);
  return data;
}

TEST(ReadTelemetryTest, ParsesDeliveredRecordsAndRetriesOtherAnswers) {
  ScriptedReader reader({
      {kReadRecordOk, 0, "G,120000,A,3733.1,N,12658.5,E,1.0,2.0,010524"},
      {5, 77, "M\x01\x01\x01"s},  // nothing delivered: not parsed
      {kReadRecordOk, 50, "M\x80\x7F\x81"s},
      {-1, 0, ""},
      {kReadRecordOk, 150, "Q,other kind"},
      {kReadRecordOk, 1000, "G,120001,V"},
  });
  CTextData data = FilledContainer();
  const TelemetryReadSummary summary = ReadTelemetry(&reader, data);
  EXPECT_EQ(summary.end, TelemetryReadEnd::kTrackEnd);
  EXPECT_EQ(summary.records, 4);
  EXPECT_EQ(reader.calls, 7);
  ASSERT_EQ(data.m_aGPS.size(), 2u);
  ASSERT_EQ(data.m_aGSensor.size(), 1u);
  EXPECT_EQ(data.m_aGPS[0].m_nTimeMs, 0);
  EXPECT_EQ(data.m_aGPS[0].m_dLatitude, 3733.1);
  EXPECT_EQ(data.m_aGPS[1].m_nTimeMs, 1000);
  EXPECT_EQ(data.m_aGPS[1].m_bValid, 0);
  EXPECT_EQ(data.m_aGSensor[0].m_nTimeMs, 50);
  EXPECT_EQ(data.m_aGSensor[0].m_nX, 0);
  EXPECT_EQ(data.m_aGSensor[0].m_nY, 1);
  EXPECT_EQ(data.m_aGSensor[0].m_nZ, -1);
}

TEST(ReadTelemetryTest, EmptyTrackOrNoReaderLeavesBothArraysEmpty) {
  ScriptedReader empty({});
  CTextData data = FilledContainer();
  EXPECT_EQ(ReadTelemetry(&empty, data).end, TelemetryReadEnd::kTrackEnd);
  EXPECT_EQ(empty.calls, 1);
  EXPECT_TRUE(data.m_aGPS.empty());
  EXPECT_TRUE(data.m_aGSensor.empty());

  data = FilledContainer();
  EXPECT_EQ(ReadTelemetry(nullptr, data).end, TelemetryReadEnd::kNoReader);
  EXPECT_TRUE(data.m_aGPS.empty());
  EXPECT_TRUE(data.m_aGSensor.empty());
}

TEST(ReadTelemetryTest, ReaderThatNeverDeliversNorEndsIsGivenUp) {
  ScriptedReader stalled({{kReadRecordOk, 0, "G,120000,A"}}, /*after=*/1);
  CTextData data;
  const TelemetryReadSummary summary = ReadTelemetry(&stalled, data);
  EXPECT_EQ(summary.end, TelemetryReadEnd::kReaderStalled);
  EXPECT_EQ(stalled.calls, 1 + TelemetryReadLimits{}.maxIdleAnswers);
  EXPECT_EQ(data.m_aGPS.size(), 1u);  // what came before is kept
}

TEST(ReadTelemetryTest, IdleAnswersCountOnlyInARow) {
  std::deque<Answer> answers;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 4; ++i) answers.push_back({7, 0, ""});
    answers.push_back({kReadRecordOk, round, "M\x80\x80\x80"s});
  }
  ScriptedReader reader(answers);
  CTextData data;
  const TelemetryReadSummary summary = ReadTelemetry(&reader, data, {.maxIdleAnswers = 5});
  EXPECT_EQ(summary.end, TelemetryReadEnd::kTrackEnd);
  EXPECT_EQ(data.m_aGSensor.size(), 3u);
}

TEST(ReadTelemetryTest, TrackThatNeverEndsStopsAtTheRecordBound) {
  ScriptedReader endless({}, /*after=*/kReadRecordOk);
  CTextData data;
  const TelemetryReadSummary summary = ReadTelemetry(&endless, data, {.maxRecords = 5000});
  EXPECT_EQ(summary.end, TelemetryReadEnd::kTooManyRecords);
  EXPECT_EQ(summary.records, 5000);
  EXPECT_EQ(endless.calls, 5000);
  EXPECT_EQ(data.m_aGSensor.size(), 5000u);
}

// Telemetry of generated recordings, through the track file as the viewer reads it.
class RecordingTelemetryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }
  std::filesystem::path dir_ = test::ScratchDir();
};

TEST_F(RecordingTelemetryTest, AviAndMp4GiveTheSameSamplesInTimeOrder) {
  const int seconds = 6;  // long enough for the generator's stretch without a fix
  CTextData fromAvi, fromMp4;
  for (auto [name, data] : {std::pair{"N_2024_05_17_08_31_05.AVI", &fromAvi},
                            std::pair{"N_2024_05_17_08_31_05.MP4", &fromMp4}}) {
    SCOPED_TRACE(name);
    TelemetryTrackFile track;
    ASSERT_TRUE(track.Open(test::MakeRecording(dir_, name, seconds, {"--audio", "none"})));
    const TelemetryReadSummary summary = ReadTelemetry(&track, *data);
    EXPECT_EQ(summary.end, TelemetryReadEnd::kTrackEnd);
    ASSERT_EQ(data->m_aGPS.size(), static_cast<std::size_t>(seconds));
    ASSERT_EQ(data->m_aGSensor.size(), static_cast<std::size_t>(seconds * 10));
    for (int i = 0; i < seconds; ++i) EXPECT_EQ(data->m_aGPS[i].m_nTimeMs, i * 1000);
    for (int i = 0; i < seconds * 10; ++i) EXPECT_EQ(data->m_aGSensor[i].m_nTimeMs, i * 100 + 50);

    // The camera's clock started at 2024-05-17 08:31:05 (UTC+9): the fix's UTC time
    // is 23:31:05 the day before, shown with +9 hours as 32:31:05.
    const CGPSData& first = data->m_aGPS[0];
    EXPECT_EQ(first.m_bValid, 1);
    EXPECT_EQ(first.m_nYear, 24);
    EXPECT_EQ(first.m_nMonth, 5);
    EXPECT_EQ(first.m_nDay, 16);
    EXPECT_EQ(first.m_nHour, 32);
    EXPECT_EQ(first.m_nMinute, 31);
    EXPECT_EQ(first.m_nSecond, 5);
    EXPECT_EQ(first.m_tTime, 1715902265 + 9 * 3600);
    EXPECT_EQ(first.m_dLatitude, 3733.12);
    EXPECT_EQ(first.m_dLongitude, 12658.56);
    EXPECT_EQ(first.m_dSpeed, 0.0);
    EXPECT_EQ(first.m_dCourse, 90.0);
    EXPECT_EQ(data->m_aGPS[1].m_dSpeed, static_cast<float>(4.9 * 1.852));
    // Seconds 2 (6 * 2 / 5) up to 3 have no fix.
    EXPECT_EQ(data->m_aGPS[2].m_bValid, 0);
    EXPECT_EQ(data->m_aGPS[2].m_dLatitude, 0.0);
    EXPECT_EQ(data->m_aGPS[3].m_bValid, 1);
    // The G-sensor rests near (0, 3, 64) and jumps at 60 % of the recording.
    EXPECT_EQ(data->m_aGSensor[0].m_nZ, 64 + static_cast<int>(std::lround(2 * std::sin(0.25))));
    const auto bump = std::max_element(
        data->m_aGSensor.begin(), data->m_aGSensor.end(),
        [](const CGSensorData& a, const CGSensorData& b) { return a.m_nX < b.m_nX; });
    EXPECT_GT(bump->m_nX, 80);
    EXPECT_NEAR(bump->m_nTimeMs, seconds * 600, 160);
  }
  ASSERT_EQ(fromAvi.m_aGPS.size(), fromMp4.m_aGPS.size());
  for (std::size_t i = 0; i < fromAvi.m_aGPS.size(); ++i) {
    EXPECT_EQ(fromAvi.m_aGPS[i].m_dLatitude, fromMp4.m_aGPS[i].m_dLatitude);
    EXPECT_EQ(fromAvi.m_aGPS[i].m_tTime, fromMp4.m_aGPS[i].m_tTime);
  }
  for (std::size_t i = 0; i < fromAvi.m_aGSensor.size(); ++i)
    EXPECT_EQ(fromAvi.m_aGSensor[i].m_nX, fromMp4.m_aGSensor[i].m_nX);
}

TEST_F(RecordingTelemetryTest, EachGeneratedBumpIsOneEventMark) {
  struct Case {
    std::vector<std::string> extra;
    std::vector<std::int64_t> bumpsMs;
  };
  const Case cases[] = {
      {{}, {6000}},  // the generator's own bump, at 60 % of the recording
      {{"--bumps", "2000,7000"}, {2000, 7000}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> extra = {"--audio", "none"};
    extra.insert(extra.end(), c.extra.begin(), c.extra.end());
    TelemetryTrackFile track;
    ASSERT_TRUE(track.Open(test::MakeRecording(dir_, "N_2024_05_17_08_31_05.MP4", 10, extra)));
    CTextData data;
    ReadTelemetry(&track, data);
    ASSERT_EQ(data.m_aGSensor.size(), 100u);
    const std::vector<std::int64_t> marks = EventMarkTimes(data.m_aGSensor, 10000);
    ASSERT_EQ(marks.size(), c.bumpsMs.size()) << c.bumpsMs.size() << " bumps";
    for (std::size_t i = 0; i < marks.size(); ++i) EXPECT_NEAR(marks[i], c.bumpsMs[i], 160);
  }
}

TEST_F(RecordingTelemetryTest, RecordingWithoutTrackLeavesBothArraysEmpty) {
  TelemetryTrackFile track;
  ASSERT_TRUE(track.Open(test::MakeRecording(dir_, "quiet.MP4", 1, {"--telemetry", "off"})));
  CTextData data = FilledContainer();
  EXPECT_EQ(ReadTelemetry(&track, data).end, TelemetryReadEnd::kTrackEnd);
  EXPECT_TRUE(data.m_aGPS.empty());
  EXPECT_TRUE(data.m_aGSensor.empty());
}

}  // namespace
}  // namespace motrevix
