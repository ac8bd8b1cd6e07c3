// The open procedure on generated recordings: one and two channels, with and
// without GPS, online and offline, and a list whose rows fail.
#include <unistd.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QSlider>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "catalog/file_list_widget.h"
#include "catalog/recording_listing.h"
#include "playback/sound_volume.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"
#include "tests/support/recording_prompt.h"

namespace motrevix::test {
namespace {

using OpenRecordingTest = MainWindowTest;

// The browser engine's helper processes this test program has started.
int BrowserEngineProcesses() {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, name, state;
    long parent = 0;
    if (!(stat >> pid >> name >> state >> parent)) continue;
    if (parent == ::getpid() && name.find("QtWebEngine") != std::string::npos) ++count;
  }
  return count;
}

TEST_F(OpenRecordingTest, SetsPanesGpsStateAndMapButton) {
  const struct {
    const char* name;
    RecordingKind kind;
    bool online;
    int rearHiddenByUser;
    int rearPane, mapPane, gpsState;
    bool mapButton, mapLoaded;
  } cases[] = {
      {"two channels, GPS, online", {2, true}, true, 0, 2, 2, 3, true, true},
      {"two channels, GPS, offline", {2, true}, false, 0, 2, 0, 3, false, false},
      {"two channels, rear hidden", {2, true}, false, 1, 0, 0, 3, false, false},
      {"one channel, no GPS, online", {1, false}, true, 0, 0, 0, 0, false, false},
      {"two channels, no GPS", {2, false}, false, 0, 2, 0, 0, false, false},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetAppGlobals();
    ResetViewGlobals();
    g_bRearHiddenByUser = c.rearHiddenByUser;
    const auto file = MakeRecording(c.kind, "rec" + std::to_string(index++) + ".AVI");
    RecordingPrompt prompt;
    MainWindowOptions options;
    options.forceOnline = c.online;
    CSamplePlayerDlg window(prompt, options);
    ReadoutCalls calls;
    window.AddReadout(std::make_unique<CallRecordingReadout>(calls));
    ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
    EXPECT_EQ(window.m_bRecordingLoaded, 1);
    EXPECT_EQ(window.m_Panes.m_nFrontPane, 1);
    EXPECT_EQ(window.m_Panes.m_nRearPane, c.rearPane);
    EXPECT_EQ(window.m_Panes.m_nMapPane, c.mapPane);
    EXPECT_EQ(window.m_nGpsState, c.gpsState);
    EXPECT_EQ(window.Control(kIdCameraMap)->isVisibleTo(&window), c.mapButton);
    EXPECT_EQ(!window.LoadedMapPage().isEmpty(), c.mapLoaded);
    EXPECT_EQ(g_bMapOnline, c.mapLoaded ? 1 : 0);
    EXPECT_EQ(window.TextData().m_aGPS.empty(), !c.kind.telemetry);
    EXPECT_EQ(calls.blanked, c.kind.telemetry ? 0 : 1);
    EXPECT_EQ(calls.opened, 1);
    if (!c.kind.telemetry || c.mapLoaded) {
      EXPECT_EQ(window.Control(kIdMapViewToggle)->isEnabled(), c.mapLoaded);
    }
    if (!c.kind.telemetry) {
      EXPECT_EQ(window.MapView()->geometry(), QRect(790, 380, 0, 0));
    }
    EXPECT_EQ(window.Player().GetState(), PlayState::Stopped);
  }
}

TEST_F(OpenRecordingTest, SetsDurationSlidersVolumeAndRate) {
  const auto file = MakeRecording({2, true, 2}, "two.AVI");
  CSamplePlayerDlg& window = Window();
  window.Slider(kIdVolume)->setValue(70);
  window.Slider(kIdRate)->setValue(2);
  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
  const std::int64_t d = window.Player().GetDurationMs();
  EXPECT_GT(d, 1500);
  EXPECT_EQ(g_llDurationMs, d);
  EXPECT_EQ(window.Slider(kIdProgress)->minimum(), 0);
  EXPECT_EQ(window.Slider(kIdProgress)->maximum(), d);
  EXPECT_EQ(window.Slider(kIdSecondProgress)->minimum(), 1);
  EXPECT_EQ(window.Slider(kIdSecondProgress)->maximum(), d - d / 60);
  EXPECT_EQ(window.Slider(kIdRate)->value(), 5);
  EXPECT_EQ(GetWaveOutVolume(), 45874u + 45874u * 65536u);
}

TEST_F(OpenRecordingTest, AFailingRowMovesOnToTheNext) {
  const auto bad = MakeBrokenRecording("bad.AVI");
  const auto good = MakeRecording({1, false}, "good.AVI");
  ListFiles({bad, good});
  CSamplePlayerDlg& window = Window();
  window.OnPlayPause();
  EXPECT_EQ(window.m_nCurrentItem, 1);
  EXPECT_EQ(window.m_bRecordingLoaded, 1);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  EXPECT_TRUE(window.FileList()->IsRowSelected(1));
  EXPECT_FALSE(window.FileList()->IsRowSelected(0));
}

TEST_F(OpenRecordingTest, AListOfFailingRowsStopsAfterOneRound) {
  const auto a = MakeBrokenRecording("a.AVI");
  const auto b = MakeBrokenRecording("b.AVI");
  const auto c = MakeBrokenRecording("c.AVI");
  ListFiles({a, b, c});
  CSamplePlayerDlg& window = Window();
  // Starting from the middle row: each of the three is tried once, then it stops.
  window.FileList()->SetRowSelected(1, true);
  window.OnPlayPause();
  EXPECT_EQ(window.m_nCurrentItem, -1);
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
  EXPECT_FALSE(window.Player().HasPipeline());
  EXPECT_FALSE(window.PlaybackTimerActive());
  EXPECT_EQ(window.FileList()->RowCount(), 3);
  // And it can be asked again.
  EXPECT_FALSE(window.OpenRecording(QString::fromStdString(a.string())));
  EXPECT_EQ(window.m_nCurrentItem, -1);
}

TEST_F(OpenRecordingTest, ARecordingWhoseNameIsNotUtf8IsListedAndPlays) {
  const auto made = MakeRecording({1, false}, "plain.AVI");
  const std::filesystem::path named = made.parent_path() / std::string("caf\xff\xe9.AVI");
  std::filesystem::rename(made, named);
  catalog::RecordingRows rows;
  catalog::ListAll(QString::fromStdString(named.parent_path().string()), rows);
  ASSERT_EQ(rows.size(), 1u);
  CSamplePlayerDlg& window = Window();
  window.SetListedRows(rows, {});
  window.OnPlayPause();
  EXPECT_EQ(window.m_bRecordingLoaded, 1);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
}

// The map page and its browser engine start only when a map is to be shown:
// playing offline, or a recording without GPS, starts no engine; going online
// with a GPS recording loads the page, which then draws the trip.
TEST_F(OpenRecordingTest, TheBrowserEngineStartsWithTheFirstMapShown) {
  const auto noGps = MakeRecording({2, false}, "nogps.AVI");
  const auto gps = MakeRecording({2, true}, "gps.AVI");
  MainWindowOptions offline;
  offline.forceOnline = false;
  CSamplePlayerDlg& window = Window(offline);
  window.show();
  for (const auto& file : {noGps, gps}) {
    ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
    window.OnPlayPause();
    WaitFor([] { return false; }, 700);
    EXPECT_EQ(BrowserEngineProcesses(), 0) << file;
    window.OnStop();
  }
  StartOver();
  MainWindowOptions online;
  online.forceOnline = true;
  CSamplePlayerDlg& mapped = Window(online);
  mapped.show();
  QSignalSpy loaded(mapped.MapView(), &QWebEngineView::loadFinished);
  ASSERT_TRUE(mapped.OpenRecording(QString::fromStdString(gps.string())));
  ASSERT_TRUE(loaded.wait(60000));
  EXPECT_TRUE(loaded.takeFirst().at(0).toBool());
  EXPECT_GT(BrowserEngineProcesses(), 0);
  bool drawn = false;
  mapped.MapView()->page()->runJavaScript(
      "trackLine ? trackLine.getLatLngs().length : 0",
      [&](const QVariant& points) { drawn = points.toInt() > 0; });
  EXPECT_TRUE(WaitFor([&] { return drawn; }, 10000));
}

}  // namespace
}  // namespace motrevix::test
