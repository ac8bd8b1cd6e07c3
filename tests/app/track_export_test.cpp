// Track export from the file list's context menu: the GPX that Python's XML
// reader reads with one point per valid fix of the recording, the CSV with one row
// per record, the entries greyed out without telemetry, a failed write reported,
// and a right double-click (the preview) opening no menu.
#include "app/track_export.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QTest>

#include "catalog/file_list_widget.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"

namespace motrevix::test {
namespace {

// The generator writes one GPS record a second and loses the fix for the
// seconds from 2/5 of the recording on, for a sixth of it: a 12 s recording has
// 12 records, fixes in seconds 0-3 and 6-11, ten points in two segments.
constexpr int kSeconds = 12;
constexpr int kValidFixes = 10;
constexpr int kSegments = 2;
// Ten G-sensor records a second besides.
constexpr int kRecords = kSeconds + 10 * kSeconds;

// Counts the track points and segments of a GPX file with Python's XML reader.
QString PythonGpxCounts(const std::filesystem::path& gpx) {
  QProcess python;
  python.start("python3",
               {"-c",
                "import sys, xml.etree.ElementTree as ET\n"
                "ns = {'g': 'http://www.topografix.com/GPX/1/1'}\n"
                "root = ET.parse(sys.argv[1]).getroot()\n"
                "pts = root.findall('g:trk/g:trkseg/g:trkpt', ns)\n"
                "segs = root.findall('g:trk/g:trkseg', ns)\n"
                "print(len(pts), len(segs), pts[0].get('lat')[:7], pts[0].get('lon')[:8])\n",
                QString::fromStdString(gpx.string())});
  if (!python.waitForFinished(20000)) return "python3 did not finish";
  return QString::fromUtf8(python.readAllStandardOutput()).trimmed() +
         QString::fromUtf8(python.readAllStandardError());
}

class TrackExport : public MainWindowTest {
 protected:
  // A window listing the files, shown so that the list lays its rows out.
  CSamplePlayerDlg& Listing(const std::vector<std::filesystem::path>& files) {
    ListFiles(files);
    CSamplePlayerDlg& window = Window();
    window.show();
    WaitFor([&] { return window.FileList()->isVisible(); });
    return window;
  }

  // A right click on a row, as the window system reports it; the menu once open.
  static void RightClick(CSamplePlayerDlg& window, int row) {
    catalog::CFileListWidget* list = window.FileList();
    const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &request);
  }
  static QMenu* OpenMenu(CSamplePlayerDlg& window, int row) {
    RightClick(window, row);
    QMenu* menu = nullptr;
    WaitFor([&] { return (menu = window.findChild<QMenu*>(kTrackExportMenuName)) != nullptr; });
    return menu;
  }
  static QAction* Entry(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
      if (action->text() == text) return action;
    return nullptr;
  }
  // Chooses an entry, as a click on it does, and lets the menu go.
  static void Choose(QMenu* menu, const QString& text) {
    QPointer<QMenu> open(menu);
    QAction* action = Entry(menu, text);
    ASSERT_NE(action, nullptr) << text.toStdString();
    action->trigger();
    menu->close();
    WaitFor([&] { return open.isNull(); });
  }
};

TEST_F(TrackExport, GpxHoldsOnePointPerValidFixAndCsvOneRowPerRecord) {
  const auto file = MakeRecording({2, true, kSeconds}, "N_2024_05_17_08_31_05.AVI");
  CSamplePlayerDlg& window = Listing({file});
  QMenu* menu = OpenMenu(window, 0);
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(Entry(menu, "Export track as GPX..."), nullptr);
  EXPECT_TRUE(Entry(menu, "Export track as GPX...")->isEnabled());
  EXPECT_TRUE(Entry(menu, "Export track as CSV...")->isEnabled());

  // A name without a suffix gets the format's.
  prompt_.chosenSaveFile = (scratch_ / "trip").string();
  Choose(menu, "Export track as GPX...");
  EXPECT_EQ(prompt_.offeredSaveName, (scratch_ / "N_2024_05_17_08_31_05.gpx").string());
  EXPECT_EQ(prompt_.offeredSaveFilter, "GPX track (*.gpx)");
  EXPECT_EQ(PythonGpxCounts(scratch_ / "trip.gpx"),
            QString("%1 %2 37.5520 126.9760").arg(kValidFixes).arg(kSegments));

  prompt_.chosenSaveFile = (scratch_ / "trip.csv").string();
  Choose(OpenMenu(window, 0), "Export track as CSV...");
  QFile csv(QString::fromStdString(prompt_.chosenSaveFile));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QByteArray text = csv.readAll();
  EXPECT_EQ(text.count("\r\n"), 1 + kRecords);
  EXPECT_EQ(text.count("\r\nG,"), kSeconds);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(TrackExport, WithoutTelemetryBothEntriesAreGreyedOut) {
  const auto plain = MakeRecording({1, false, 2}, "N_2024_05_17_08_31_05.AVI");
  CSamplePlayerDlg& window = Listing({plain});
  QMenu* menu = OpenMenu(window, 0);
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(Entry(menu, "Export track as GPX...")->isEnabled());
  EXPECT_FALSE(Entry(menu, "Export track as CSV...")->isEnabled());
}

TEST_F(TrackExport, AFailedWriteIsReportedAndACancelWritesNothing) {
  const auto file = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
  CSamplePlayerDlg& window = Listing({file});
  prompt_.chosenSaveFile = "";
  Choose(OpenMenu(window, 0), "Export track as GPX...");
  EXPECT_TRUE(prompt_.messages.empty());

  const auto target = scratch_ / "no such folder" / "trip.gpx";
  prompt_.chosenSaveFile = target.string();
  Choose(OpenMenu(window, 0), "Export track as GPX...");
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find("could not be written to \"" + target.string() + "\""),
            std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(prompt_.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(TrackExport, ARightDoubleClickOpensNoMenu) {
  const auto file = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
  CSamplePlayerDlg& window = Listing({file});
  catalog::CFileListWidget* list = window.FileList();
  const QPoint at = list->visualItemRect(list->topLevelItem(0)).center();
  RightClick(window, 0);
  QTest::mouseDClick(list->viewport(), Qt::RightButton, {}, at);
  WaitFor([] { return false; }, 2 * QApplication::doubleClickInterval());
  EXPECT_EQ(window.findChild<QMenu*>(kTrackExportMenuName), nullptr);
  // An X11 server asks for the menu on each press of the double-click.
  RightClick(window, 0);
  RightClick(window, 0);
  WaitFor([] { return false; }, 2 * QApplication::doubleClickInterval());
  EXPECT_EQ(window.findChild<QMenu*>(kTrackExportMenuName), nullptr);
  // A single right click opens it after the double-click interval.
  EXPECT_NE(OpenMenu(window, 0), nullptr);
}

}  // namespace
}  // namespace motrevix::test
