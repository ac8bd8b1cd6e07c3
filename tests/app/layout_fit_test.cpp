// Every layout of the main window fits: no two shown controls overlap and each
// lies inside the window. A two-channel recording with GPS is open and paused,
// so the camera buttons, the speed read-out and (online) the map inset show.
#include <QAbstractButton>
#include <QWebEngineView>
#include <vector>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"
#include "view/pane_rects.h"

namespace motrevix::test {
namespace {

struct ShownControl {
  std::string name;
  QRect rect;
};

// The main window's own shown controls: its child widgets with an area.
std::vector<ShownControl> ShownControls(const QWidget& window) {
  std::vector<ShownControl> shown;
  for (QObject* child : window.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow() || !widget->isVisible()) continue;
    if (widget->geometry().isEmpty()) continue;
    const QString name = widget->objectName();
    shown.push_back(
        {(name.isEmpty() ? QString(widget->metaObject()->className()) : name).toStdString(),
         widget->geometry()});
  }
  return shown;
}

// The full-screen bar's background carries the position slider and the time
// read-outs: lying wholly on it is its purpose, not a collision.
bool CarriedByTheBar(const ShownControl& a, const ShownControl& b) {
  const std::string bar = std::to_string(kIdFullProgressBack);
  return (a.name == bar && a.rect.contains(b.rect)) || (b.name == bar && b.rect.contains(a.rect));
}

void ExpectFits(const QWidget& window, const char* layout) {
  SCOPED_TRACE(layout);
  const std::vector<ShownControl> shown = ShownControls(window);
  EXPECT_GT(shown.size(), 10u);
  for (const ShownControl& control : shown)
    EXPECT_TRUE(window.rect().contains(control.rect))
        << control.name << " at " << control.rect.x() << "," << control.rect.y() << " "
        << control.rect.width() << "x" << control.rect.height() << " outside " << window.width()
        << "x" << window.height();
  for (std::size_t a = 0; a < shown.size(); ++a)
    for (std::size_t b = a + 1; b < shown.size(); ++b)
      EXPECT_TRUE(!shown[a].rect.intersects(shown[b].rect) || CarriedByTheBar(shown[a], shown[b]))
          << shown[a].name << " overlaps " << shown[b].name << " at " << shown[a].rect.x() << ","
          << shown[a].rect.y() << " " << shown[a].rect.width() << "x" << shown[a].rect.height();
}

class LayoutFit : public MainWindowTest {
 protected:
  CSamplePlayerDlg& OpenPaused(bool online) {
    MainWindowOptions options;
    options.forceOnline = online;
    CSamplePlayerDlg& window = Window(std::move(options));
    const auto file = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
    ListFiles({file});
    window.show();
    // As after choosing a card: the online check that lets the map take the inset.
    window.ReloadMapAfterSourceChoice();
    EXPECT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
    window.OnPlayPause();
    window.OnPlayPause();
    EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
    return window;
  }
  // Every layout in turn, and the returns between them.
  void ExpectEveryLayoutFits(CSamplePlayerDlg& window) {
    ExpectFits(window, "windowed");
    window.OnCommand(kIdExtendedLayout);
    ASSERT_EQ(window.size(), QSize(1011, 731));
    ExpectFits(window, "extended");
    window.OnCommand(kIdExtendedLayout);
    ASSERT_EQ(window.size(), QSize(1080, 710));
    ExpectFits(window, "windowed after the extended layout");
    window.Button(kIdFullScreen)->click();
    ASSERT_TRUE(WaitFor([&] { return window.size() == QSize(1366, 768); }));
    ExpectFits(window, "full screen");
    window.OnCommand(kIdExtendedLayout);
    window.Button(kIdOriginalScreen)->click();
    ASSERT_TRUE(WaitFor([&] { return window.size() == QSize(1011, 731); }));
    ExpectFits(window, "extended after full screen");
  }
};

TEST_F(LayoutFit, EveryLayoutFitsWithARecordingOpen) { ExpectEveryLayoutFits(OpenPaused(false)); }

TEST_F(LayoutFit, EveryLayoutFitsWithTheMapInTheInset) {
  CSamplePlayerDlg& window = OpenPaused(true);
  ASSERT_TRUE(window.MapView()->isVisible());
  EXPECT_EQ(window.MapView()->geometry(), kInsetPaneRect);
  ExpectEveryLayoutFits(window);
  // The last layout is the extended one: the map follows its inset.
  EXPECT_EQ(g_bExtendedLayout, 1);
  EXPECT_EQ(window.MapView()->geometry(), kExtendedInsetPaneRect);
}

}  // namespace
}  // namespace motrevix::test
