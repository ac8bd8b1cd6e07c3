// The screen modes of the main window on a 1366 x 768 screen: Full Screen and
// Original Screen, the faces of each mode and play state, the background, and
// the extended layout.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <cstdlib>
#include <functional>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "telemetry/speed_readout_widget.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"
#include "view/lens_dlg.h"
#include "view/video_hosts.h"
#include "view/view_globals.h"

namespace motrevix::test {
namespace {

int NormalFace(CSamplePlayerDlg& window, int id) {
  return window.Button(id)->property("faceNumbers").toList().value(0).toInt();
}

class ScreenModes : public MainWindowTest {
 protected:
  CSamplePlayerDlg& Shown() {
    CSamplePlayerDlg& window = Window();
    window.show();
    return window;
  }
  void Click(CSamplePlayerDlg& window, int id, QSize expectedSize) {
    window.Button(id)->click();
    EXPECT_TRUE(WaitFor([&] { return window.size() == expectedSize; })) << window.size().width();
  }
};

TEST_F(ScreenModes, FullScreenAndBackRestoresTheWindowedLayout) {
  const auto file = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Shown();
  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
  window.OnPlayPause();
  window.OnPlayPause();
  ASSERT_EQ(window.Player().GetState(), PlayState::Paused);
  ASSERT_NE(window.SpeedDigits(), nullptr);

  Click(window, kIdFullScreen, QSize(1366, 768));
  EXPECT_EQ(window.m_nScreenMode, 2);
  EXPECT_TRUE(window.Background().isNull());
  EXPECT_FALSE(window.SpeedDigits()->isVisible());
  EXPECT_TRUE(window.Button(kIdOriginalScreen)->isVisible());
  EXPECT_FALSE(window.Control(kIdFileList)->isVisible());
  EXPECT_FALSE(window.Control(kIdConfiguration)->isVisible());
  // The control bar of the pane layout places the time labels last.
  EXPECT_EQ(window.Label(kIdPositionTime)->geometry().topLeft(), QPoint(336, 751));
  const QImage shot = window.grab().toImage();
  EXPECT_NE(shot.pixelColor(600, 300), QColor(Qt::black)) << "the picture covers the middle";
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::black));
  const struct {
    int id;
    int windowed;
    int fullScreen;
  } faces[] = {
      {kIdPrevious, 241, 363},   {kIdNext, 244, 373},           {kIdSecondBack, 242, 369},
      {kIdSecondNext, 243, 367}, {kIdFrameStep, 245, 365},      {kIdMinimize, 264, 383},
      {kIdFullScreen, 263, 392}, {kIdExit, 265, 381},           {kIdOriginalScreen, 277, 385},
      {kIdPlay, 232, 377},       {kIdFullProgressBack, 0, 391},
  };
  for (const auto& f : faces) EXPECT_EQ(NormalFace(window, f.id), f.fullScreen) << f.id;

  // Full Screen again only toggles the stretch.
  EXPECT_EQ(g_bFullScreenStretch, 0);
  window.Button(kIdFullScreen)->click();
  EXPECT_EQ(g_bFullScreenStretch, 1);
  EXPECT_EQ(window.m_nScreenMode, 2);

  Click(window, kIdOriginalScreen, QSize(1080, 710));
  EXPECT_EQ(window.m_nScreenMode, 1);
  EXPECT_EQ(window.Background().deviceIndependentSize().toSize(), QSize(1080, 710));
  EXPECT_TRUE(window.SpeedDigits()->isVisible());
  EXPECT_FALSE(window.SpeedDigits()->DigitStrip().isNull());
  EXPECT_FALSE(window.Button(kIdOriginalScreen)->isVisible());
  EXPECT_TRUE(window.Control(kIdFileList)->isVisible());
  EXPECT_EQ(window.Control(kIdConfiguration)->geometry(), QRect(29, 642, 32, 32));
  EXPECT_EQ(window.Label(kIdPositionTime)->geometry(), QRect(49, 503, 50, 12));
  EXPECT_EQ(window.Control(kIdExit)->geometry(), QRect(1041, 10, 19, 19));
  for (const auto& f : faces) {
    if (f.windowed != 0 && f.id != kIdOriginalScreen) {
      EXPECT_EQ(NormalFace(window, f.id), f.windowed) << f.id;
    }
  }
  EXPECT_NE(window.grab().toImage().pixelColor(10, 10), QColor(Qt::black));
}

TEST_F(ScreenModes, ThePlayButtonFollowsThePlayStateInBothModes) {
  const auto file = MakeRecording({1, false, 3}, "N_2024_05_17_08_31_05.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Shown();
  window.OnPlayPause();
  ASSERT_EQ(window.Player().GetState(), PlayState::Running);
  Click(window, kIdFullScreen, QSize(1366, 768));
  EXPECT_EQ(NormalFace(window, kIdPlay), 375);
  EXPECT_EQ(window.Button(kIdPlay)->toolTip(), "Pause (Space)");
  window.OnPlayPause();
  EXPECT_EQ(NormalFace(window, kIdPlay), 377);
  window.OnPlayPause();
  Click(window, kIdOriginalScreen, QSize(1080, 710));
  EXPECT_EQ(NormalFace(window, kIdPlay), 278);
  EXPECT_EQ(window.Button(kIdPlay)->toolTip(), "Pause (Space)");
  window.OnStop();
  // Stopped: the time labels show zero in either mode.
  Click(window, kIdFullScreen, QSize(1366, 768));
  EXPECT_EQ(window.Label(kIdPositionTime)->text(), "00:00:00");
  EXPECT_EQ(window.Label(kIdDurationTime)->text(), "00:00:00");
}

TEST_F(ScreenModes, TheExtendedLayoutSwapsTheBackgroundAndSizesTheWindow) {
  CSamplePlayerDlg& window = Shown();
  const QRect screen = window.screen()->availableGeometry();
  window.OnCommand(kIdExtendedLayout);
  EXPECT_EQ(g_bExtendedLayout, 1);
  EXPECT_EQ(window.Background().deviceIndependentSize().toSize(), QSize(1011, 731));
  EXPECT_EQ(window.size(), QSize(1011, 731));
  for (int id : {kIdHourFilter, kIdMinuteFilter, kIdSecondProgress, kIdCalendar})
    EXPECT_TRUE(window.Control(id)->isVisible()) << id;
  EXPECT_EQ(window.frameGeometry().center(), screen.center());
  // The extended background's own places: inside its narrower width.
  EXPECT_EQ(window.Control(kIdExit)->geometry(), QRect(972, 10, 19, 19));
  EXPECT_EQ(window.Control(kIdFileList)->geometry(), QRect(790, 75, 211, 170));
  EXPECT_EQ(window.Control(kIdPlay)->geometry(), QRect(299, 610, 45, 45));
  EXPECT_EQ(window.SpeedDigits()->pos(), QPoint(800, 612));
  // Back: the standard layout with its own size, the extended controls hidden.
  window.OnCommand(kIdExtendedLayout);
  EXPECT_EQ(g_bExtendedLayout, 0);
  EXPECT_EQ(window.Background().deviceIndependentSize().toSize(), QSize(1080, 710));
  EXPECT_EQ(window.size(), QSize(1080, 710));
  EXPECT_EQ(window.frameGeometry().center(), screen.center());
  for (int id : {kIdHourFilter, kIdMinuteFilter, kIdSecondProgress, kIdCalendar})
    EXPECT_FALSE(window.Control(id)->isVisible()) << id;
  EXPECT_EQ(window.Control(kIdExit)->geometry(), QRect(1041, 10, 19, 19));
  EXPECT_EQ(window.SpeedDigits()->pos(), QPoint(922, 639));
}

// On the 1366 x 768 screen there is no room beside the centred window, so the
// rear picture's window opens over the inset pane, pushed left onto the screen,
// instead of at the screen's corner over the picture.
TEST_F(ScreenModes, TheRearWindowOpensOverTheInsetPaneInBothBackgrounds) {
  const auto file = MakeRecording({2, true, 1}, "N_2024_05_17_08_31_05.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Shown();
  ASSERT_EQ(window.pos(), QPoint(142, 28));
  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
  window.ApplyPaneLayout();
  EXPECT_TRUE(window.RearHost()->isVisible());
  EXPECT_EQ(window.RearHost()->frameGeometry(), QRect(810, 408, 556, 342));
  window.OnCommand(kIdExtendedLayout);
  ASSERT_EQ(window.pos(), QPoint(177, 18));
  // The extended inset is at (790, 447): its top on the screen, 465, is lowered
  // to keep the window's bottom on the screen.
  EXPECT_EQ(window.RearHost()->frameGeometry(), QRect(810, 426, 556, 342));
  EXPECT_TRUE(window.RearHost()->isVisible());
}

TEST_F(ScreenModes, ATimeLabelIsGreyOnThePictureWithTextAndBlackWithout) {
  CSamplePlayerDlg& window = Shown();
  QLabel* label = window.Label(kIdPositionTime);
  const QRect area = label->geometry();
  label->setText(QString());
  QImage shot = window.grab(area).toImage();
  EXPECT_EQ(shot.pixelColor(area.width() / 2, area.height() / 2), QColor(Qt::black));
  label->setText("88:88:88");
  shot = window.grab(area).toImage();
  int grey = 0;
  int black = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      // The text's colour where a glyph covers the whole pixel, give or take
      // the smoothing of its edges.
      grey += std::abs(c.red() - 80) <= 10 && std::abs(c.green() - 80) <= 10 &&
              std::abs(c.blue() - 80) <= 10;
      black += c == QColor(Qt::black);
    }
  EXPECT_GT(grey, 0);
  EXPECT_LT(black, shot.width() * shot.height() / 2) << "the background picture shows through";
}

TEST_F(ScreenModes, TheMagnifierIsMadeOnceAndFollowsTheMainWindow) {
  CSamplePlayerDlg& window = Shown();
  EXPECT_EQ(window.ZoomWnd(), nullptr);
  window.Button(kIdMagnifier)->click();
  CLensDlg* lens = window.ZoomWnd();
  ASSERT_NE(lens, nullptr);
  EXPECT_TRUE(lens->isVisible());
  EXPECT_EQ(lens->windowTitle(), "Zoom");
  EXPECT_EQ(lens->size(), QSize(300, 250));
  EXPECT_EQ(lens->pos(), window.pos() + QPoint(790, 375));
  EXPECT_TRUE(lens->TimerActive());
  EXPECT_TRUE(WaitFor([&] { return !lens->Shown().isNull(); }));
  EXPECT_EQ(lens->Shown().size(), QSize(300, 250));
  lens->hide();
  window.Button(kIdMagnifier)->click();
  EXPECT_EQ(window.ZoomWnd(), lens);
  EXPECT_TRUE(lens->TimerActive());
  window.move(window.pos() + QPoint(30, 20));
  EXPECT_TRUE(WaitFor([&] { return lens->pos() == window.pos() + QPoint(24, 293); }));
}

}  // namespace
}  // namespace motrevix::test
