// Seeks in a recording another program wrote: the front has B-frames and a key
// frame every 30 pictures, the rear one every 45, so after a seek each channel has
// to start decoding at a key frame of its own and show its last picture at or
// before the target.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tests/playback/player_fixture.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;
using pattern::Channel;
using pattern::FrameMark;

fs::path ForeignRecording(const std::string& name) {
  const char* shared = std::getenv("MOTREVIX_TEST_RECORDINGS");
  return fs::path(shared != nullptr ? shared : "") / name;
}

// Presentation times of a stream's pictures, in the order they are shown.
std::vector<double> ShownTimesMs(const fs::path& file, int videoStream) {
  std::vector<double> times = PictureTimesMs(file, videoStream);
  std::sort(times.begin(), times.end());
  return times;
}

class ForeignSeek : public PlayerTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ForeignSeek, EachChannelShowsItsLastPictureAtOrBeforeTheTarget) {
  const fs::path file = ForeignRecording(GetParam());
  ASSERT_TRUE(fs::is_regular_file(file)) << file << " (made by the recordings fixture)";
  const std::vector<double> front = ShownTimesMs(file, 0);
  const std::vector<double> rear = ShownTimesMs(file, 1);
  ASSERT_GE(front.size(), 119u);
  ASSERT_GE(rear.size(), 119u);
  ASSERT_TRUE(controller_.Open(file.string()));
  Graph().Pause();
  // Targets just after a front key frame while the rear's is far behind (1.0 s,
  // 2.0 s), just before a rear key frame (1.49 s), on B-frames (1.067 s), around
  // the rear key frame at 3.0 s, backwards and at the start.
  for (const std::int32_t ms : {1010, 2005, 1490, 1067, 2980, 3010, 2500, 1600, 120, 0, 3900}) {
    ASSERT_TRUE(controller_.SeekMs(ms));
    ASSERT_TRUE(WaitCued()) << ms;
    EXPECT_EQ(Shown(0), (FrameMark{PictureAt(front, ms), Channel::Front})) << "front at " << ms;
    EXPECT_EQ(Shown(1), (FrameMark{PictureAt(rear, ms), Channel::Rear})) << "rear at " << ms;
  }
}

// The MP4 and Matroska files carry B-frames in front; AVI keeps one picture a
// chunk, so its front has none.
INSTANTIATE_TEST_SUITE_P(Containers, ForeignSeek,
                         ::testing::Values("foreign_gop30_45.mp4", "foreign_gop30_45.mkv",
                                           "foreign_gop30_45.avi"),
                         [](const auto& info) {
                           const std::string& name = info.param;
                           return name.substr(name.rfind('.') + 1);
                         });

}  // namespace
}  // namespace motrevix::test
