// The decoder's measure of a picture and the rebuilt stream, on real pictures of a
// generated 640 x 480 MPEG-4 visual recording.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "repair/config_header.h"
#include "repair/mpeg4_visual_decoder.h"
#include "repair/stdio_file.h"
#include "repair/video_stream_rebuild.h"
#include "tests/repair/repair_test_media.h"
#include "tests/support/test_support.h"

namespace motrevix::repair {
namespace {

using test::Bytes;
namespace fs = std::filesystem;

class PictureFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Outside a test ScratchDir() is one folder shared by every test program, and CTest
    // runs this suite's cases in parallel processes: each process makes its own.
    const char* root = std::getenv("MOTREVIX_TEST_TMP");
    dir_ = fs::path(root != nullptr ? root : fs::temp_directory_path().c_str()) /
           ("PictureFixture." + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    pictures_ =
        test::FrontPictures(test::MakeMpeg4Recording(dir_ / "clip.MP4", {"--channels", "1"}));
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }
  static fs::path dir_;
  static std::vector<Bytes> pictures_;
};
fs::path PictureFixture::dir_;
std::vector<Bytes> PictureFixture::pictures_;

// Decoder memory set up as the rebuild sets it up.
struct DecoderSetup {
  explicit DecoderSetup(int width = 640, int height = 480) {
    header = BuildConfigHeader(width, height);
    const auto needs = QueryDecoderMemory(width, height, 3);
    for (std::size_t i = 0; i < needs.size(); ++i) {
      memory[i].resize(needs[i]);
      blocks[i] = {memory[i].data(), memory[i].size()};
    }
    frameBytes = PictureBytes(width, height) * 3;
    frames.reset(static_cast<std::byte*>(std::aligned_alloc(64, (frameBytes + 63) / 64 * 64)));
  }
  std::unique_ptr<CMpeg4VisualDecoder> Init() {
    return CMpeg4VisualDecoder::Init(blocks, {frames.get(), frameBytes}, 3, header);
  }
  struct FreeDeleter {
    void operator()(std::byte* p) const { std::free(p); }
  };
  std::vector<std::uint8_t> header;
  std::array<std::vector<std::byte>, kDecoderBlockCount> memory;
  DecoderBlocks blocks;
  std::unique_ptr<std::byte, FreeDeleter> frames;
  std::size_t frameBytes = 0;
};

Bytes Junk(const char* kind, std::mt19937& random) {
  Bytes junk;
  const std::string k = kind;
  if (k == "avi chunk and sound") {
    junk = {'0', '1', 'w', 'b', 0x00, 0x01, 0x00, 0x00};
    for (int i = 0; i < 256; ++i) junk.push_back(static_cast<std::uint8_t>(random()));
  } else if (k == "zeros") {
    junk.assign(64, 0x00);
  } else if (k == "mp4 box") {
    junk = {0x00, 0x00, 0x10, 0x00, 'm', 'o', 'o', 'v', 0x00, 0x00, 0x00, 0x6C, 'm', 'v', 'h', 'd'};
    for (int i = 0; i < 100; ++i) junk.push_back(static_cast<std::uint8_t>(random()));
  } else if (k == "one byte") {
    junk = {0xA5};
  }
  return junk;
}

TEST_F(PictureFixture, MeasuresThePictureAndLeavesOutWhatFollows) {
  ASSERT_GE(pictures_.size(), 20u);
  const char* kinds[] = {"none", "avi chunk and sound", "zeros", "mp4 box", "one byte"};
  for (const char* kind : kinds) {
    DecoderSetup setup;
    auto decoder = setup.Init();
    ASSERT_TRUE(decoder);
    std::mt19937 random(7);
    for (std::size_t i = 0; i < 20; ++i) {
      Bytes chunk = pictures_[i];
      const Bytes junk = Junk(kind, random);
      chunk.insert(chunk.end(), junk.begin(), junk.end());
      EXPECT_EQ(decoder->DecodeChunk(chunk), pictures_[i].size()) << kind << ", picture " << i;
    }
  }
}

TEST_F(PictureFixture, UndecodableChunksConsumeNothing) {
  DecoderSetup setup;
  auto decoder = setup.Init();
  ASSERT_TRUE(decoder);
  std::mt19937 random(3);
  Bytes garbage = {0x00, 0x00, 0x01, 0xB6};
  for (int i = 0; i < 3000; ++i) garbage.push_back(static_cast<std::uint8_t>(random()));
  const Bytes& intra = pictures_[0];
  const Bytes cases[] = {
      garbage,
      Bytes(intra.begin(), intra.begin() + static_cast<long>(intra.size() / 2)),
      {0x00, 0x00, 0x01, 0xB6},
  };
  for (const auto& chunk : cases) EXPECT_EQ(decoder->DecodeChunk(chunk), 0u);
  // A picture of another size does not decode under a 640 x 480 header.
  const fs::path dir = test::ScratchDir();
  const auto small = test::FrontPictures(
      test::MakeMpeg4Recording(dir / "small.MP4", {"--channels", "1", "--front", "160x120"}));
  ASSERT_FALSE(small.empty());
  EXPECT_EQ(decoder->DecodeChunk(small[0]), 0u);
  // The decoder goes on measuring after the failures.
  EXPECT_EQ(decoder->DecodeChunk(intra), intra.size());
}

TEST(Mpeg4VisualDecoder, InitRefusesUnusableMemoryOrHeader) {
  {
    DecoderSetup setup;
    setup.header = {0x00, 0x00, 0x01, 0xB6, 0x00};
    EXPECT_FALSE(setup.Init());
  }
  for (std::size_t block = 0; block < kDecoderBlockCount; ++block) {
    DecoderSetup setup;
    setup.blocks[block] = setup.blocks[block].first(setup.blocks[block].size() / 2);
    EXPECT_FALSE(setup.Init()) << "block " << block;
  }
  {
    DecoderSetup setup;
    setup.frameBytes -= 1;
    EXPECT_FALSE(setup.Init());
  }
  {
    DecoderSetup setup;  // room for 640 x 480 only
    setup.header = BuildConfigHeader(1280, 720);
    EXPECT_FALSE(setup.Init());
  }
}

// tmp.bin as carving makes it from an AVI: every picture followed by container bytes.
TEST_F(PictureFixture, RebuiltStreamIsHeaderAndThePicturesExactly) {
  const fs::path dir = test::ScratchDir();
  std::mt19937 random(11);
  Bytes carved;
  for (const auto& picture : pictures_) {
    carved.insert(carved.end(), picture.begin(), picture.end());
    const Bytes junk = Junk("avi chunk and sound", random);
    carved.insert(carved.end(), junk.begin(), junk.end());
  }
  test::WriteBytes(dir / "tmp.bin", carved);
  std::ostringstream log;
  {
    StdioFile in = OpenStdioFile(dir / "tmp.bin", "rb");
    StdioFile out = OpenStdioFile(dir / "tmp2.bin", "wb");
    const std::size_t written = RebuildVideoStream(in.get(), out.get(), 640, 480, log);
    EXPECT_EQ(written, 66 + test::ConcatenatePictures(pictures_).size());
  }
  Bytes expected = BuildConfigHeader(640, 480);
  const Bytes all = test::ConcatenatePictures(pictures_);
  expected.insert(expected.end(), all.begin(), all.end());
  EXPECT_EQ(test::ReadBytes(dir / "tmp2.bin"), expected);
  EXPECT_EQ(log.str(), "");
}

// A picture longer than the decoder's input limit is offered only its first 60,000
// bytes, which do not make a picture: none of it is written.
TEST(VideoStreamRebuild, LongChunkContributesAtMost60000Bytes) {
  const fs::path dir = test::ScratchDir();
  Bytes noise(640 * 480 * 3 / 2);
  std::mt19937 random(5);
  for (auto& b : noise) b = static_cast<std::uint8_t>(random());
  test::WriteBytes(dir / "noise.yuv", noise);
  const auto made = test::Run("ffmpeg", {"-v",
                                         "error",
                                         "-y",
                                         "-f",
                                         "rawvideo",
                                         "-pix_fmt",
                                         "yuv420p",
                                         "-s",
                                         "640x480",
                                         "-framerate",
                                         "1000",
                                         "-i",
                                         (dir / "noise.yuv").string(),
                                         "-c:v",
                                         "mpeg4",
                                         "-qscale:v",
                                         "3",
                                         "-bf",
                                         "0",
                                         "-f",
                                         "m4v",
                                         (dir / "noise.m4v").string()});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const Bytes stream = test::ReadBytes(dir / "noise.m4v");
  const auto offsets = test::VopOffsets(stream);
  ASSERT_EQ(offsets.size(), 1u);
  const Bytes picture(stream.begin() + static_cast<long>(offsets[0]), stream.end());
  ASSERT_GT(picture.size(), kDecoderInputLimit);
  {
    // The whole picture decodes: the limit, not the picture, is what stops it.
    DecoderSetup setup;
    EXPECT_EQ(setup.Init()->DecodeChunk(picture), picture.size());
  }
  test::WriteBytes(dir / "tmp.bin", picture);
  std::ostringstream log;
  StdioFile in = OpenStdioFile(dir / "tmp.bin", "rb");
  StdioFile out = OpenStdioFile(dir / "tmp2.bin", "wb");
  const std::size_t written = RebuildVideoStream(in.get(), out.get(), 640, 480, log);
  out.reset();
  EXPECT_LE(written, 66 + kDecoderInputLimit);
  EXPECT_EQ(test::ReadBytes(dir / "tmp2.bin"), BuildConfigHeader(640, 480));
}

}  // namespace
}  // namespace motrevix::repair
