#include "tools/frame_pattern/frame_pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace motrevix::pattern {
namespace {

TEST(FramePattern, DrawnMarksReadBack) {
  const struct {
    int width, height;
    FrameMark mark;
  } cases[] = {
      {160, 120, {0, Channel::Front}},
      {160, 120, {1, Channel::Rear}},
      {80, 16, {kMaxFrameNumber, Channel::Front}},
      {1920, 1080, {65537, Channel::Rear}},
      {322, 100, {0b10101010101010101, Channel::Front}},
  };
  for (const auto& c : cases) {
    const int linesize = c.width + 32;  // padded rows, as decoders lay them out
    std::vector<std::uint8_t> luma(static_cast<std::size_t>(linesize) * c.height, 128);
    DrawMark(luma.data(), linesize, c.width, c.height, c.mark);
    EXPECT_EQ(ReadMark(luma.data(), linesize, c.width, c.height), c.mark) << c.width;

    // The same picture as 32-bit RGB.
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(c.width) * 4 * c.height);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        for (int k = 0; k < 3; ++k) rgb[(y * c.width + x) * 4 + k] = luma[y * linesize + x];
    EXPECT_EQ(ReadMarkRgb32(rgb.data(), c.width * 4, c.width, c.height), c.mark) << c.width;
  }
}

TEST(FramePattern, PicturesWithoutAMarkReadAsNothing) {
  std::vector<std::uint8_t> grey(160 * 120, 128);
  EXPECT_FALSE(ReadMark(grey.data(), 160, 160, 120));
  std::vector<std::uint8_t> narrow(40 * 40, 0);
  DrawMark(narrow.data(), 40, 40, 40, {5, Channel::Front});
  EXPECT_FALSE(ReadMark(narrow.data(), 40, 40, 40));
}

}  // namespace
}  // namespace motrevix::pattern
