// The real MapView.htm from beside the built programs in Qt WebEngine: the
// position marker, the trip, hostile command texts and many calls in a row.
// Needs no network: Leaflet lies beside the page, and missing tiles only show
// the page's notice.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWebEnginePage>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "telemetry/map_view.h"
#include "telemetry/number_text.h"
#include "telemetry/position_lookup.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace motrevix {
namespace {

// Keeps the page's console errors.
class ConsoleRecordingPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;
  QStringList errors;

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int line, const QString&) override {
    if (level == ErrorMessageLevel) errors << QString("%1 (line %2)").arg(message).arg(line);
  }
};

QString BuiltPage() { return QString(std::getenv("MOTREVIX_BIN_DIR")) + "/MapView.htm"; }

class MapPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFileInfo::exists(BuiltPage())) << BuiltPage().toStdString();
    page_ = new ConsoleRecordingPage(&view_);
    view_.setPage(page_);
    view_.resize(400, 300);
    view_.show();
    Load();
  }

  void Load() {
    QSignalSpy loaded(&view_, &QWebEngineView::loadFinished);
    view_.Navigate(BuiltPage());
    ASSERT_TRUE(loaded.wait(60000));
    ASSERT_TRUE(loaded.takeFirst().at(0).toBool());
  }

  // Evaluates a script expression in the page and returns its value as text.
  QString Evaluate(const QString& expression) {
    std::optional<QString> result;
    page_->runJavaScript(expression, [&](const QVariant& value) { result = value.toString(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 20000)) << "no answer";
    return result.value_or("(none)");
  }

  // Runs a command text and waits for its result.
  QString Execute(const std::string& command) {
    std::optional<QString> result;
    view_.ExecuteScript(command, [&](const QString& text) { result = text; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 20000)) << command;
    return result.value_or("(none)");
  }

  QString Marker() {
    return Evaluate(
        "marker === null ? 'none' : marker.getLatLng().lat.toFixed(6) + ',' + "
        "marker.getLatLng().lng.toFixed(6)");
  }

  CMapView view_{nullptr};
  ConsoleRecordingPage* page_ = nullptr;
};

TEST_F(MapPageTest, LoadsLeafletFromBesideThePageWithTheOpenStreetMapAttribution) {
  EXPECT_EQ(Evaluate("typeof L === 'object' && typeof DrawCurrent === 'function' && "
                     "typeof DrawTrack === 'function'"),
            "true");
  EXPECT_EQ(Evaluate("Array.from(document.querySelectorAll('script[src], link[href]'))"
                     ".every(function (e) { return (e.src || e.href).startsWith('file:'); })"),
            "true");
  const QString attribution =
      Evaluate("document.querySelector('.leaflet-control-attribution').textContent");
  EXPECT_TRUE(attribution.contains("OpenStreetMap")) << attribution.toStdString();
  EXPECT_EQ(Evaluate("document.querySelector('.leaflet-control-attribution a[href="
                     "\"https://www.openstreetmap.org/copyright\"]') !== null"),
            "true");
}

TEST_F(MapPageTest, DrawCurrentMovesTheMarkerAndIgnoresTextsThatAreNoFiniteNumbers) {
  EXPECT_EQ(Marker(), "none");
  EXPECT_EQ(Execute("javascript:DrawCurrent('37.512345', '127.012345')"), "");
  EXPECT_EQ(Marker(), "37.512345,127.012345");
  EXPECT_EQ(Evaluate("map.getBounds().contains(marker.getLatLng())"), "true");

  for (const char* command :
       {"javascript:DrawCurrent('NaN', '1')", "javascript:DrawCurrent('Infinity', '2')",
        "javascript:DrawCurrent('1e999', '3')", "javascript:DrawCurrent('12abc', '4')",
        "javascript:DrawCurrent('', '5')", "javascript:DrawCurrent('1')",
        "javascript:DrawCurrent('95', '5')", "javascript:DrawCurrent('0x10', '5')"}) {
    Execute(command);
    EXPECT_EQ(Marker(), "37.512345,127.012345") << command;
  }
  // Far away: the marker moves and the map follows it.
  Execute("javascript:DrawCurrent('-33.868820', '151.209296')");
  EXPECT_EQ(Marker(), "-33.868820,151.209296");
  EXPECT_EQ(Evaluate("map.getBounds().contains(marker.getLatLng())"), "true");
  EXPECT_TRUE(page_->errors.isEmpty()) << page_->errors.join("\n").toStdString();
}

TEST_F(MapPageTest, TheTripIsALineThroughEveryValidFixAndIsDrawnAgainAfterALoad) {
  std::vector<CGPSData> gps;
  for (int i = 0; i < 8; ++i) {
    CGPSData fix;
    fix.m_nTimeMs = i * 1000;
    fix.m_bValid = i == 3 ? 0 : 1;  // one lost fix
    fix.m_dLatitude = 3733.0 + i * 0.05;
    fix.m_dLongitude = 12658.0 + i * 0.08;
    gps.push_back(fix);
  }
  const std::vector<GeoPosition> track = TrackOfValidFixes(gps);
  ASSERT_EQ(track.size(), 7u);
  view_.SetTrack(track);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate("trackLine === null") == "false"; }, 20000));
  EXPECT_EQ(Evaluate("trackLine.getLatLngs().length"), "7");
  EXPECT_EQ(Evaluate("map.getBounds().contains(trackLine.getBounds())"), "true");
  EXPECT_EQ(Evaluate("trackLine.getLatLngs()[0].lat.toFixed(6)"),
            QString::fromStdString(FixedText(track[0].latitude, 6)));

  Load();  // a fresh page: the view draws the trip again by itself
  EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate("trackLine === null") == "false"; }, 20000));
  EXPECT_EQ(Evaluate("trackLine.getLatLngs().length"), "7");

  // The next recording has no valid fix: the old trip goes away.
  view_.SetTrack({});
  EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate("trackLine === null") == "true"; }, 20000));
}

TEST_F(MapPageTest, HostileCommandTextsRunNothing) {
  const char* hostile[] = {
      "javascript:DrawCurrent('1');window.pwned=1//",
      "javascript:DrawCurrent(\"1\", \"2\");window.pwned=1;(\"",
      "javascript:eval('window.pwned=1')",
      "javascript:setTimeout('window.pwned=1', 0)",
      "javascript:Function('window.pwned=1')",
      "javascript:window.pwned=1;DrawCurrent('1','2')",
      "javascript:DrawCurrent('</script><script>window.pwned=1</script>', '2')",
  };
  for (const char* command : hostile) EXPECT_EQ(Execute(command), "") << command;
  QTest::qWait(200);  // a timer the page might have been made to start
  EXPECT_EQ(Evaluate("typeof window.pwned"), "undefined");
  // Only the second text held a real call: DrawCurrent("1", "2") and a stray string.
  EXPECT_EQ(Marker(), "1.000000,2.000000");
  EXPECT_TRUE(page_->errors.isEmpty()) << page_->errors.join("\n").toStdString();
}

TEST_F(MapPageTest, MissingFunctionsAndEmptyTextsFailSilentlyWithAnEmptyResult) {
  EXPECT_EQ(Execute(""), "");
  EXPECT_EQ(Execute("javascript:NoSuchFunction('1', '2')"), "");
  EXPECT_EQ(Execute("javascript:ReadDegrees"), "");  // the page's own helper returns null
  EXPECT_EQ(Execute("javascript:DrawTrack('37.5', '127.0')"), "1");
}

TEST_F(MapPageTest, AHundredCallsInARowRaiseNoErrorAndEndAtTheLastPosition) {
  for (int i = 0; i < 100; ++i) {
    const GeoPosition position{37.5 + i * 0.0001, 127.0 + i * 0.0002};
    view_.ExecuteScript(DrawCurrentCommand(position));
  }
  EXPECT_EQ(Execute("javascript:DrawCurrent('37.509900', '127.019800')"), "");
  EXPECT_EQ(Marker(), "37.509900,127.019800");
  EXPECT_EQ(Evaluate("map.getBounds().contains(marker.getLatLng())"), "true");
  EXPECT_TRUE(page_->errors.isEmpty()) << page_->errors.join("\n").toStdString();
}

}  // namespace
}  // namespace motrevix
