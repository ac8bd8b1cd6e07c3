// The picture rectangle of the full-screen layout.
#include "view/full_screen_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace motrevix {

void PrintTo(const FullScreenPicture& p, std::ostream* os) {
  *os << "x0 " << p.x0 << " w " << p.width << " h " << p.height << " (" << p.rect.left << ", "
      << p.rect.top << ")-(" << p.rect.right << ", " << p.rect.bottom << ")";
}

namespace {

TEST(FullScreenGeometry, Examples) {
  struct Case {
    const char* name;
    int width;
    int height;
    bool stretch;
    FullScreenPicture expected;
  };
  const Case cases[] = {
      {"1366 x 768", 1366, 768, false, {66, 1233, 693, {66, 20, 1299, 713}}},
      {"1920 x 1200", 1920, 1200, false, {0, 1920, 1080, {0, 20, 1920, 1122}}},
      {"wider than 1920", 2560, 1440, false, {320, 1920, 1080, {320, 20, 2240, 1242}}},
      {"narrow", 1024, 768, false, {0, 1024, 576, {0, 20, 1024, 654}}},
      {"stretched 1366 x 768", 1366, 768, true, {0, 1366, 693, {0, 20, 1366, 713}}},
      {"stretched 2560 x 1440", 2560, 1440, true, {0, 2560, 1080, {0, 20, 2560, 1242}}},
      {"just the bar", 800, 75, false, {399, 1, 0, {399, 20, 400, 20}}},
      {"lower than the bar", 800, 74, false, {400, 0, 0, {400, 20, 400, 20}}},
      {"far lower than the bar", 800, 10, false, {400, 0, 0, {400, 20, 400, 20}}},
      {"no client", 0, 0, false, {0, 0, 0, {0, 20, 0, 20}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FullScreenPictureFor(c.width, c.height, c.stretch), c.expected);
  }
}

// The shrinking search the layout is defined by: from 1920 x 1080 one pixel of
// width at a time until the picture fits above the bar. It ends only while the
// client is at least as high as the bar.
int ShrinkingSearchWidth(int clientWidth, int clientHeight) {
  int w = 1920;
  int h = 1080;
  while (w > clientWidth || h > clientHeight - 75) {
    --w;
    h = static_cast<int>(std::trunc(w * 0.5625));
  }
  return w;
}

TEST(FullScreenGeometry, AgreesWithTheShrinkingSearch) {
  for (int height = 75; height <= 1300; height += 7) {
    for (int width : {0, 320, 800, 1024, 1280, 1366, 1600, 1920, 2560}) {
      SCOPED_TRACE(testing::Message() << width << " x " << height);
      const int w = ShrinkingSearchWidth(width, height);
      const int h = static_cast<int>(std::trunc(w * 0.5625));
      const FullScreenPicture picture = FullScreenPictureFor(width, height, false);
      ASSERT_EQ(picture.width, w);
      ASSERT_EQ(picture.height, h);
      EXPECT_EQ(picture.rect.bottom, 20 + h + (height - h - 75) / 2);
    }
  }
}

}  // namespace
}  // namespace motrevix
