// Files that are not playable recordings, and recordings damaged in the middle.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/playback/player_fixture.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

TEST_F(PlayerTest, FilesThatAreNotRecordingsAreNotLoadable) {
  const fs::path dir = ScratchDir();
  const std::string avi = ReadAll(Recording({"AVI", 2, "h264", "aac"}));
  const std::string mp4 = ReadAll(Recording({"MP4", 2, "h264", "aac"}));
  std::string noise(64 * 1024, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i)
    noise[i] = static_cast<char>((i * 2654435761u) >> 13);
  const fs::path soundOnly = dir / "sound-only.m4a";
  ASSERT_EQ(
      test::Run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=1",
                           "-c:a", "aac", soundOnly.string()})
          .exitCode,
      0);
  const struct {
    const char* what;
    fs::path file;
  } cases[] = {
      {"missing", dir / "missing.AVI"},
      {"empty", WriteBytes(dir / "empty.AVI", "")},
      {"text", WriteBytes(dir / "notes.AVI", "not a recording\n")},
      {"noise", WriteBytes(dir / "noise.MP4", noise)},
      {"AVI header only", WriteBytes(dir / "head.AVI", avi.substr(0, 4096))},
      {"MP4 without its index", WriteBytes(dir / "cut.MP4", mp4.substr(0, mp4.size() / 2))},
      {"no picture stream", soundOnly},
      {"folder", dir},
  };
  for (const auto& c : cases) {
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(controller_.Open(c.file.string())) << c.what;
    EXPECT_FALSE(controller_.HasPipeline()) << c.what << ": everything released";
    EXPECT_EQ(controller_.GetChannelCount(), 0) << c.what;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3)) << c.what;
  }
  // The controller goes on working.
  EXPECT_TRUE(controller_.Open(Recording({"AVI", 2, "h264", "aac"}).string()));
}

// Plays to the end; returns the wall time it took.
double PlayToEnd(CPlaybackController& controller, double limitSeconds) {
  const auto started = std::chrono::steady_clock::now();
  controller.Graph()->Run();
  const std::int64_t duration = controller.GetDurationMs();
  while (controller.GetPositionMs() < duration &&
         std::chrono::steady_clock::now() - started < std::chrono::duration<double>(limitSeconds))
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

TEST_F(PlayerTest, TruncatedRecordingPlaysUpToTheCutAndEndsThere) {
  const std::string avi = ReadAll(Recording({"AVI", 2, "h264", "aac", 3}));
  const fs::path cut = WriteBytes(ScratchDir() / "cut.AVI", avi.substr(0, avi.size() * 55 / 100));
  ASSERT_TRUE(controller_.Open(cut.string()));
  const std::int64_t duration = controller_.GetDurationMs();
  const double wall = PlayToEnd(controller_, 6.0);
  EXPECT_EQ(controller_.GetPositionMs(), duration);  // the end is reported at the cut
  EXPECT_LT(wall, 2.4);                              // of three seconds recorded
  EXPECT_GT(Graph().PresentedFrames(1), 30);
  EXPECT_LT(Graph().PresentedFrames(1), 70);
  EXPECT_TRUE(Graph().ReachedEnd());
}

TEST_F(PlayerTest, RecordingDamagedInTheMiddlePlaysOn) {
  std::string avi = ReadAll(Recording({"AVI", 2, "h264", "aac", 3}));
  for (std::size_t i = avi.size() * 4 / 10; i < avi.size() * 5 / 10; ++i) avi[i] = '\xff';
  const fs::path damaged = WriteBytes(ScratchDir() / "damaged.AVI", avi);
  ASSERT_TRUE(controller_.Open(damaged.string()));
  const double wall = PlayToEnd(controller_, 8.0);
  EXPECT_EQ(controller_.GetPositionMs(), controller_.GetDurationMs());
  EXPECT_LT(wall, 7.0);
  EXPECT_GT(Graph().PresentedFrames(1), 20);
  // Seeking into and around the damage neither hangs nor crashes.
  Graph().Pause();
  for (const std::int32_t ms : {1300, 200, 2500}) {
    EXPECT_TRUE(controller_.SeekMs(ms));
    Graph().WaitUntilCued(2000);
  }
  QImage picture;
  EXPECT_TRUE(controller_.GrabPicture(0, picture));
}

}  // namespace
}  // namespace motrevix::test
