// esmux: the elementary stream wrapped into a .3gp file in the current folder.
#include <gtest/gtest.h>

#include "repair/config_header.h"
#include "tests/repair/repair_test_media.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;

TEST(Esmux, WrapsTheStreamIntoA3gpFileInTheCurrentFolder) {
  const fs::path dir = ScratchDir();
  const fs::path recording = MakeMpeg4Recording(dir / "clip.MP4", {"--channels", "1"});
  const std::vector<Bytes> front = FrontPictures(recording);
  const std::size_t pictures = front.size();
  // A stream as the repair makes it: the configuration header, then the pictures.
  Bytes stream = repair::BuildConfigHeader(640, 480);
  const Bytes all = ConcatenatePictures(front);
  stream.insert(stream.end(), all.begin(), all.end());
  WriteBytes(dir / "clip-front.m4v", stream);
  fs::create_directories(dir / "out");
  const auto wrapped =
      RunTool("esmux", {(dir / "clip-front.m4v").string(), "640", "480", "33"}, dir / "out");
  ASSERT_EQ(wrapped.exitCode, 0) << wrapped.err;
  const ProbedFile probed = Probe(dir / "out" / "clip-front.3gp", true);
  ASSERT_TRUE(probed.ok);
  ASSERT_EQ(probed.streams.size(), 1u);
  EXPECT_EQ(probed.streams[0].codecName, "mpeg4");
  EXPECT_EQ(probed.streams[0].width, 640);
  EXPECT_EQ(probed.streams[0].frameCount, static_cast<long long>(pictures));
  EXPECT_NEAR(probed.streams[0].durationSeconds, pictures * 0.033, 0.002);
  const auto decoded = motrevix::test::Run(
      "ffmpeg",
      {"-v", "error", "-i", (dir / "out" / "clip-front.3gp").string(), "-f", "null", "-"});
  EXPECT_EQ(decoded.err, "");

  // An input in the current folder already named like the output stays the input.
  WriteBytes(dir / "stream.3gp", stream);
  const auto onItself = RunTool("esmux", {"stream.3gp", "640", "480", "33"}, dir);
  EXPECT_EQ(onItself.exitCode, 1);
  EXPECT_NE(onItself.err.find("would replace the input"), std::string::npos) << onItself.err;
  EXPECT_EQ(ReadBytes(dir / "stream.3gp"), stream);
}

TEST(Esmux, RefusesBadArgumentsAndStreamsWithoutPictures) {
  const fs::path dir = ScratchDir();
  WriteBytes(dir / "header-only.bin", {0x00, 0x00, 0x01, 0xB0, 0x03, 0x00, 0x00, 0x01, 0x20, 0x00});
  WriteBytes(dir / "no-header.bin", {0x00, 0x00, 0x01, 0xB6, 0x10, 0x20, 0x30});
  const struct {
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {
      {{"tmp2.bin", "640", "480"}, 2},
      {{"tmp2.bin", "640", "x480", "33"}, 2},
      {{"tmp2.bin", "640", "480", "0"}, 2},
      {{"missing.bin", "640", "480", "33"}, 1},
      {{"header-only.bin", "640", "480", "33"}, 1},
      {{"no-header.bin", "640", "480", "33"}, 1},
  };
  for (const auto& c : cases) {
    const auto run = RunTool("esmux", c.args, dir);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args[0];
    EXPECT_FALSE(run.err.empty());
  }
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_NE(entry.path().extension(), ".3gp") << entry.path();
}

}  // namespace
}  // namespace motrevix::test
