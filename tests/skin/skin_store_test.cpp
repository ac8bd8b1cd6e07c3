// The skin bitmaps: every number the windows use exists at its size at device
// pixel ratios 1 and 2; the masks are pure white exactly where see-through; the
// graph background has its grid rows; the speed digits tell apart.
#include "skin/skin_store.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <set>

#include "skin/bitmap_button.h"
#include "skin/mask_region.h"
#include "skin/skin_button.h"
#include "skin/skin_table.h"

namespace motrevix {
namespace {

bool HasVisiblePixel(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

TEST(SkinStore, EveryNumberRendersAtItsSizeAtRatioOneAndTwo) {
  std::set<int> seen;
  for (const SkinArt& art : SkinTable()) {
    EXPECT_TRUE(seen.insert(art.number).second) << "twice in the table: " << art.number;
    for (qreal ratio : {1.0, 2.0}) {
      const QImage image = SkinImage(art.number, ratio);
      ASSERT_FALSE(image.isNull()) << art.number;
      EXPECT_EQ(image.deviceIndependentSize().toSize(), art.size) << art.number;
      EXPECT_EQ(image.size(), art.size * ratio) << art.number;
      EXPECT_TRUE(HasVisiblePixel(image)) << "nothing drawn: " << art.number;
    }
  }
  EXPECT_TRUE(SkinImage(9999, 1).isNull());
}

TEST(SkinStore, HoldsEveryNumberTheWindowsLoad) {
  // Backgrounds, strips, the faces of the push, category and two-state buttons
  // in both screen modes, the slider pictures, and the rate slider's own.
  const int numbers[] = {230,
                         303,
                         319,
                         362,
                         220,
                         391,
                         332,
                         232,
                         278,
                         377,
                         375,
                         241,
                         288,
                         363,
                         364,
                         240,
                         287,
                         244,
                         291,
                         373,
                         374,
                         242,
                         289,
                         369,
                         370,
                         243,
                         290,
                         367,
                         368,
                         245,
                         292,
                         365,
                         366,
                         239,
                         286,
                         264,
                         396,
                         383,
                         384,
                         263,
                         395,
                         392,
                         393,
                         277,
                         385,
                         386,
                         265,
                         394,
                         381,
                         382,
                         268,
                         279,
                         271,
                         285,
                         269,
                         282,
                         270,
                         281,
                         272,
                         345,
                         327,
                         328,
                         400,
                         401,
                         343,
                         344,
                         350,
                         351,
                         352,
                         353,
                         354,
                         355,
                         221,
                         358,
                         247,
                         249,
                         273,
                         309,
                         308,
                         307,
                         305,
                         310,
                         323,
                         324,
                         297,
                         298,
                         295,
                         296,
                         325,
                         326,
                         299,
                         300,
                         301,
                         302,
                         330,
                         331,
                         262,
                         267,
                         293,
                         274,
                         275,
                         284,
                         276,
                         283,
                         371,
                         372,
                         379,
                         380,
                         356,
                         233,
                         236,
                         237,
                         388,
                         387,
                         250,
                         251,
                         252,
                         253,
                         254,
                         256,
                         257,
                         kRateTrackEmpty,
                         kRateTrackFilled,
                         kRateThumb};
  for (int number : numbers) EXPECT_NE(FindSkinArt(number), nullptr) << number;
}

TEST(SkinStore, SizesTheLayoutsRelyOn) {
  const struct {
    int number;
    QSize size;
  } cases[] = {{230, {1080, 710}}, {303, {1011, 731}}, {319, {633, 350}}, {362, {286, 37}},
               {220, {714, 67}},   {232, {45, 45}},    {377, {49, 50}},   {268, {34, 34}},
               {236, {727, 17}},   {254, {680, 20}},   {356, {5, 20}},    {391, {751, 50}}};
  for (const auto& c : cases) {
    ASSERT_NE(FindSkinArt(c.number), nullptr) << c.number;
    EXPECT_EQ(FindSkinArt(c.number)->size, c.size) << c.number;
  }
}

TEST(SkinStore, MasksArePureWhiteExactlyOutsideTheButton) {
  // The masks of the two-state buttons and the faces drawn over them.
  for (int number : {267, 293, 262, 274, 275, 284, 276, 283, 371, 372, 379, 380}) {
    for (qreal ratio : {1.0, 2.0}) {
      const QImage image = SkinImage(number, ratio)
                               .convertToFormat(QImage::Format_ARGB32)
                               .scaled(FindSkinArt(number)->size);
      const int w = image.width(), h = image.height();
      // Corners see through.
      for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255)) << number << " at " << ratio;
      // No see-through pixel inside the plate.
      int white = 0;
      for (int y = 5; y < h - 5; ++y)
        for (int x = 5; x < w - 5; ++x)
          if ((image.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu) ++white;
      EXPECT_EQ(white, 0) << number << " at " << ratio;
      const QRegion shape = RegionFromMask(image);
      EXPECT_TRUE(shape.contains(QPoint(w / 2, h / 2))) << number;
      EXPECT_TRUE(shape.contains(QPoint(w / 2, 0))) << number;  // the rim belongs to it
      EXPECT_FALSE(shape.contains(QPoint(0, 0))) << number;
    }
  }
}

TEST(SkinStore, GraphBackgroundHasItsGridRows) {
  const QImage graph = SkinImage(220, 1).convertToFormat(QImage::Format_RGB32);
  const std::set<int> light{0, 1, 9, 25, 41, 57, 65, 66};
  const std::set<int> strong{17, 33, 49};
  for (int y = 0; y < graph.height(); ++y) {
    for (int x : {0, 357, 713}) {
      const QRgb pixel = graph.pixel(x, y);
      if (light.count(y) != 0)
        EXPECT_EQ(pixel, qRgb(140, 140, 140)) << x << "," << y;
      else if (strong.count(y) != 0)
        EXPECT_EQ(pixel, qRgb(100, 100, 100)) << x << "," << y;
      else
        EXPECT_GT(qGray(pixel), 180) << "light grey between the lines: " << x << "," << y;
    }
  }
  // Nothing of the graph's own background is its transparent colour.
  for (int y = 0; y < graph.height(); ++y)
    for (int x = 0; x < graph.width(); ++x) ASSERT_NE(graph.pixel(x, y), qRgb(0, 255, 0));
}

TEST(SkinStore, SpeedDigitCellsTellApart) {
  const QImage strip = SkinImage(362, 1).convertToFormat(QImage::Format_ARGB32);
  std::vector<QImage> cells;
  for (int k = 0; k < 11; ++k) cells.push_back(strip.copy(k * 26, 0, 26, 37));
  for (int a = 0; a < 11; ++a)
    for (int b = a + 1; b < 11; ++b) EXPECT_NE(cells[a], cells[b]) << a << " and " << b;
  // The blank cell looks like the one behind a digit button (to rounding).
  const QImage behind = SkinImage(332, 1).convertToFormat(QImage::Format_ARGB32);
  int largest = 0;
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 26; ++x) {
      const QRgb a = cells[10].pixel(x, y), b = behind.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
    }
  EXPECT_LE(largest, 8);
}

TEST(SkinStore, ControlsKeepTheirLogicalSizeAndShapeOnAHiDpiScreen) {
  // The same faces at ratio 1 and 2 size the button alike and cut the same shape
  // (but for a pixel of rounding in a corner).
  QRegion shapeAtOne;
  for (qreal ratio : {1.0, 2.0}) {
    CBitmapButton play;
    play.SetFaces({232, 0, 0, 0}, {SkinBitmap(232, ratio)});
    EXPECT_EQ(play.size(), QSize(45, 45)) << ratio;
    CSkinButton mute;
    SkinButtonPictures pictures;
    for (QPixmap& picture : pictures) picture = SkinBitmap(267, ratio);
    pictures[1] = SkinBitmap(293, ratio);
    mute.resize(24, 20);
    mute.SetBitmaps({267, 293, 267, 267, 267, 267}, pictures);
    if (ratio == 1.0) shapeAtOne = mute.Shape();
    int differing = 0;
    for (const QRect& r : mute.Shape().xored(shapeAtOne)) differing += r.width() * r.height();
    EXPECT_LE(differing, 8) << ratio;
    EXPECT_FALSE(mute.Shape().isEmpty());
    EXPECT_NE(mute.Shape(), QRegion(mute.rect())) << "the corners are see-through";
  }
}

}  // namespace
}  // namespace motrevix
