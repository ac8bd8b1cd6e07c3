// The bitmap slider's arithmetic and the mask's shape, without widgets.
#include "skin/slider_geometry.h"

#include <gtest/gtest.h>

#include <QImage>

#include "skin/mask_region.h"

namespace motrevix {
namespace {

TEST(ThumbPicture, IsCentredOverTheStyleThumbTruncatingTowardZero) {
  const struct {
    QRect styleThumb;
    QSize picture;
    int offset;
    bool horizontal;
    QRect expected;
  } cases[] = {
      // 5 wide over an 11 wide thumb at 100: x 103 to 107, in its middle.
      {{100, 3, 11, 14}, {5, 20}, 0, true, {103, 0, 5, 20}},
      {{100, 3, 11, 14}, {4, 14}, 2, true, {103, 2, 4, 14}},
      // Wider than the style's thumb: (3 - 10) / 2 = -3, not -4.
      {{0, 0, 3, 20}, {10, 20}, 0, true, {-3, 0, 10, 20}},
      {{3, 50, 14, 11}, {20, 5}, 1, false, {1, 53, 20, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected.x());
    EXPECT_EQ(ThumbPictureRect(c.styleThumb, c.picture, c.offset, c.horizontal), c.expected);
  }
  // Fusion's thumb is 15 wide: the 5-wide picture lies inside it.
  const QRect fusion(29, 2, 15, 15);
  EXPECT_TRUE(fusion.contains(ThumbPictureRect(fusion, {5, 15}, 2, true)));
}

TEST(TrackSpans, FilledLeftOfTheThumbEmptyRightOfIt) {
  const QSize client(727, 17);
  const struct {
    const char* name;
    QRect thumb;
    bool onPaint;
    QRect filled;
    QRect empty;
  } cases[] = {
      {"painting: the filled part runs under the thumb",
       {97, 0, 5, 17},
       true,
       {0, 0, 102, 17},
       {102, 0, 625, 17}},
      {"moving: it stops at the thumb", {97, 0, 5, 17}, false, {0, 0, 97, 17}, {102, 0, 625, 17}},
      {"thumb at the start: no filled part at all", {0, 0, 5, 17}, false, {}, {5, 0, 722, 17}},
      {"thumb past the start: clamped", {-2, 0, 5, 17}, false, {}, {3, 0, 724, 17}},
      {"thumb at the end: no empty part", {722, 0, 5, 17}, true, {0, 0, 727, 17}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TrackSpans spans = TrackSpansFor(c.thumb, client, c.onPaint);
    EXPECT_EQ(spans.filled, c.filled);
    EXPECT_EQ(spans.empty, c.empty);
  }
  EXPECT_TRUE(TrackSpansFor({0, 0, 5, 17}, {0, 17}, true).filled.isEmpty());
}

TEST(Strip, CountsFramesSideBySideOrStacked) {
  const struct {
    QSize picture;
    int frameWidth, frameHeight;
    bool vertical;
    int count;
    QRect second;
  } cases[] = {
      {{5, 20}, 5, 20, true, 1, {}},
      {{15, 4}, 5, 4, false, 3, {5, 0, 5, 4}},
      {{15, 20}, 5, 20, true, 1, {}},  // narrower than high: stacked, one frame
      {{5, 60}, 5, 20, true, 3, {0, 20, 5, 20}},
      {{727, 17}, 0, 0, false, 1, {}},  // a whole-picture frame
      {{5, 20}, 5, 0, true, 1, {}},
  };
  for (const auto& c : cases) {
    const StripLayout strip = StripLayoutFor(c.picture, c.frameWidth, c.frameHeight);
    EXPECT_EQ(strip.vertical, c.vertical);
    EXPECT_EQ(strip.frameCount, c.count);
    EXPECT_EQ(strip.Frame(1), c.second);
    EXPECT_TRUE(strip.Frame(c.count).isNull());
  }
}

TEST(MaskShape, IsExactlyTheNonWhitePixels) {
  QImage mask(6, 3, QImage::Format_RGB32);
  mask.fill(Qt::white);
  // Row 0: a run of two; row 1: two runs; row 2: only the last column.
  mask.setPixel(1, 0, qRgb(0, 0, 0));
  mask.setPixel(2, 0, qRgb(254, 255, 255));  // nearly white is not white
  mask.setPixel(0, 1, qRgb(20, 20, 20));
  mask.setPixel(4, 1, qRgb(20, 20, 20));
  mask.setPixel(5, 1, qRgb(20, 20, 20));
  mask.setPixel(5, 2, qRgb(20, 20, 20));
  const QRegion region = RegionFromMask(mask);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(region.contains(QPoint(x, y)), mask.pixel(x, y) != qRgb(255, 255, 255))
          << x << "," << y;
  EXPECT_TRUE(RegionFromMask(QImage()).isEmpty());
}

}  // namespace
}  // namespace motrevix
