// The magnifier's source area: centred on the pointer, kept on the screen.
#include "view/magnifier_source.h"

#include <gtest/gtest.h>

namespace motrevix {
namespace {

TEST(MagnifierSource, IsCentredOnThePointerAndClampedAtTheScreenEdges) {
  const QSize screen(1366, 768);
  const QSize client(300, 250);
  const struct {
    QPoint pointer;
    QRect source;
  } cases[] = {
      {{683, 384}, {608, 322, 150, 125}},    // middle
      {{0, 0}, {0, 0, 150, 125}},            // top-left corner
      {{1365, 0}, {1216, 0, 150, 125}},      // top-right
      {{0, 767}, {0, 643, 150, 125}},        // bottom-left
      {{1365, 767}, {1216, 643, 150, 125}},  // bottom-right
      {{-50, 2000}, {0, 643, 150, 125}},     // off the screen (a second monitor)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pointer.x() << "," << c.pointer.y());
    EXPECT_EQ(MagnifierSource(c.pointer, client, screen), c.source);
  }
}

TEST(MagnifierSource, AClientSmallerThanTheFactorCopiesNothing) {
  const QRect source = MagnifierSource({100, 100}, QSize(1, 250), QSize(1366, 768));
  EXPECT_EQ(source.width(), 0);
  EXPECT_EQ(source.height(), 125);
}

}  // namespace
}  // namespace motrevix
