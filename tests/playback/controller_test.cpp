// The controller's operations and the pipeline object's states.
#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "playback/filter_graph.h"
#include "playback/stream_clock.h"
#include "playback/time_source.h"
#include "tests/playback/player_fixture.h"

namespace motrevix::test {
namespace {

const RecordingKind kTwoChannels{"AVI", 2, "h264", "aac", 2};
const RecordingKind kOneChannel{"MP4", 1, "h264", "aac", 2};

TEST_F(PlayerTest, ConstructionWritesTheControllerRegistryValue) {
  const SettingsStore store = SettingsStore::Default();
  EXPECT_EQ(store.ReadDword(RegistryHive::LocalMachine, "SOFTWARE\\Velmatic", "usingDShow"), 1u);
}

TEST_F(PlayerTest, StateTableOfThePipelineObject) {
  EXPECT_EQ(controller_.GetState(), PlayState::Idle);  // made by Attach, nothing built
  EXPECT_EQ(Graph().Run(), kWrongState);
  EXPECT_EQ(Graph().Stop(), kWrongState);
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  CPlaybackGraph& graph = Graph();
  EXPECT_EQ(graph.GetState(), PlayState::Stopped);

  const struct {
    const char* step;
    HResult (CPlaybackGraph::*call)();
    HResult result;
    PlayState after;
  } steps[] = {
      {"run from stopped", &CPlaybackGraph::Run, kOk, PlayState::Running},
      {"run while running", &CPlaybackGraph::Run, kWrongState, PlayState::Running},
      {"pause", &CPlaybackGraph::Pause, kOk, PlayState::Paused},
      {"pause again", &CPlaybackGraph::Pause, kOk, PlayState::Paused},
      {"run from paused", &CPlaybackGraph::Run, kOk, PlayState::Running},
      {"stop", &CPlaybackGraph::Stop, kOk, PlayState::Stopped},
      {"stop again", &CPlaybackGraph::Stop, kWrongState, PlayState::Stopped},
      {"pause from stopped", &CPlaybackGraph::Pause, kOk, PlayState::Paused},
      {"stop from paused", &CPlaybackGraph::Stop, kOk, PlayState::Stopped},
  };
  for (const auto& s : steps) {
    EXPECT_EQ((graph.*s.call)(), s.result) << s.step;
    EXPECT_EQ(graph.GetState(), s.after) << s.step;
    EXPECT_EQ(graph.GetFilterGraph()->Clock().IsRunning(), s.after == PlayState::Running) << s.step;
  }

  graph.SetEnabled(false);  // a disabled object refuses run, pause and stop
  EXPECT_EQ(graph.Run(), -1);
  EXPECT_EQ(graph.Pause(), -1);
  EXPECT_EQ(graph.GetState(), PlayState::Stopped);
}

TEST_F(PlayerTest, PauseHoldsThePositionAndRunResumesIt) {
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  Graph().Run();
  Sleep(400);
  Graph().Pause();
  const std::int64_t held = controller_.GetPositionMs();
  EXPECT_GT(held, 100);
  Sleep(200);
  EXPECT_EQ(controller_.GetPositionMs(), held);
  // The picture shown belongs to the held position (within a frame or two).
  ASSERT_TRUE(Shown(0).has_value());
  EXPECT_NEAR(Shown(0)->frameNumber, held * 30 / 1000, 2);
}

TEST_F(PlayerTest, RateIsClampedWhenRunning) {
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  Graph().Run();
  const struct {
    float requested, applied;
  } cases[] = {{5.0f, 2.0f}, {0.2f, 0.5f}, {1.0f, 1.0f}, {1.25f, 1.25f}};
  for (const auto& c : cases) {
    EXPECT_TRUE(controller_.SetRate(c.requested));
    EXPECT_EQ(Graph().GetState(), PlayState::Running);
    EXPECT_FLOAT_EQ(Graph().GetRate(), c.applied) << c.requested;
    EXPECT_DOUBLE_EQ(Graph().GetFilterGraph()->Clock().Rate(), c.applied) << c.requested;
  }
  // At 2.0 the position moves twice as fast as the wall clock. Each reading is
  // bracketed by wall-clock times, so a busy machine cannot blur the comparison.
  controller_.SeekMs(0);
  controller_.SetRate(2.0f);
  using WallClock = std::chrono::steady_clock;
  const auto ms = [](WallClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
  };
  const auto beforeStart = WallClock::now();
  const std::int64_t start = controller_.GetPositionMs();
  const auto afterStart = WallClock::now();
  Sleep(300);
  const auto beforeEnd = WallClock::now();
  const std::int64_t end = controller_.GetPositionMs();
  const auto afterEnd = WallClock::now();
  ASSERT_LT(end, controller_.GetDurationMs());
  const auto moved = static_cast<double>(end - start);
  EXPECT_GE(moved, 2.0 * ms(beforeEnd - afterStart) - 2.0);
  EXPECT_LE(moved, 2.0 * ms(afterEnd - beforeStart) + 2.0);
}

TEST_F(PlayerTest, RateWhilePausedOrStoppedWaitsForTheNextRun) {
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  EXPECT_TRUE(controller_.SetRate(5.0f));  // stopped: the graph is left paused
  EXPECT_EQ(Graph().GetState(), PlayState::Paused);
  EXPECT_FLOAT_EQ(Graph().GetRate(), 5.0f);
  EXPECT_TRUE(controller_.SetRate(1.5f));
  EXPECT_EQ(Graph().GetState(), PlayState::Paused);
  Graph().Run();
  EXPECT_FLOAT_EQ(Graph().GetRate(), 1.5f);
  EXPECT_DOUBLE_EQ(Graph().GetFilterGraph()->Clock().Rate(), 1.5);
  controller_.Close();
  EXPECT_FALSE(controller_.SetRate(1.0f));  // no pipeline object
}

TEST_F(PlayerTest, SkipIsClampedToTheRecording) {
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  EXPECT_FALSE(controller_.SkipSeconds(1.0));  // only while running or paused
  Graph().Pause();
  const std::int64_t duration = controller_.GetDurationMs();
  ASSERT_TRUE(controller_.SeekMs(400));
  EXPECT_TRUE(controller_.SkipSeconds(-1.0));
  EXPECT_EQ(controller_.GetPositionMs(), 0);
  ASSERT_TRUE(controller_.SeekMs(static_cast<std::int32_t>(duration - 300)));
  EXPECT_TRUE(controller_.SkipSeconds(1.0));
  EXPECT_EQ(controller_.GetPositionMs(), duration);
  ASSERT_TRUE(controller_.SeekMs(500));
  EXPECT_TRUE(controller_.SkipSeconds(1.0));
  EXPECT_EQ(controller_.GetPositionMs(), 1500);
}

TEST_F(PlayerTest, EndIsPositionEqualToDurationAndRunStartsAgain) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 2, "h264", "aac", 1}).string()));
  const std::int64_t duration = controller_.GetDurationMs();
  ASSERT_GT(duration, 900);
  Graph().Run();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (controller_.GetPositionMs() < duration && std::chrono::steady_clock::now() < deadline)
    Sleep(10);
  EXPECT_EQ(controller_.GetPositionMs(), duration);
  for (int i = 0; i < 100 && !Graph().ReachedEnd(); ++i) Sleep(10);
  EXPECT_TRUE(Graph().ReachedEnd());
  EXPECT_EQ(controller_.GetPositionMs(), duration);  // and it stays there
  EXPECT_EQ(Shown(0)->frameNumber, 29);              // the last picture stays shown
  Graph().Pause();
  Graph().Run();  // at the end: from the start again
  EXPECT_LT(controller_.GetPositionMs(), 200);
  ASSERT_TRUE(WaitCued());
  EXPECT_LT(Shown(0)->frameNumber, 8);
}

TEST_F(PlayerTest, DurationIsCachedPerBuild) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 1, "h264", "none", 1}).string()));
  EXPECT_EQ(Graph().GetCachedDuration(), 10'000'000);
  EXPECT_EQ(controller_.GetDurationMs(), 1000);
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 1, "h264", "none", 2}).string()));
  EXPECT_EQ(Graph().GetCachedDuration(), 20'000'000);
  EXPECT_EQ(controller_.GetDurationMs(), 2000);
}

TEST_F(PlayerTest, OpenWhileRunningReplacesTheRecording) {
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  Graph().Run();
  Sleep(300);
  ASSERT_TRUE(controller_.Open(Recording(kOneChannel).string()));
  EXPECT_EQ(Graph().GetState(), PlayState::Stopped);
  EXPECT_EQ(controller_.GetChannelCount(), 1);
  EXPECT_EQ(controller_.GetPositionMs(), 0);
  EXPECT_EQ(Shown(0), (pattern::FrameMark{0, pattern::Channel::Front}));
}

TEST_F(PlayerTest, GrabAndCloseWithoutAPipeline) {
  ASSERT_TRUE(controller_.Open(Recording(kOneChannel).string()));
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::green);
  EXPECT_FALSE(controller_.GrabPicture(1, picture));  // no rear renderer in one channel
  EXPECT_EQ(picture.pixel(0, 0), QColor(Qt::green).rgb());
  EXPECT_TRUE(controller_.GrabPicture(0, picture));
  EXPECT_EQ(picture.size(), QSize(160, 120));  // the picture's own size, not the surface's

  controller_.Close();
  controller_.Close();  // twice is harmless
  EXPECT_FALSE(controller_.HasPipeline());
  EXPECT_EQ(controller_.GetChannelCount(), 0);
  EXPECT_EQ(controller_.GetDurationMs(), 0);
  EXPECT_EQ(controller_.GetPositionMs(), 0);
  EXPECT_FALSE(controller_.SkipSeconds(1.0));
  picture.fill(Qt::blue);
  EXPECT_TRUE(controller_.GrabPicture(0, picture));  // no pipeline: success, bitmap unchanged
  EXPECT_EQ(picture.pixel(0, 0), QColor(Qt::blue).rgb());
}

TEST(PlaybackController, OpenNeedsAFrontWindowAndAPath) {
  UseScratchSettings();
  HeadlessVideoSurface front;  // made first: it outlives the controller's open recording
  CPlaybackController controller;
  EXPECT_FALSE(controller.Open(Recording(kOneChannel).string()));  // not attached
  controller.Attach(&front, nullptr);
  EXPECT_EQ(controller.GetRenderLayout(), 2);
  EXPECT_EQ(controller.GetState(), PlayState::Idle);
  EXPECT_FALSE(controller.Open(""));
  EXPECT_TRUE(controller.Open(Recording(kOneChannel).string()));
}

TEST_F(PlayerTest, UpdateVideoRectsFollowsTheSurfaces) {
  ASSERT_TRUE(controller_.Open(Recording(kTwoChannels).string()));
  front_.SetClientSize(QSize(900, 506));
  rear_.SetClientSize(QSize(310, 233));
  const auto repaints = front_.RepaintCount();
  Graph().UpdateVideoRects();
  EXPECT_EQ(front_.Destination(), QRect(0, 0, 900, 506));
  EXPECT_EQ(rear_.Destination(), QRect(0, 0, 310, 233));
  EXPECT_GT(front_.RepaintCount(), repaints);
  Graph().Repaint();
  EXPECT_EQ(front_.RepaintCount(), repaints + 2);
}

}  // namespace
}  // namespace motrevix::test

namespace motrevix::test {
namespace {

// On a manual time source the position is logical time: exact at every rate,
// standing still while paused, whatever the machine is doing.
TEST(PlayerOnLogicalTime, ThePositionFollowsTheClockAtEveryRate) {
  UseScratchSettings();
  ManualTimeSource time;
  ComponentOptions options;
  options.timeSource = &time;
  options.soundOutput = [&time] { return std::make_unique<NullSoundOutput>(0.2, time); };
  HeadlessVideoSurface front(QSize(160, 120));
  HeadlessVideoSurface rear(QSize(160, 120));
  CPlaybackController controller(options);
  controller.Attach(&front, &rear);
  controller.SourceReadMode = 0;
  ASSERT_TRUE(controller.Open(Recording({"AVI", 2, "h264", "aac", 2, false}).string()));
  controller.Graph()->Run();
  const struct {
    float rate;
    int advanceMs;
    std::int64_t movedMs;
  } steps[] = {{1.0f, 300, 300}, {2.0f, 200, 400}, {0.5f, 400, 200}, {1.25f, 80, 100}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.rate);
    ASSERT_TRUE(controller.SetRate(s.rate));
    const std::int64_t before = controller.GetPositionMs();
    time.Advance(std::chrono::milliseconds(s.advanceMs));
    EXPECT_EQ(controller.GetPositionMs() - before, s.movedMs);
  }
  controller.Graph()->Pause();
  const std::int64_t held = controller.GetPositionMs();
  time.Advance(std::chrono::milliseconds(500));
  EXPECT_EQ(controller.GetPositionMs(), held);
  // The pictures follow the logical clock: the shown one belongs to the position.
  controller.SeekMs(1000);
  ASSERT_TRUE(controller.Graph()->WaitUntilCued(3000));
  QImage picture;
  ASSERT_TRUE(controller.GrabPicture(0, picture));
  const auto mark = MarkOf(picture);
  ASSERT_TRUE(mark.has_value());
  EXPECT_EQ(mark->frameNumber, 30);
  controller.Close();
}

}  // namespace
}  // namespace motrevix::test
