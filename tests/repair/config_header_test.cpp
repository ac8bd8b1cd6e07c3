#include "repair/config_header.h"

#include <gtest/gtest.h>

#include "repair/mpeg4_visual_decoder.h"

namespace motrevix::repair {
namespace {

TEST(ConfigHeader, Is66KnownBytesFor640x480) {
  std::vector<std::uint8_t> expected = {0x00, 0x00, 0x01, 0xB0, 0x03, 0x00, 0x00, 0x01,
                                        0xB5, 0x89, 0x13, 0x00, 0x00, 0x01, 0xB2, 0x51,
                                        0x75, 0x6F, 0x72, 0x76, 0x61, 0x6E, 0x65};
  expected.resize(expected.size() + 24, 0x00);
  for (std::uint8_t b : {0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x20, 0x00, 0xC4, 0x88, 0x81,
                         0xF4, 0x51, 0x40, 0x43, 0xC1, 0x46, 0x3F})
    expected.push_back(b);
  ASSERT_EQ(expected.size(), 66u);
  EXPECT_EQ(BuildConfigHeader(640, 480), expected);
}

// libavcodec's own reading of the header gives back the size it was built for.
TEST(ConfigHeader, ParsesBackToItsSize) {
  const struct {
    int width, height;
  } sizes[] = {{640, 480}, {176, 144}, {320, 240}, {1920, 1088}, {720, 576}};
  for (const auto& size : sizes) {
    const auto config = ParseVideoConfig(BuildConfigHeader(size.width, size.height));
    ASSERT_TRUE(config.has_value()) << size.width << "x" << size.height;
    EXPECT_EQ(config->width, size.width);
    EXPECT_EQ(config->height, size.height);
  }
}

TEST(ConfigHeader, ParseRefusesWhatIsNoHeader) {
  const std::vector<std::uint8_t> cases[] = {
      {},
      {0x00, 0x00, 0x01, 0xB6, 0x10, 0x20},
      {'R', 'I', 'F', 'F', 0x10, 0x00, 0x00, 0x00, 'A', 'V', 'I', ' '},
  };
  for (const auto& bytes : cases) EXPECT_FALSE(ParseVideoConfig(bytes).has_value());
}

}  // namespace
}  // namespace motrevix::repair
