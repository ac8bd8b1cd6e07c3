// The transport commands, the tick and the sliders on generated recordings.
#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/transport_rules.h"
#include "catalog/file_list_widget.h"
#include "playback/sound_volume.h"
#include "telemetry/gsensor_window.h"
#include "tests/app/window_fixture.h"
#include "view/video_hosts.h"

namespace motrevix::test {
namespace {

using Transport = MainWindowTest;

struct Expected {
  int loaded;
  PlayState state;  // Idle also stands for "no pipeline object"
  bool timer;
  const char* button;
};

void ExpectState(CSamplePlayerDlg& window, const Expected& e, const char* situation) {
  SCOPED_TRACE(situation);
  EXPECT_EQ(window.m_bRecordingLoaded, e.loaded);
  EXPECT_EQ(window.Player().GetState(), e.state);
  EXPECT_EQ(window.PlaybackTimerActive(), e.timer);
  // The play face until a command shows the pause face.
  EXPECT_EQ(window.Button(kIdPlay)->property("faceNumber").toInt(),
            QString(e.button) == "Pause" ? 278 : 232);
  EXPECT_EQ(window.Button(kIdPlay)->toolTip(), QString(e.button) + " (Space)");
}

TEST_F(Transport, FollowsTheStateTable) {
  const auto file = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  ExpectState(window, {0, PlayState::Idle, false, "Play"}, "after start-up");

  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string())));
  ExpectState(window, {1, PlayState::Stopped, false, "Play"}, "after open");

  window.OnPlayPause();
  ExpectState(window, {1, PlayState::Running, true, "Pause"}, "after play");
  EXPECT_EQ(window.m_nCurrentItem, 0);
  EXPECT_EQ(window.FileList()->PlayingRow(), 0);
  EXPECT_TRUE(window.FrontHost()->isVisibleTo(&window));
  EXPECT_EQ(window.FrontHost()->geometry(), QRect(31, 46, 750, 422));
  EXPECT_TRUE(window.RearHost()->isVisible());

  EXPECT_EQ(window.m_Listing.m_nCurrentHour, 8);
  EXPECT_EQ(window.Slider(kIdHourFilter)->value(), 8);
  EXPECT_EQ(window.Slider(kIdMinuteFilter)->value(), 31);

  window.OnPlayPause();
  ExpectState(window, {1, PlayState::Paused, true, "Play"}, "after pause");
  // While paused the tick moves the progress sliders; the hour and minute
  // sliders keep the recording's start.
  window.OnSecondNext();
  EXPECT_EQ(window.Slider(kIdProgress)->value(), window.Player().GetPositionMs());
  EXPECT_GT(window.Slider(kIdProgress)->value(), 0);
  EXPECT_EQ(window.Slider(kIdHourFilter)->value(), 8);
  EXPECT_EQ(window.Slider(kIdMinuteFilter)->value(), 31);
  window.OnPlayPause();
  ExpectState(window, {1, PlayState::Running, true, "Pause"}, "after play again");
  window.OnFrameStep();
  ExpectState(window, {1, PlayState::Paused, true, "Play"}, "after FPS");

  window.OnStop();
  ExpectState(window, {0, PlayState::Idle, false, "Play"}, "after stop");
  EXPECT_FALSE(window.Player().HasPipeline());
  EXPECT_EQ(window.m_nCurrentItem, -1);
  EXPECT_EQ(window.Label(kIdPositionTime)->text(), "00:00:00");
  EXPECT_EQ(window.Label(kIdDurationTime)->text(), "00:00:00");
  EXPECT_EQ(window.Slider(kIdProgress)->value(), 0);
  EXPECT_FALSE(window.FrontHost()->isVisibleTo(&window));
  EXPECT_FALSE(window.RearHost()->isVisible());
}

TEST_F(Transport, TheFrontSurfaceShowsTheFirstChannel) {
  const auto file = MakeRecording({2, true}, "a.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  window.OnPlayPause();
  ASSERT_TRUE(window.Player().Graph()->WaitUntilCued(2000));
  QTRY_VERIFY_WITH_TIMEOUT(window.FrontHost()->Surface()->PresentedCount() > 0, 2000);
  QTRY_VERIFY_WITH_TIMEOUT(window.RearHost()->Surface()->PresentedCount() > 0, 2000);
  EXPECT_EQ(window.FrontHost()->Surface()->Picture()->size(), QSize(160, 120));
}

TEST_F(Transport, EndOfTheLastRecordingWrapsToTheFirstRow) {
  const auto first = MakeRecording({1, false}, "a.AVI");
  const auto last = MakeRecording({1, false}, "b.AVI");
  ListFiles({first, last});
  CSamplePlayerDlg& window = Window();
  window.FileList()->SetRowSelected(1, true);
  window.OnPlayPause();
  ASSERT_EQ(window.m_nCurrentItem, 1);
  // Into the last second with the second progress slider.
  const std::int64_t d = window.Player().GetDurationMs();
  window.Slider(kIdSecondProgress)->setValue(static_cast<int>(d - 400));
  window.OnHScroll(kIdSecondProgress, kThumbTrack);
  ASSERT_EQ(window.m_nCurrentItem, 1);
  // Playing on: the clock may have moved a little since the seek.
  ASSERT_GE(window.Slider(kIdProgress)->value(), d - 400);
  ASSERT_LT(window.Slider(kIdProgress)->value(), d);
  // Within the last second: "-> SEC" seeks to the very end, and the tick it runs
  // finds the end and issues Next.
  window.OnSecondNext();
  EXPECT_EQ(window.m_nCurrentItem, 0);
  ExpectState(window, {1, PlayState::Running, true, "Pause"}, "next recording");
  EXPECT_EQ(window.Player().Graph()->GetPath(), first.string());
  EXPECT_TRUE(window.FileList()->IsRowSelected(0));
}

TEST_F(Transport, TheTimerFindsTheEndAndPlaysTheNextRow) {
  const auto first = MakeRecording({1, false}, "a.AVI");
  const auto second = MakeRecording({1, false}, "b.AVI");
  ListFiles({first, second});
  CSamplePlayerDlg& window = Window();
  ReadoutCalls calls;
  window.AddReadout(std::make_unique<CallRecordingReadout>(calls));
  const std::vector<std::int64_t>& looked = calls.lookups;
  window.OnPlayPause();
  QTRY_COMPARE_WITH_TIMEOUT(window.m_nCurrentItem, 1, 4000);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  ASSERT_FALSE(looked.empty());
  EXPECT_TRUE(std::is_sorted(looked.begin(), looked.end()));
  EXPECT_EQ(window.Label(kIdDurationTime)->text(), "00:00:01");
  // The open put the marker back to 0; the next tick moves it on the new recording.
  QTRY_VERIFY_WITH_TIMEOUT(window.GSensorWnd()->MarkerMs() > 0, 2000);
}

TEST_F(Transport, PreviousStepsBackButNotPastTheFirstRow) {
  const auto first = MakeRecording({1, false}, "a.AVI");
  const auto second = MakeRecording({1, false}, "b.AVI");
  ListFiles({first, second});
  CSamplePlayerDlg& window = Window();
  window.OnPlayPause();
  ASSERT_EQ(window.m_nCurrentItem, 0);
  window.OnPrevious();
  EXPECT_EQ(window.m_nCurrentItem, 0);
  EXPECT_EQ(window.Player().Graph()->GetPath(), first.string());
  window.OnNext();
  EXPECT_EQ(window.m_nCurrentItem, 1);
  EXPECT_EQ(window.Player().Graph()->GetPath(), second.string());
  window.OnPrevious();
  EXPECT_EQ(window.m_nCurrentItem, 0);
  EXPECT_EQ(window.Player().Graph()->GetPath(), first.string());
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
}

TEST_F(Transport, SkipsAndClickToSeekStayWithinTheRecording) {
  const auto file = MakeRecording({1, false, 2}, "a.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  // Without a pipeline the skips and the frame step do nothing.
  window.OnSecondNext();
  window.OnFrameStep();
  EXPECT_EQ(window.Player().GetState(), PlayState::Idle);

  window.OnPlayPause();
  window.OnPlayPause();  // paused at the start
  const std::int64_t d = window.Player().GetDurationMs();
  window.OnSecondBack();
  EXPECT_EQ(window.Player().GetPositionMs(), 0);
  window.OnSecondNext();
  EXPECT_EQ(window.Player().GetPositionMs(), 1000);
  EXPECT_EQ(window.Label(kIdPositionTime)->text(), "00:00:01");
  EXPECT_EQ(window.Slider(kIdProgress)->value(), 1000);
  window.OnSecondNext();
  window.OnSecondNext();
  EXPECT_EQ(window.Player().GetPositionMs(), d);

  const int sliderX = window.Control(kIdProgress)->x();
  window.SeekToProgressX(sliderX + 6);
  EXPECT_EQ(window.Player().GetPositionMs(), 0);
  window.SeekToProgressX(sliderX + 721);
  EXPECT_EQ(window.Player().GetPositionMs(), d);
  window.SeekToProgressX(sliderX + 6 + 715 / 2);
  EXPECT_EQ(window.Player().GetPositionMs(), (715 / 2) * d / 715);
  // Clicks on the slider's very ends stay within the recording.
  window.SeekToProgressX(sliderX);
  EXPECT_EQ(window.Player().GetPositionMs(), 0);
  EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
}

TEST_F(Transport, TheRateSliderActsOnlyWhileRunning) {
  const auto file = MakeRecording({1, false, 2}, "a.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  window.OnPlayPause();
  window.OnPlayPause();
  window.Slider(kIdRate)->setValue(3);
  window.OnHScroll(kIdRate, kThumbTrack);
  EXPECT_FLOAT_EQ(window.Player().Graph()->GetRate(), 1.0f);
  window.OnPlayPause();
  window.OnHScroll(kIdRate, kLineLeft);  // arrow keys do nothing
  EXPECT_FLOAT_EQ(window.Player().Graph()->GetRate(), 1.0f);
  window.OnHScroll(kIdRate, kThumbTrack);
  EXPECT_FLOAT_EQ(window.Player().Graph()->GetRate(), 0.6f);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
}

TEST_F(Transport, VolumeAndMute) {
  CSamplePlayerDlg& window = Window();
  QSlider* volume = window.Slider(kIdVolume);
  QAbstractButton* mute = window.Button(kIdMute);
  const auto level = [](std::uint32_t l) { return l + l * 65536u; };

  // After start-up, mute and unmute come back to 50.
  mute->setChecked(true);
  window.OnMuteToggle();
  EXPECT_EQ(GetWaveOutVolume(), 0u);
  EXPECT_EQ(volume->value(), 0);
  mute->setChecked(false);
  window.OnMuteToggle();
  EXPECT_EQ(volume->value(), 50);
  EXPECT_EQ(GetWaveOutVolume(), level(0x7FFF));

  volume->setValue(70);
  window.OnHScroll(kIdVolume, kThumbTrack);
  EXPECT_EQ(GetWaveOutVolume(), level(45874));
  EXPECT_EQ(g_nRememberedVolume, 70);
  mute->setChecked(true);
  window.OnMuteToggle();
  EXPECT_EQ(GetWaveOutVolume(), 0u);
  EXPECT_EQ(volume->value(), 0);
  EXPECT_TRUE(mute->isChecked());
  mute->setChecked(false);
  window.OnMuteToggle();
  EXPECT_EQ(volume->value(), 70);
  EXPECT_EQ(GetWaveOutVolume(), level(45874));

  volume->setValue(0);
  window.OnHScroll(kIdVolume, kPageLeft);
  EXPECT_TRUE(mute->isChecked());
  EXPECT_EQ(GetWaveOutVolume(), 0u);
  volume->setValue(100);
  window.OnHScroll(kIdVolume, kEndScroll);  // not one of the four codes
  EXPECT_EQ(GetWaveOutVolume(), 0u);
  window.OnHScroll(kIdVolume, kThumbPosition);
  EXPECT_EQ(GetWaveOutVolume(), level(0xFFFF));
  EXPECT_FALSE(mute->isChecked());
}

TEST(TransportRules, RateTable) {
  const struct {
    int position;
    float rate;
  } cases[] = {{0, 1.0f},  {1, 0.2f}, {4, 0.8f},  {5, 1.0f},  {6, 1.25f},
               {8, 1.75f}, {9, 5.0f}, {10, 5.0f}, {11, 1.0f}, {-3, 1.0f}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(RateForSliderPosition(c.position), c.rate);
}

TEST(TransportRules, WaveOutVolumeIsTruncatedPerChannel) {
  const struct {
    int position;
    std::uint32_t level;
  } cases[] = {{0, 0}, {1, 655}, {50, 0x7FFF}, {70, 45874}, {99, 64879}, {100, 0xFFFF}};
  for (const auto& c : cases)
    EXPECT_EQ(WaveOutValueForSliderPosition(c.position), c.level | (c.level << 16)) << c.position;
}

TEST(TransportRules, TimeText) {
  const struct {
    std::int64_t ms;
    const char* text;
  } cases[] = {{0, "00:00:00"},         {999, "00:00:00"},       {61'000, "00:01:01"},
               {3'599'999, "00:59:59"}, {3'600'000, "01:00:00"}, {360'000'000, "100:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(TimeText(c.ms), c.text) << c.ms;
}

TEST(TransportRules, ClickSeekTarget) {
  const struct {
    int x;
    std::int64_t d, target;
  } cases[] = {{49, 60'000, 0}, {764, 60'000, 60'000}, {406, 60'000, 29'958},
               {43, 60'000, 0}, {770, 60'000, 60'000}, {400, 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(ClickSeekTarget(c.x, kWindowedProgressTrackX, c.d), c.target) << c.x;
}

}  // namespace
}  // namespace motrevix::test

namespace motrevix::test {
namespace {

TEST_F(Transport, DoubleClickingARowPlaysIt) {
  const auto first = MakeRecording({1, false}, "a.AVI");
  const auto second = MakeRecording({1, false}, "b.AVI");
  ListFiles({first, second});
  CSamplePlayerDlg& window = Window();
  catalog::CFileListWidget* list = window.FileList();
  // The list's double-click notification on row 1.
  emit list->itemDoubleClicked(list->topLevelItem(1), 0);
  EXPECT_EQ(window.m_nCurrentItem, 1);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  EXPECT_EQ(window.Player().Graph()->GetPath(), second.string());
  EXPECT_EQ(list->RowTextColour(1), QColor(95, 150, 238));
}

TEST_F(Transport, TheTickWaitsWhileTheLeftButtonIsHeld) {
  const auto file = MakeRecording({1, false, 2}, "a.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  window.show();
  window.OnPlayPause();
  window.OnPlayPause();
  window.Player().SeekMs(1000);
  QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(600, 20));
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(600, 20));
    GTEST_SKIP() << "the platform does not report the held button";
  }
  window.OnTimer(CSamplePlayerDlg::IDT_PLAYBACK);
  EXPECT_EQ(window.Slider(kIdProgress)->value(), 0);
  QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(600, 20));
  window.OnTimer(CSamplePlayerDlg::IDT_PLAYBACK + 1);  // another timer
  EXPECT_EQ(window.Slider(kIdProgress)->value(), 0);
  window.OnTimer(CSamplePlayerDlg::IDT_PLAYBACK);
  EXPECT_EQ(window.Slider(kIdProgress)->value(), 1000);
  EXPECT_EQ(window.Label(kIdPositionTime)->text(), "00:00:01");
}

}  // namespace
}  // namespace motrevix::test
