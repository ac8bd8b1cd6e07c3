// The video surfaces in the main window: zoom and pan with the mouse, flip and
// mirror, the pane buttons and the full-screen arrangement, on generated
// two-channel recordings.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QSlider>
#include <QWheelEvent>
#include <cmath>
#include <functional>
#include <optional>

#include "app/control_ids.h"
#include "playback/video_decoder_filter.h"
#include "telemetry/gsensor_window.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"
#include "tools/frame_pattern/frame_pattern.h"
#include "view/video_hosts.h"
#include "view/view_globals.h"

namespace motrevix::test {
namespace {

using pattern::Channel;

QImage Grab(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The frame mark across the top of a picture: which camera it comes from, or
// nothing when the top rows do not carry it.
std::optional<Channel> ChannelShown(const QImage& image) {
  const auto mark = pattern::ReadMarkRgb32(
      image.constBits(), static_cast<int>(image.bytesPerLine()), image.width(), image.height());
  if (!mark) return std::nullopt;
  return mark->channel;
}

// Mean luma difference of two pictures of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return sum / (a.width() * a.height());
}

void Wheel(QWidget* surface, int delta) {
  const QPointF at(surface->width() / 2.0, surface->height() / 2.0);
  QWheelEvent event(at, surface->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(surface, &event);
}

void Mouse(QWidget* surface, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), surface->mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(surface, &event);
}

// Moves the cursor so that, with the press point kept under it, the surface's
// top-left corner would land at target in its host.
void DragTo(QWidget* surface, QPoint pressedAt, QPoint target, Qt::MouseButtons held) {
  const QPoint cursorInHost = target + pressedAt;
  Mouse(surface, QEvent::MouseMove, cursorInHost - surface->pos(), Qt::NoButton, held);
}

class PanesAndZoom : public MainWindowTest {
 protected:
  // Opens a two-channel recording and plays it up to a pause, so the panes are
  // arranged and the picture stands still.
  CSamplePlayerDlg& OpenPaused() {
    first_ = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
    second_ = MakeRecording({2, true, 2}, "N_2024_05_17_08_32_05.AVI");
    ListFiles({first_, second_});
    CSamplePlayerDlg& window = Window();
    window.show();
    EXPECT_TRUE(window.OpenRecording(QString::fromStdString(first_.string())));
    window.OnPlayPause();
    window.OnPlayPause();
    EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
    EXPECT_TRUE(WaitFor([&] { return ChannelShown(Grab(window.FrontHost())).has_value(); }));
    return window;
  }
  std::filesystem::path first_;
  std::filesystem::path second_;
};

TEST_F(PanesAndZoom, WheelZoomsTheFrontAndTheHostShowsTheEnlargedMiddle) {
  CSamplePlayerDlg& window = OpenPaused();
  CVlmVideoView* surface = window.FrontHost()->Surface();
  QImage picture;
  ASSERT_TRUE(window.Player().GrabPicture(0, picture));
  const QImage flat = picture.scaled(750, 422).convertToFormat(QImage::Format_RGB32);
  const QImage zoomed =
      picture.scaled(900, 506).copy(75, 42, 750, 422).convertToFormat(QImage::Format_RGB32);

  const QImage before = Grab(window.FrontHost());
  EXPECT_LT(MeanDifference(before, flat), 3.0);

  Wheel(surface, 0);  // a scroll phase without movement is no step
  EXPECT_EQ(surface->geometry(), QRect(0, 0, 750, 422));
  Wheel(surface, 120);
  EXPECT_EQ(surface->ZoomLevel(), 2);
  EXPECT_EQ(surface->geometry(), QRect(-75, -42, 900, 506));
  EXPECT_EQ(g_bFrontZoomed, 1);
  EXPECT_EQ(window.focusWidget(), surface);
  const QImage after = Grab(window.FrontHost());
  EXPECT_LT(MeanDifference(after, zoomed), 3.0);
  EXPECT_GT(MeanDifference(after, flat), 3 * MeanDifference(after, zoomed) + 1.0);
  // The band of the frame mark is pushed above the host: the middle is shown.
  EXPECT_FALSE(ChannelShown(after).has_value());

  // The pane routine keeps the zoomed geometry of the large front.
  window.ApplyPaneLayout();
  EXPECT_EQ(surface->geometry(), QRect(-75, -42, 900, 506));

  Wheel(surface, -120);
  EXPECT_EQ(surface->geometry(), QRect(0, 0, 750, 422));
  EXPECT_EQ(g_bFrontZoomed, 0);
  Wheel(surface, -120);
  EXPECT_EQ(surface->ZoomLevel(), 1);

  // While the view is swapped the wheel zooms nothing.
  g_bViewSwapped = 1;
  Wheel(surface, 120);
  EXPECT_EQ(surface->ZoomLevel(), 1);
}

// Full screen gives the zoomed front the whole picture's size; back in the
// windowed layout it shows its zoom level again, centred, with no black bands.
TEST_F(PanesAndZoom, AZoomedFrontIsCentredAgainAfterFullScreenAndBack) {
  CSamplePlayerDlg& window = OpenPaused();
  CVlmVideoView* surface = window.FrontHost()->Surface();
  QImage picture;
  ASSERT_TRUE(window.Player().GrabPicture(0, picture));
  const QImage zoomed =
      picture.scaled(900, 506).copy(75, 42, 750, 422).convertToFormat(QImage::Format_RGB32);
  Wheel(surface, 120);
  ASSERT_EQ(surface->geometry(), QRect(-75, -42, 900, 506));
  // Panned towards a corner, so that keeping the pan would be seen too.
  const QPoint pressedAt(300, 200);
  Mouse(surface, QEvent::MouseButtonPress, pressedAt, Qt::LeftButton, Qt::LeftButton);
  DragTo(surface, pressedAt, QPoint(-140, -80), Qt::LeftButton);
  Mouse(surface, QEvent::MouseButtonRelease, pressedAt, Qt::LeftButton, Qt::NoButton);
  ASSERT_EQ(surface->pos(), QPoint(-140, -80));

  window.Button(kIdFullScreen)->click();
  ASSERT_TRUE(WaitFor([&] { return window.size() == QSize(1366, 768); }));
  EXPECT_EQ(surface->geometry(), QRect(0, 0, 1233, 693));
  window.Button(kIdOriginalScreen)->click();
  ASSERT_TRUE(WaitFor([&] { return window.size() == QSize(1080, 710); }));
  EXPECT_EQ(window.FrontHost()->geometry(), QRect(31, 46, 750, 422));
  EXPECT_EQ(surface->geometry(), QRect(-75, -42, 900, 506));
  EXPECT_EQ(g_bFrontZoomed, 1);
  EXPECT_EQ(surface->ZoomLevel(), 2);
  EXPECT_TRUE(WaitFor([&] { return MeanDifference(Grab(window.FrontHost()), zoomed) < 3.0; }));
  const QImage shown = Grab(window.FrontHost());
  for (QPoint corner : {QPoint(2, 2), QPoint(747, 2), QPoint(2, 419), QPoint(747, 419)})
    EXPECT_NE(shown.pixelColor(corner), QColor(Qt::black)) << corner.x() << "," << corner.y();
}

TEST_F(PanesAndZoom, DragPansTheZoomedFrontInsideItsBounds) {
  CSamplePlayerDlg& window = OpenPaused();
  CVlmVideoView* surface = window.FrontHost()->Surface();
  Wheel(surface, 120);
  ASSERT_EQ(surface->pos(), QPoint(-75, -42));

  const QPoint pressedAt(300, 200);
  Mouse(surface, QEvent::MouseButtonPress, pressedAt, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(QWidget::mouseGrabber(), surface);
  const struct {
    QPoint target;
    QPoint expected;
  } moves[] = {
      {{-10, -10}, {-10, -10}},   {{-149, -83}, {-149, -83}},
      {{-150, -60}, {-149, -83}},  // x on the bound: refused, no clamping
      {{-100, -84}, {-149, -83}}, {{5, -20}, {-149, -83}},
      {{-120, -50}, {-120, -50}},  // back in range
  };
  for (const auto& m : moves) {
    SCOPED_TRACE(testing::Message() << m.target.x() << ", " << m.target.y());
    DragTo(surface, pressedAt, m.target, Qt::LeftButton);
    EXPECT_EQ(surface->pos(), m.expected);
    EXPECT_EQ(surface->size(), QSize(900, 506));
  }
  Mouse(surface, QEvent::MouseButtonRelease, pressedAt, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  // Without the button, or without the capture, a move changes nothing.
  DragTo(surface, pressedAt, {-30, -30}, Qt::NoButton);
  DragTo(surface, pressedAt, {-30, -30}, Qt::LeftButton);
  EXPECT_EQ(surface->pos(), QPoint(-120, -50));
  // A zoom step centres the picture again.
  Wheel(surface, 120);
  EXPECT_EQ(surface->geometry(), QRect(-150, -84, 1050, 590));
}

TEST_F(PanesAndZoom, FlipAndMirrorTurnBothPicturesAndSurviveTheNextOpen) {
  CSamplePlayerDlg& window = OpenPaused();
  QWidget* front = window.FrontHost();
  auto shows = [&](QWidget* host, bool vertical, bool horizontal, Channel channel) {
    return WaitFor([&] {
      return ChannelShown(Grab(host).mirrored(horizontal, vertical)) == channel &&
             (!(vertical || horizontal) || !ChannelShown(Grab(host)).has_value());
    });
  };
  ASSERT_TRUE(shows(front, false, false, Channel::Front));

  window.Button(kIdFlipVertical)->click();
  EXPECT_TRUE(shows(front, true, false, Channel::Front));
  EXPECT_TRUE(window.Player().Graph()->GetDecoder(2)->Stages().UpsideDown());
  window.Button(kIdMirror)->click();
  EXPECT_TRUE(shows(front, true, true, Channel::Front));
  window.Button(kIdFlipVertical)->click();
  EXPECT_TRUE(shows(front, false, true, Channel::Front));
  EXPECT_FALSE(window.Player().Graph()->GetDecoder(2)->Stages().UpsideDown());
  EXPECT_TRUE(window.Player().Graph()->GetDecoder(2)->Stages().Mirrored());

  // The next recording's decoders are turned the same way as the buttons stand.
  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(second_.string())));
  EXPECT_TRUE(window.Button(kIdMirror)->isChecked());
  EXPECT_TRUE(shows(front, false, true, Channel::Front));
  for (int channel : {1, 2}) {
    SCOPED_TRACE(channel);
    EXPECT_TRUE(window.Player().Graph()->GetDecoder(channel)->Stages().Mirrored());
    EXPECT_FALSE(window.Player().Graph()->GetDecoder(channel)->Stages().UpsideDown());
  }
}

TEST_F(PanesAndZoom, PaneButtonsMoveTheSurfaces) {
  CSamplePlayerDlg& window = OpenPaused();
  CZoomDlg* front = window.FrontHost();
  CRearViewDlg* rear = window.RearHost();
  ASSERT_EQ(front->geometry(), QRect(31, 46, 750, 422));
  ASSERT_TRUE(rear->isVisible());

  window.Button(kIdSwapPanes)->click();
  EXPECT_EQ(window.m_Panes, (PaneState{kPaneInset, kPaneLarge, kPaneHidden}));
  EXPECT_EQ(g_bViewSwapped, 1);
  EXPECT_EQ(front->geometry(), QRect(790, 380, 260, 245));
  // The rear window lands on the main window's video area, wherever that is.
  EXPECT_EQ(rear->geometry(), QRect(window.mapToGlobal(QPoint(31, 46)), QSize(750, 422)));
  EXPECT_EQ(rear->Surface()->geometry(), QRect(0, 0, 750, 422));
  EXPECT_TRUE(WaitFor([&] { return ChannelShown(Grab(rear)) == Channel::Rear; }));
  EXPECT_EQ(window.Button(kIdCameraFront)->property("faceNumbers").toList().value(0), 350);

  window.Button(kIdCameraFront)->click();
  EXPECT_EQ(window.m_Panes, (PaneState{kPaneLarge, kPaneInset, kPaneHidden}));
  EXPECT_EQ(g_bViewSwapped, 0);
  EXPECT_EQ(front->geometry(), QRect(31, 46, 750, 422));
  EXPECT_EQ(front->Surface()->geometry(), QRect(0, 0, 750, 422));
  EXPECT_EQ(ChannelShown(Grab(front)), Channel::Front);
  EXPECT_EQ(window.Button(kIdCameraFront)->property("faceNumbers").toList().value(0), 351);

  window.Button(kIdCameraRear)->click();
  EXPECT_FALSE(rear->isVisible());
  EXPECT_EQ(g_bRearHiddenByUser, 1);
  EXPECT_EQ(window.Button(kIdCameraRear)->property("faceNumbers").toList().value(0), 352);
  window.Button(kIdCameraRear)->click();
  EXPECT_TRUE(rear->isVisible());
  EXPECT_EQ(g_bRearHiddenByUser, 0);
  EXPECT_EQ(window.m_Panes.m_nRearPane, kPaneInset);
}

TEST_F(PanesAndZoom, FullScreenArrangementOf1366x768) {
  CSamplePlayerDlg& window = OpenPaused();
  // The Full Screen button maximises the window on the 1366 x 768 test screen.
  window.Button(kIdFullScreen)->click();
  ASSERT_TRUE(WaitFor([&] { return window.size() == QSize(1366, 768); }));
  EXPECT_EQ(window.m_nScreenMode, 2);

  EXPECT_EQ(g_rcFullScreenVideo, (PixelRect{66, 20, 1299, 713}));
  EXPECT_EQ(g_bFrontFullScreen, 1);
  EXPECT_EQ(g_bRearFullScreen, 0);
  const struct {
    int id;
    QRect rect;
  } expected[] = {
      {kIdPrevious, {66, 718, 44, 50}},
      {kIdSecondBack, {110, 718, 36, 50}},
      {kIdPlay, {146, 718, 49, 50}},
      {kIdSecondNext, {195, 718, 36, 50}},
      {kIdNext, {231, 718, 36, 50}},
      {kIdFrameStep, {267, 718, 44, 50}},
      {kIdFullProgressBack, {316, 718, 751, 50}},
      {kIdProgress, {328, 734, 727, 17}},
      {kIdPositionTime, {336, 751, 60, 12}},
      {kIdDurationTime, {989, 751, 60, 12}},
      {kIdMirror, {1267, 726, 32, 33}},
      {kIdFlipVertical, {1231, 726, 32, 33}},
      {kIdFullScreen, {1225, 2, 17, 16}},
      {kIdMinimize, {1244, 2, 17, 16}},
      {kIdOriginalScreen, {1263, 2, 17, 16}},
      {kIdExit, {1282, 2, 17, 16}},
      {kIdFrontHost, {66, 20, 1233, 693}},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.id);
    EXPECT_EQ(window.Control(e.id)->geometry(), e.rect);
  }
  EXPECT_TRUE(window.Control(kIdFullProgressBack)->isVisibleTo(&window));
  EXPECT_FALSE(window.Control(kIdSpeedTens)->isVisibleTo(&window));
  EXPECT_FALSE(window.RearHost()->isVisible());
  EXPECT_FALSE(window.GSensorWnd()->isVisible());
  EXPECT_EQ(window.FrontHost()->Surface()->geometry(), QRect(0, 0, 1233, 693));
  EXPECT_EQ(window.m_nProgressOriginX, 334);

  // Swap in full screen: the rear fills the client area and zooms with the wheel,
  // each step leaving playback running.
  window.Button(kIdSwapPanes)->click();
  EXPECT_EQ(g_bViewSwapped, 0);
  EXPECT_EQ(g_bRearFullScreen, 1);
  EXPECT_EQ(g_rcFullScreenVideo, (PixelRect{0, 0, 1366, 768}));
  CVlmVideoRearView* rear = window.RearHost()->Surface();
  EXPECT_EQ(window.RearHost()->geometry(),
            QRect(window.mapToGlobal(QPoint(18, 50)), QSize(1330, 639)));
  EXPECT_EQ(rear->geometry(), QRect(0, 0, 1348, 689));
  for (int step = 1; step <= 6; ++step) {
    SCOPED_TRACE(step);
    Wheel(rear, 120);
    EXPECT_EQ(g_nRearZoomLevel, step);
    EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  }
  EXPECT_EQ(rear->geometry(), QRect(-136, -76, 1639, 921));
  window.OnStop();
}

TEST_F(PanesAndZoom, ARearZoomStepWithNothingOpenPlaysNothing) {
  ListFiles({MakeRecording({2, false, 1}, "N_2024_05_17_08_31_05.AVI")});
  CSamplePlayerDlg& window = Window();
  g_bRearFullScreen = 1;
  g_rcFullScreenVideo = {0, 0, 1366, 768};
  Wheel(window.RearHost()->Surface(), 120);
  EXPECT_EQ(g_nRearZoomLevel, 1);
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
  EXPECT_EQ(window.m_nCurrentItem, -1);
  EXPECT_NE(window.Player().GetState(), PlayState::Running);
  EXPECT_FALSE(window.PlaybackTimerActive());
  // In the windowed layout the rear never zooms.
  g_bRearFullScreen = 0;
  Wheel(window.RearHost()->Surface(), 120);
  EXPECT_EQ(g_nRearZoomLevel, 1);
}

TEST_F(PanesAndZoom, BrightnessResetSpeedUnitSlidersAndGSensorWindow) {
  CSamplePlayerDlg& window = OpenPaused();
  QSlider* brightness = window.Slider(kIdBrightness);
  brightness->setValue(90);
  window.OnHScroll(kIdBrightness, kThumbPosition);
  for (int channel : {1, 2})
    EXPECT_EQ(window.Player().Graph()->GetDecoder(channel)->Stages().Brightness(), 90);
  window.Button(kIdBrightnessReset)->click();
  EXPECT_EQ(brightness->value(), 0);
  for (int channel : {1, 2})
    EXPECT_EQ(window.Player().Graph()->GetDecoder(channel)->Stages().Brightness(), 0);

  window.Button(kIdSpeedUnit)->click();
  EXPECT_EQ(g_bSpeedInMiles, 1);
  EXPECT_EQ(window.Button(kIdSpeedUnit)->property("faceNumbers").toList(),
            (QVariantList{344, 343, 0, 0}));
  window.Button(kIdSpeedUnit)->click();
  EXPECT_EQ(g_bSpeedInMiles, 0);
  EXPECT_EQ(window.Button(kIdSpeedUnit)->property("faceNumbers").toList(),
            (QVariantList{343, 344, 0, 0}));

  // Neither the wheel nor the keyboard moves a slider.
  for (int id : {kIdProgress, kIdVolume, kIdBrightness}) {
    SCOPED_TRACE(id);
    QSlider* slider = window.Slider(id);
    const int before = slider->value();
    Wheel(slider, 120);
    Wheel(slider, -240);
    EXPECT_EQ(slider->value(), before);
    EXPECT_EQ(slider->focusPolicy(), Qt::NoFocus);
  }

  window.GSensorWnd()->hide();
  window.Button(kIdGSensorWindow)->click();
  EXPECT_TRUE(window.GSensorWnd()->isVisible());
}

}  // namespace
}  // namespace motrevix::test
