// A recording with GPS and G-sensor records played in the main window: the tick
// drives the speed digits, the map page's marker and trip, and the graph.
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <optional>

#include "app/app_globals.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/map_view.h"
#include "telemetry/number_text.h"
#include "telemetry/position_lookup.h"
#include "telemetry/speed_digits.h"
#include "telemetry/speed_readout_widget.h"
#include "telemetry/telemetry_globals.h"
#include "tests/app/window_fixture.h"

namespace motrevix::test {
namespace {

using TelemetryDisplayTest = MainWindowTest;

CSpeedReadoutWidget* SpeedDigits(CSamplePlayerDlg& window) {
  return window.findChild<CSpeedReadoutWidget*>("SpeedReadout");
}

QString Evaluate(QWebEnginePage* page, const QString& expression) {
  std::optional<QString> result;
  page->runJavaScript(expression, [&](const QVariant& value) { result = value.toString(); });
  if (!QTest::qWaitFor([&] { return result.has_value(); }, 20000)) return "(no answer)";
  return *result;
}

TEST_F(TelemetryDisplayTest, PlayingDrivesTheDigitsTheMapAndTheGraph) {
  // The generator's fixes: one a second, 0, 9 and 18 km/h.
  const auto file = MakeRecording({2, true, 3}, "gps.AVI");
  MainWindowOptions options;
  options.forceOnline = true;
  CSamplePlayerDlg& window = Window(options);
  ListFiles({file});
  window.show();
  CSpeedReadoutWidget* digits = SpeedDigits(window);
  ASSERT_NE(digits, nullptr);
  EXPECT_EQ(digits->geometry(), QRect(kSpeedReadoutX, kSpeedReadoutY, 78, 37));

  QSignalSpy loaded(window.MapView(), &QWebEngineView::loadFinished);
  window.OnPlayPause();
  ASSERT_EQ(window.Player().GetState(), PlayState::Running);
  EXPECT_TRUE(QFileInfo::exists(window.LoadedMapPage())) << window.LoadedMapPage().toStdString();
  ASSERT_TRUE(loaded.wait(60000));
  ASSERT_TRUE(loaded.takeFirst().at(0).toBool());

  // The trip: every valid fix of the recording.
  const std::size_t fixes = TrackOfValidFixes(window.TextData().m_aGPS).size();
  ASSERT_GE(fixes, 2u);
  QTRY_COMPARE_WITH_TIMEOUT(
      Evaluate(window.MapView()->page(), "trackLine ? trackLine.getLatLngs().length : 0"),
      QString::number(fixes), 10000);

  // A moving fix reaches the digits and the marker.
  QTRY_VERIFY_WITH_TIMEOUT(g_dSpeed >= 9.0, 4000);
  EXPECT_EQ(g_bSpeedValid, 1);
  QTRY_COMPARE_WITH_TIMEOUT(digits->Cells(), SpeedDigitCells(true, g_dSpeed), 2000);
  EXPECT_NE(digits->Cells(), kBlankSpeedCells);
  const QString expected =
      QString::fromStdString(FixedText(g_dLatitude, 6) + "," + FixedText(g_dLongitude, 6));
  QTRY_COMPARE_WITH_TIMEOUT(Evaluate(window.MapView()->page(),
                                     "marker ? marker.getLatLng().lat.toFixed(6) + ',' + "
                                     "marker.getLatLng().lng.toFixed(6) : 'none'"),
                            expected, 4000);

  EXPECT_GT(window.GSensorWnd()->MarkerMs(), 0);
}

TEST_F(TelemetryDisplayTest, OfflineTheDigitsStillFollowAndWithoutGpsTheyAreBlank) {
  const auto withGps = MakeRecording({1, true, 3}, "gps.AVI");
  const auto withoutGps = MakeRecording({1, false, 2}, "none.AVI");
  ListFiles({withGps, withoutGps});
  CSamplePlayerDlg& window = Window();  // offline
  CSpeedReadoutWidget* digits = SpeedDigits(window);
  ASSERT_NE(digits, nullptr);

  window.OnPlayPause();
  QTRY_VERIFY_WITH_TIMEOUT(g_dSpeed >= 9.0, 4000);
  QTRY_COMPARE_WITH_TIMEOUT(digits->Cells(), SpeedDigitCells(true, g_dSpeed), 2000);
  EXPECT_EQ(g_bMapOnline, 0);
  EXPECT_TRUE(window.LoadedMapPage().isEmpty());

  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(withoutGps.string())));
  EXPECT_EQ(digits->Cells(), kBlankSpeedCells);
}

}  // namespace
}  // namespace motrevix::test
