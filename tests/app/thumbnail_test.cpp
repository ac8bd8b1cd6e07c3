// The thumbnail page, the frame strip and the preview on the main window, on a
// folder of short generated recordings: which cells get pictures, what they show,
// what a double-click opens, and what Play, Stop and a row double-click put back.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QTest>
#include <QToolTip>
#include <fstream>

#include "app/control_ids.h"
#include "app/skin_face_sets.h"
#include "app/thumbnail_feature.h"
#include "catalog/catalog_globals.h"
#include "catalog/file_list_widget.h"
#include "catalog/thumbnail_canvas_widget.h"
#include "catalog/thumbnail_globals.h"
#include "playback/still_frame_grabber.h"
#include "skin/skin_store.h"
#include "tests/app/window_fixture.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;
using namespace catalog;

class Thumbnails : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ResetCatalogGlobals();
  }

  // A folder of `count` recordings: copies of a two-channel and a one-channel one
  // by turns, named in time order.
  fs::path MakeFolder(const std::string& name, int count, int seconds = 2) {
    const fs::path two = MakeRecording({2, true, seconds}, name + "-two.AVI");
    const fs::path one = MakeRecording({1, true, seconds}, name + "-one.AVI");
    const fs::path folder = scratch_ / name;
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
      const fs::path file = folder / ("N_2024_05_17_08_" + std::to_string(10 + i) + "_00.AVI");
      fs::copy_file(i % 2 == 0 ? two : one, file);
      files_.push_back(file);
    }
    return folder;
  }

  CSamplePlayerDlg& ShownWindow() {
    CSamplePlayerDlg& window = Window();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    return window;
  }

  CThumbnailCanvas* Canvas() { return Window().findChild<CThumbnailCanvas*>(); }

  // The backdrop covers the cells but for the last two columns of the fifth.
  bool ShowsBackdrop(const QRect& cell) {
    const QRect rect = cell.intersected(kThumbArea);
    const QImage backdrop =
        SkinBitmap(kThumbnailBackdrop).toImage().convertToFormat(QImage::Format_RGB32);
    return Canvas()->Contents(rect) == backdrop.copy(rect.translated(-kThumbArea.topLeft()));
  }

  void DoubleClickCanvas(QPoint windowPoint) {
    QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, windowPoint - Canvas()->pos());
  }

  void ClickRow(int row) {
    CFileListWidget* list = Window().FileList();
    const QRect r = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }

  std::vector<fs::path> files_;
};

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

TEST_F(Thumbnails, PagesOfTwentyFiveRecordings) {
  const fs::path folder = MakeFolder("Normal", 25);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();

  struct Step {
    int command;
    int first;
    int pictured;
  };
  const Step steps[] = {
      {kIdThumbnailPage, 0, 10}, {kIdPageNext, 10, 10},    {kIdPageNext, 20, 5},
      {kIdPageNext, 30, 0},      {kIdPagePrevious, 20, 5}, {kIdPagePrevious, 10, 10},
      {kIdPagePrevious, 0, 10},  {kIdPagePrevious, 0, 10},  // "<" on the first page does nothing
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.command) + " to " + std::to_string(step.first));
    window.OnCommand(step.command);
    EXPECT_EQ(g_bThumbView, 1);
    EXPECT_EQ(g_bThumbsDrawn, 1);
    EXPECT_EQ(g_nThumbFirst, step.first);
    EXPECT_EQ(g_nThumbPage, step.first / 10);
    EXPECT_TRUE(Canvas()->isVisible());
    EXPECT_TRUE(window.Control(kIdPageNext)->isVisible());
    for (int k = 0; k < kPageCells; ++k) {
      const bool pictured = k < step.pictured;
      EXPECT_EQ(!ShowsBackdrop(PageFrontRect(k)), pictured) << "cell " << k;
      EXPECT_EQ(!ShowsBackdrop(PageRearRect(k)), pictured) << "cell " << k;
      EXPECT_EQ(!g_astrThumbPath[k].isEmpty(), pictured) << "cell " << k;
    }
  }
}

TEST_F(Thumbnails, TwoChannelsFrontOverRearOneChannelFillsTheCell) {
  const fs::path folder = MakeFolder("Event", 2);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();
  window.OnCommand(kIdThumbnailPage);

  // The recordings last 2 s: the page's 15 s is past their end, so their last
  // pictures are shown.
  for (int k = 0; k < 2; ++k) {
    const std::string path = g_astrThumbPath[k].toStdString();
    CStillFrameGrabber grabber;
    ASSERT_TRUE(grabber.Open(path));
    if (grabber.VideoStreamCount() == 2) {
      EXPECT_EQ(Canvas()->Contents(PageFrontRect(k)),
                Rgb32(grabber.Grab({0, 15, QSize(126, 87), PastEnd::LastPicture})));
      EXPECT_EQ(Canvas()->Contents(PageRearRect(k)),
                Rgb32(grabber.Grab({1, 15, QSize(126, 87), PastEnd::LastPicture})));
    } else {
      EXPECT_EQ(Canvas()->Contents(PageCellRect(k)),
                Rgb32(grabber.Grab({0, 15, QSize(126, 174), PastEnd::LastPicture})));
    }
  }
}

TEST_F(Thumbnails, DoubleClickOnACellOpensARecording) {
  const fs::path folder = MakeFolder("Normal", 12);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();

  // A right-click tells a cell's recording once a page was drawn.
  QTest::mousePress(&window, Qt::RightButton, {}, PageCellRect(3).center());
  EXPECT_TRUE(QToolTip::text().isEmpty());
  window.OnCommand(kIdThumbnailPage);
  QTest::mousePress(Canvas(), Qt::RightButton, {}, PageCellRect(3).center() - Canvas()->pos());
  EXPECT_EQ(QToolTip::text(), g_astrThumbPath[3]);

  // A shown page: the cell's own recording, and its row becomes the played one.
  window.OnCommand(kIdPageNext);
  const QString second = g_astrThumbPath[1];
  ASSERT_FALSE(second.isEmpty());
  DoubleClickCanvas(PageCellRect(1).center());
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  const int row = window.m_nCurrentItem;
  ASSERT_GE(row, 0);
  EXPECT_EQ(window.FileList()->ItemText(row, 3), second);
  EXPECT_EQ(window.FileList()->PlayingRow(), row);
  EXPECT_EQ(g_bThumbView, 0);
  EXPECT_FALSE(Canvas()->isVisible());

  // No page shown: the cell stands for list row first + k.
  window.OnStop();
  QTest::mouseDClick(&window, Qt::LeftButton, {}, PageCellRect(7).center());
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  EXPECT_EQ(window.m_nCurrentItem, 7);
  EXPECT_EQ(g_astrThumbPath[7], window.FileList()->ItemText(7, 3));

  // Outside the cells nothing opens.
  window.OnStop();
  QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(700, 300));
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
}

TEST_F(Thumbnails, ShownPageOpensItsRecordingWhateverTheListShows) {
  const fs::path folder = MakeFolder("Normal", 3);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();
  window.OnCommand(kIdThumbnailPage);

  // The list now shows another folder: one-channel recordings only.
  const fs::path other = MakeRecording({1, true, 2}, "other.AVI");
  window.SetListedRows({}, {});
  ListFiles({other, other, other}, QString::fromStdString(scratch_.string()));
  int twoChannelCell = -1;
  for (int k = 0; k < 3; ++k) {
    CStillFrameGrabber grabber;
    if (grabber.Open(g_astrThumbPath[k].toStdString()) && grabber.VideoStreamCount() == 2)
      twoChannelCell = k;
  }
  ASSERT_GE(twoChannelCell, 0);
  DoubleClickCanvas(PageCellRect(twoChannelCell).center());
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  EXPECT_EQ(window.Player().GetChannelCount(), 2);
  // Its recording has no row in this list.
  EXPECT_EQ(window.m_nCurrentItem, -1);
  EXPECT_EQ(window.FileList()->PlayingRow(), -1);
}

TEST_F(Thumbnails, StripOfTheClickedRowAndItsPick) {
  const fs::path folder = MakeFolder("Normal", 2, 8);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();

  // Without a row click there is no strip.
  window.OnCommand(kIdFrameStrip);
  EXPECT_EQ(g_bStripShown, 0);
  EXPECT_FALSE(Canvas()->isVisible());

  ClickRow(1);
  window.OnCommand(kIdFrameStrip);
  EXPECT_EQ(g_bStripShown, 1);
  ASSERT_TRUE(Canvas()->isVisible());
  // An 8 s recording has pictures at 1, 4 and 7 s.
  const std::string path = window.FileList()->ItemText(1, 3).toStdString();
  for (int cell = 0; cell < kStripCells; ++cell) {
    if (cell < 3)
      EXPECT_EQ(Canvas()->Contents(StripCellRect(cell)),
                Rgb32(GrabFrame(path, {0, 1.0 + 3 * cell, QSize(126, 87)})))
          << cell;
    else
      EXPECT_TRUE(ShowsBackdrop(StripCellRect(cell))) << cell;
  }

  // The pick opens the clicked row and plays from the cell's moment.
  DoubleClickCanvas(StripCellRect(1).center());
  EXPECT_EQ(g_bStripShown, 0);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  EXPECT_EQ(window.m_nCurrentItem, 1);
  EXPECT_EQ(window.FileList()->PlayingRow(), 1);
  EXPECT_GE(window.Player().GetPositionMs(), 4000);
  EXPECT_LT(window.Player().GetPositionMs(), 6000);

  // The strip used up the click.
  window.OnStop();
  window.OnCommand(kIdFrameStrip);
  EXPECT_EQ(g_bStripShown, 0);

  // A cell without a picture opens nothing, and the strip's pick is spent.
  ClickRow(0);
  window.OnCommand(kIdFrameStrip);
  DoubleClickCanvas(StripCellRect(8).center());
  EXPECT_EQ(g_bStripShown, 0);
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
}

TEST_F(Thumbnails, PlayStopAndRowDoubleClickGiveTheVideoBack) {
  const fs::path folder = MakeFolder("Normal", 12);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();

  // The page while a recording plays: playback stops, and the page is the shown one.
  window.OnPlayPause();
  ASSERT_EQ(window.Player().GetState(), PlayState::Running);
  window.OnCommand(kIdThumbnailPage);
  EXPECT_NE(window.Player().GetState(), PlayState::Running);
  EXPECT_EQ(g_bThumbView, 1);
  window.OnCommand(kIdPageNext);
  EXPECT_EQ(g_nThumbFirst, 10);

  struct Case {
    const char* action;
    std::function<void()> act;
    int thumbView, thumbsDrawn, first;
  };
  const Case cases[] = {
      {"play", [&] { window.OnPlayPause(); }, 0, 0, 10},
      {"stop", [&] { window.OnStop(); }, 0, 0, 0},
      {"row double-click", [&] { emit window.FileList()->RowActivated(0); }, 0, 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    window.OnStop();
    window.OnCommand(kIdThumbnailPage);
    window.OnCommand(kIdPageNext);
    ASSERT_EQ(g_nThumbFirst, 10);
    c.act();
    EXPECT_EQ(g_bThumbView, c.thumbView);
    EXPECT_EQ(g_bThumbsDrawn, c.thumbsDrawn);
    EXPECT_EQ(g_nThumbFirst, c.first);
    EXPECT_FALSE(Canvas()->isVisible());
    EXPECT_FALSE(window.Control(kIdPageNext)->isVisible());
  }
}

TEST_F(Thumbnails, PreviewOfARowByRightDoubleClick) {
  const fs::path folder = MakeFolder("Normal", 1, 12);
  ListFiles(files_, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();
  CFileListWidget* list = window.FileList();
  const QRect r = list->visualItemRect(list->topLevelItem(0));
  QTest::mouseDClick(list->viewport(), Qt::RightButton, {}, r.center());

  ASSERT_TRUE(Canvas()->isVisible());
  const QImage expected = GrabFrame(files_[0].string(), {0, 10, QSize(640, 360)});
  EXPECT_EQ(Canvas()->Contents(kPreviewTarget), Rgb32(expected.copy(0, 0, 627, 350)));
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
}

TEST_F(Thumbnails, FilesThatAreNoRecordingsGiveEmptyCells) {
  const fs::path folder = scratch_ / "mixed";
  fs::create_directories(folder / "sub");
  std::ofstream(folder / "notes.txt") << "not a recording\n";
  std::ofstream(folder / "N_2024_05_17_08_00_00.AVI");  // empty
  ASSERT_EQ(::mkfifo((folder / "pipe.AVI").c_str(), 0600), 0);
  ListFiles({}, QString::fromStdString(folder.string()));
  CSamplePlayerDlg& window = ShownWindow();
  window.OnCommand(kIdThumbnailPage);

  int named = 0;
  for (int k = 0; k < kPageCells; ++k) {
    named += !g_astrThumbPath[k].isEmpty();
    EXPECT_TRUE(ShowsBackdrop(PageCellRect(k))) << k;
  }
  EXPECT_EQ(named, 3);  // the folder takes no cell
  DoubleClickCanvas(PageCellRect(0).center());
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
  EXPECT_EQ(window.m_nCurrentItem, -1);
}

}  // namespace
}  // namespace motrevix::test
