// The still-frame grabber on recordings of the generator: the picture it returns
// carries the frame mark of the picture shown at the asked time (ffprobe's packet
// times are the oracle), from the asked camera; anything that is not a recording,
// or a time past the end, gives no picture without hanging.
#include "playback/still_frame_grabber.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <future>

#include "tests/playback/recordings.h"
#include "tests/support/test_support.h"

namespace motrevix {
namespace {

using pattern::Channel;
using test::RecordingKind;

struct MarkCase {
  RecordingKind kind;
  int videoStream;
  double seconds;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
  *os << c.kind.Name() << " stream " << c.videoStream << " at " << c.seconds << " s";
}

class GrabberMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(GrabberMarkTest, PictureIsTheOneShownAtTheTime) {
  const MarkCase& c = GetParam();
  const auto file = test::Recording(c.kind);
  const QImage picture = GrabFrame(file.string(), {c.videoStream, c.seconds, {}});
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(160, 120));

  const auto mark = test::MarkOf(picture);
  ASSERT_TRUE(mark.has_value());
  // The generator writes 30 pictures a second from 0 s.
  const int expected = static_cast<int>(std::floor(c.seconds * 30 + 1e-9));
  EXPECT_EQ(mark->frameNumber, expected);
  EXPECT_EQ(mark->frameNumber,
            test::PictureAt(test::PictureTimesMs(file, c.videoStream), c.seconds * 1000));
  EXPECT_EQ(mark->channel, c.videoStream == 0 ? Channel::Front : Channel::Rear);
}

const RecordingKind kAviH264{"AVI", 2, "h264", "aac", 2};
const RecordingKind kMp4H264{"MP4", 2, "h264", "aac", 2};
const RecordingKind kAviMpeg4{"AVI", 2, "mpeg4", "pcm", 2};
const RecordingKind kOneChannel{"AVI", 1, "h264", "aac", 2};

// Times on a key frame (0, 1 s), between key frames, and on the last picture.
INSTANTIATE_TEST_SUITE_P(Recordings, GrabberMarkTest,
                         ::testing::Values(MarkCase{kAviH264, 0, 0.0}, MarkCase{kAviH264, 0, 1.0},
                                           MarkCase{kAviH264, 0, 1.5}, MarkCase{kAviH264, 1, 0.7},
                                           MarkCase{kAviH264, 1, 1.98}, MarkCase{kMp4H264, 0, 0.4},
                                           MarkCase{kMp4H264, 1, 1.3}, MarkCase{kAviMpeg4, 0, 1.2},
                                           MarkCase{kAviMpeg4, 1, 0.9},
                                           MarkCase{kOneChannel, 0, 1.1}));

TEST(GrabberTest, ScalesToTheAskedSize) {
  const auto file = test::Recording(kAviH264).string();
  const QImage doubled = GrabFrame(file, {0, 1.0, QSize(320, 240)});
  ASSERT_EQ(doubled.size(), QSize(320, 240));
  const auto mark = test::MarkOf(doubled);
  ASSERT_TRUE(mark.has_value());
  EXPECT_EQ(mark->frameNumber, 30);
  EXPECT_EQ(GrabFrame(file, {1, 0.5, QSize(126, 87)}).size(), QSize(126, 87));
}

TEST(GrabberTest, CountsVideoStreamsNotStreams) {
  // A one-channel recording still has three streams: video, sound and telemetry.
  for (const auto& [kind, videoStreams] :
       {std::pair{kOneChannel, 1}, std::pair{kAviH264, 2}, std::pair{kMp4H264, 2}}) {
    CStillFrameGrabber grabber;
    ASSERT_TRUE(grabber.Open(test::Recording(kind).string())) << kind.Name();
    EXPECT_EQ(grabber.VideoStreamCount(), videoStreams) << kind.Name();
  }
  EXPECT_GE(test::Probe(test::Recording(kOneChannel)).streams.size(), 3u);
  EXPECT_TRUE(GrabFrame(test::Recording(kOneChannel).string(), {1, 0.5, {}}).isNull());
}

TEST(GrabberTest, OneOpenServesSeveralGrabsInAnyOrder) {
  CStillFrameGrabber grabber;
  ASSERT_TRUE(grabber.Open(test::Recording(kAviH264).string()));
  for (const auto& [stream, seconds] : {std::pair{0, 1.5}, std::pair{1, 0.2}, std::pair{0, 0.3},
                                        std::pair{1, 1.9}, std::pair{0, 1.0}}) {
    const auto mark = test::MarkOf(grabber.Grab({stream, seconds, {}}));
    ASSERT_TRUE(mark.has_value()) << stream << " " << seconds;
    EXPECT_EQ(mark->frameNumber, static_cast<int>(std::floor(seconds * 30 + 1e-9)));
    EXPECT_EQ(mark->channel, stream == 0 ? Channel::Front : Channel::Rear);
  }
}

TEST(GrabberTest, PastTheEndGivesNoPictureOrTheLastOneWhenAsked) {
  const auto file = test::Recording(kAviH264).string();
  for (double seconds : {2.0, 2.5, 15.0, 1e9}) {
    EXPECT_TRUE(GrabFrame(file, {0, seconds, {}}).isNull()) << seconds;
    const auto last = test::MarkOf(GrabFrame(file, {1, seconds, {}, PastEnd::LastPicture}));
    ASSERT_TRUE(last.has_value()) << seconds;
    EXPECT_EQ(last->frameNumber, 59);
    EXPECT_EQ(last->channel, Channel::Rear);
  }
}

// Runs the grab on another thread, so a hang fails the test instead of the run.
QImage GrabWithin(const std::string& path, std::chrono::seconds limit) {
  auto grab = std::async(std::launch::async, [path] { return GrabFrame(path, {0, 1.0, {}}); });
  if (grab.wait_for(limit) != std::future_status::ready) {
    ADD_FAILURE() << path << " did not return";
    std::abort();  // the grab thread cannot be joined
  }
  return grab.get();
}

TEST(GrabberTest, WhatIsNotARecordingGivesNoPicture) {
  const auto dir = test::ScratchDir();
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  };
  const auto recording = test::Recording(kAviH264);
  std::ifstream in(recording, std::ios::binary);
  const std::string header(512, '\0');
  std::string start(1024, '\0');
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  const std::string fifo = (dir / "pipe.AVI").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  for (const std::string& path : {
           write("notes.txt", "Front camera, rear camera.\nNothing to see.\n"),
           write("empty.AVI", ""),
           write("zeros.AVI", header),
           write("cut.AVI", start),  // the header and no picture
           dir.string(),             // a folder
           fifo,                     // would block a reader forever
           (dir / "missing.AVI").string(),
           "concat:" + recording.string() + "|" + recording.string(),
       }) {
    EXPECT_TRUE(GrabWithin(path, std::chrono::seconds(20)).isNull()) << path;
    CStillFrameGrabber grabber;
    EXPECT_FALSE(grabber.Open(path) && !grabber.Grab({0, 1.0, {}}).isNull()) << path;
  }
}

}  // namespace
}  // namespace motrevix
