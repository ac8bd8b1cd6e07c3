// The thumbnail page's and frame strip's cells: where they lie, which cell a point
// hits, how many strip pictures a recording has, and which files a page pictures.
#include "catalog/thumbnail_geometry.h"

#include <gtest/gtest.h>

#include <QSet>
#include <fstream>

#include "catalog/thumbnail_page.h"
#include "tests/support/test_support.h"

namespace motrevix::catalog {
namespace {

TEST(ThumbnailCellsTest, CellsTileTheAreaFiveToARow) {
  // The page's second row sits directly under the first, whatever page is shown.
  EXPECT_EQ(PageCellRect(0), QRect(23, 100, 126, 174));
  EXPECT_EQ(PageCellRect(4), QRect(527, 100, 126, 174));
  EXPECT_EQ(PageCellRect(5), QRect(23, 274, 126, 174));
  EXPECT_EQ(PageCellRect(9), QRect(527, 274, 126, 174));
  EXPECT_EQ(PageFrontRect(7), QRect(275, 274, 126, 87));
  EXPECT_EQ(PageRearRect(7), QRect(275, 361, 126, 87));
  EXPECT_EQ(StripCellRect(0), QRect(23, 100, 126, 87));
  EXPECT_EQ(StripCellRect(6), QRect(149, 187, 126, 87));
  EXPECT_EQ(StripCellRect(19), QRect(527, 361, 126, 87));
  // Every cell stays inside the backdrop's rows.
  for (int c = 0; c < kStripCells; ++c) EXPECT_LE(StripCellRect(c).bottom(), 450) << c;
  for (int c = 0; c < kPageCells; ++c) EXPECT_LE(PageCellRect(c).bottom(), 450) << c;
}

struct HitCase {
  QPoint point;
  std::optional<int> pageCell;
  std::optional<int> stripCell;
};

TEST(ThumbnailCellsTest, HitTable) {
  const HitCase cases[] = {
      {{24, 101}, 0, 0},     // first pixel of the first cell
      {{23, 101}, {}, {}},   // its left border
      {{24, 100}, {}, {}},   // its top border
      {{148, 101}, 0, 0},    // last column of cell 0 (x0 + 124)
      {{149, 101}, {}, {}},  // the border between cells 0 and 1
      {{150, 101}, 1, 1},    // first column of cell 1
      {{652, 120}, 4, 4},    // last column of the last cell of a row
      {{653, 120}, {}, {}},  // right of the area
      {{30, 186}, 0, 0},     // bottom row of strip cell 0 (y0 + 85)
      {{30, 187}, 0, {}},    // strip border, still page cell 0
      {{30, 188}, 0, 5},     // strip row 1
      {{30, 273}, 0, 5},     // page cell 0's last row (y0 + 172) / strip row 1's
      {{30, 274}, {}, {}},   // the border between the page rows
      {{30, 275}, 5, 10},    // strip row 2 starts where its picture starts
      {{300, 360}, 7, 12},   // bottom of strip row 2's picture
      {{300, 362}, 7, 17},   // strip row 3
      {{652, 447}, 9, 19},   // last pixel of the last cells
      {{652, 448}, {}, {}},  // below the cells
      {{10, 10}, {}, {}},
  };
  for (const HitCase& c : cases) {
    EXPECT_EQ(PageCellAt(c.point), c.pageCell) << c.point.x() << "," << c.point.y();
    EXPECT_EQ(StripCellAt(c.point), c.stripCell) << c.point.x() << "," << c.point.y();
  }
}

TEST(ThumbnailCellsTest, StripTakesThePicturesThatExist) {
  const std::pair<std::int64_t, int> cases[] = {
      {0, 0}, {1000, 0}, {1001, 1}, {4000, 1}, {4001, 2}, {30000, 10}, {58001, 20}, {3600000, 20},
  };
  for (const auto& [durationMs, cells] : cases)
    EXPECT_EQ(StripCellCount(durationMs), cells) << durationMs;
  EXPECT_DOUBLE_EQ(StripCellSeconds(0), 1.0);
  EXPECT_DOUBLE_EQ(StripCellSeconds(19), 58.0);
}

TEST(ThumbnailPageFilesTest, PagesOfTenOverEveryFileOnce) {
  const auto dir = test::ScratchDir();
  for (int i = 0; i < 25; ++i)
    std::ofstream(dir / ("N_2024_05_17_08_" + std::to_string(10 + i) + "_00.AVI")) << "x";
  // Sub-folders take no index; a file of any name does.
  std::filesystem::create_directories(dir / "Event" / "deep");
  std::ofstream(dir / "Event" / "E_2024_05_17_09_00_00.AVI") << "x";
  std::ofstream(dir / "notes.txt") << "x";
  const QString folder = QString::fromStdString(dir.string()) + "/";

  QSet<QString> seen;
  const std::pair<int, int> pages[] = {{0, 10}, {10, 10}, {20, 6}, {30, 0}, {40, 0}};
  for (const auto& [first, count] : pages) {
    const ThumbnailPageFiles page = FilesOfPage(folder, first);
    ASSERT_EQ(page.count, count) << first;
    for (int k = 0; k < kPageCells; ++k) {
      if (k >= count) {
        EXPECT_TRUE(page.paths[k].isEmpty());
        continue;
      }
      EXPECT_TRUE(page.paths[k].startsWith(QString::fromStdString(dir.string()) + "/"));
      EXPECT_FALSE(page.paths[k].contains("//")) << page.paths[k].toStdString();
      EXPECT_TRUE(std::filesystem::is_regular_file(page.paths[k].toStdString()));
      EXPECT_FALSE(seen.contains(page.paths[k])) << page.paths[k].toStdString();
      seen.insert(page.paths[k]);
    }
  }
  EXPECT_EQ(seen.size(), 26);
  EXPECT_EQ(FilesOfPage(folder + "missing", 0).count, 0);
  EXPECT_EQ(FilesOfPage("", 0).count, 0);
}

}  // namespace
}  // namespace motrevix::catalog
