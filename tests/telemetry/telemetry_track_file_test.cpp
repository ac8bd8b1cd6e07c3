// The telemetry track of generated AVI and MP4 recordings, read record by record.
#include "playback/text_track/telemetry_track_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "tests/telemetry/generated_recording.h"

namespace motrevix {
namespace {

struct ReadBack {
  std::int32_t timeMs = 0;
  std::string bytes;  // up to the zero the reader writes after the record
};

std::vector<ReadBack> ReadAll(TelemetryTrackFile& track) {
  std::vector<ReadBack> records;
  for (int guard = 0; guard < 100000; ++guard) {
    std::array<std::uint8_t, 1024> buffer{};
    buffer.fill(0xAA);  // no zero of its own: the reader must end the record
    std::int32_t time = -1;
    const int result = track.ReadRecord(buffer.data(), buffer.size(), &time);
    if (result == kReadRecordEnd) break;
    EXPECT_EQ(result, kReadRecordOk);
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(buffer.data(), 0, 1024));
    // An 'M' record may hold zero bytes itself: it is 4 bytes long.
    const std::size_t size = buffer[0] == 'M' ? 4 : (end ? end - buffer.data() : buffer.size());
    EXPECT_EQ(buffer[size], 0) << "no terminating zero after record at " << time;
    records.push_back({time, std::string(reinterpret_cast<const char*>(buffer.data()), size)});
  }
  return records;
}

// What the generator writes: a G record every 1000 ms and an M record at 50 ms
// past each tenth of a second, in time order.
void ExpectGeneratedTrack(const std::vector<ReadBack>& records, int seconds) {
  ASSERT_EQ(records.size(), static_cast<std::size_t>(seconds * 11));
  std::size_t i = 0;
  for (int second = 0; second < seconds; ++second) {
    const ReadBack& gps = records[i++];
    EXPECT_EQ(gps.timeMs, second * 1000);
    EXPECT_EQ(gps.bytes.substr(0, 2), "G,") << gps.bytes;
    EXPECT_EQ(std::count(gps.bytes.begin(), gps.bytes.end(), ','), 9) << gps.bytes;
    for (int tenth = 0; tenth < 10; ++tenth) {
      const ReadBack& sensor = records[i++];
      EXPECT_EQ(sensor.timeMs, second * 1000 + tenth * 100 + 50);
      EXPECT_EQ(sensor.bytes.size(), 4u);
      EXPECT_EQ(sensor.bytes[0], 'M');
    }
  }
}

class TelemetryTrackFileTest : public ::testing::Test {
 protected:
  std::filesystem::path dir_ = test::ScratchDir();
};

TEST_F(TelemetryTrackFileTest, ReadsEveryRecordOfAviAndMp4InOrderAndAlike) {
  const auto avi = test::MakeRecording(dir_, "N_2024_05_17_08_31_05.AVI", 2);
  const auto mp4 = test::MakeRecording(dir_, "N_2024_05_17_08_31_05.MP4", 2);
  TelemetryTrackFile aviTrack, mp4Track;
  ASSERT_TRUE(aviTrack.Open(avi.string()));
  ASSERT_TRUE(mp4Track.Open(mp4.string()));
  EXPECT_TRUE(aviTrack.HasTrack());
  EXPECT_TRUE(mp4Track.HasTrack());
  const auto fromAvi = ReadAll(aviTrack);
  const auto fromMp4 = ReadAll(mp4Track);
  ExpectGeneratedTrack(fromAvi, 2);
  ExpectGeneratedTrack(fromMp4, 2);
  // Both containers hold the same track; the first fix is the start time in UTC.
  ASSERT_EQ(fromAvi.size(), fromMp4.size());
  for (std::size_t i = 0; i < fromAvi.size(); ++i) {
    EXPECT_EQ(fromAvi[i].timeMs, fromMp4[i].timeMs);
    EXPECT_EQ(fromAvi[i].bytes, fromMp4[i].bytes);
  }
  EXPECT_EQ(fromAvi[0].bytes.substr(0, 13), "G,233105.000,");
  EXPECT_EQ(fromAvi[0].bytes.substr(fromAvi[0].bytes.size() - 6), "160524");
  // The end of the track stays the end.
  std::array<std::uint8_t, 1024> buffer{};
  std::int32_t time = 0;
  EXPECT_EQ(aviTrack.ReadRecord(buffer.data(), 1024, &time), kReadRecordEnd);
  EXPECT_EQ(mp4Track.ReadRecord(buffer.data(), 1024, &time), kReadRecordEnd);
}

TEST_F(TelemetryTrackFileTest, RecordingWithoutTrackOpensAndEndsAtOnce) {
  for (const char* name : {"quiet.AVI", "quiet.MP4"}) {
    SCOPED_TRACE(name);
    const auto path = test::MakeRecording(dir_, name, 1, {"--telemetry", "off"});
    TelemetryTrackFile track;
    ASSERT_TRUE(track.Open(path.string()));
    EXPECT_FALSE(track.HasTrack());
    std::array<std::uint8_t, 1024> buffer{};
    std::int32_t time = 0;
    EXPECT_EQ(track.ReadRecord(buffer.data(), 1024, &time), kReadRecordEnd);
  }
}

TEST_F(TelemetryTrackFileTest, RefusesWhatIsNoRecording) {
  const auto text = dir_ / "notes.AVI";
  std::ofstream(text) << "not a recording\n";
  // A WAV file opens in libavformat but is no recording of the camera.
  const auto wav = dir_ / "tone.wav";
  const auto made =
      test::Run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=0.2", wav.string()});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  TelemetryTrackFile track;
  EXPECT_FALSE(track.Open((dir_ / "missing.MP4").string()));
  EXPECT_FALSE(track.Open(text.string()));
  EXPECT_FALSE(track.Open(wav.string()));
  EXPECT_FALSE(track.HasTrack());
  std::array<std::uint8_t, 1024> buffer{};
  std::int32_t time = 0;
  EXPECT_EQ(track.ReadRecord(buffer.data(), 1024, &time), kReadRecordEnd);
}

TEST_F(TelemetryTrackFileTest, ShortBufferCutsTheRecordAndBadArgumentsConsumeNothing) {
  const auto avi = test::MakeRecording(dir_, "short.AVI", 1);
  TelemetryTrackFile track;
  ASSERT_TRUE(track.Open(avi.string()));
  std::int32_t time = -1;
  EXPECT_EQ(track.ReadRecord(nullptr, 1024, &time), TelemetryTrackFile::kReadRecordBadArguments);
  std::array<std::uint8_t, 8> buffer{};
  buffer.fill(0xAA);
  EXPECT_EQ(track.ReadRecord(buffer.data(), 0, &time), TelemetryTrackFile::kReadRecordBadArguments);
  EXPECT_EQ(track.ReadRecord(buffer.data(), 3, nullptr),
            TelemetryTrackFile::kReadRecordBadArguments);
  // The first record (the G record at 0 ms) is still there, cut to 3 bytes.
  EXPECT_EQ(track.ReadRecord(buffer.data(), 3, &time), kReadRecordOk);
  EXPECT_EQ(time, 0);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 3), "G,2");
  EXPECT_EQ(buffer[3], 0xAA) << "wrote past the given length";
  EXPECT_EQ(track.ReadRecord(buffer.data(), 8, &time), kReadRecordOk);
  EXPECT_EQ(time, 50);
  EXPECT_EQ(buffer[0], 'M');
  EXPECT_EQ(buffer[4], 0);
}

TEST_F(TelemetryTrackFileTest, ReopeningStartsAgainFromTheFirstRecord) {
  const auto mp4 = test::MakeRecording(dir_, "again.MP4", 1);
  TelemetryTrackFile track;
  track.SetReadMode(0);
  ASSERT_TRUE(track.Open(mp4.string()));
  std::array<std::uint8_t, 1024> buffer{};
  std::int32_t time = -1;
  ASSERT_EQ(track.ReadRecord(buffer.data(), 1024, &time), kReadRecordOk);
  ASSERT_EQ(track.ReadRecord(buffer.data(), 1024, &time), kReadRecordOk);
  EXPECT_EQ(time, 50);
  ASSERT_TRUE(track.Open(mp4.string()));
  EXPECT_EQ(ReadAll(track).size(), 11u);
}

}  // namespace
}  // namespace motrevix
