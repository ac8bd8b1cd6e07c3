// What the surfaces show: the frame at a seek target, one frame per step, front
// and rear together, and the decoder's picture stages.
#include <gtest/gtest.h>

#include <cmath>

#include "playback/decoder_params.h"
#include "tests/playback/player_fixture.h"

namespace motrevix::test {
namespace {

using pattern::Channel;
using pattern::FrameMark;

// Frame shown at a time in a 30 fps recording.
int FrameAt(std::int64_t ms) { return static_cast<int>(ms * 30 / 1000); }

double MeanLuma(const QImage& picture) {
  double sum = 0;
  long long count = 0;
  for (int y = picture.height() / 4; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x, ++count) sum += qGray(picture.pixel(x, y));
  return count ? sum / count : 0;
}

class SeekAccuracy : public PlayerTest, public ::testing::WithParamInterface<RecordingKind> {};

TEST_P(SeekAccuracy, ShowsTheFrameAtTheAskedTimeOnBothChannels) {
  const auto file = Recording(GetParam());
  const std::vector<double> front = PictureTimesMs(file, 0);
  const std::vector<double> rear = PictureTimesMs(file, 1);
  ASSERT_GE(front.size(), 59u);
  ASSERT_TRUE(controller_.Open(file.string()));
  Graph().Pause();
  // Targets between key frames (one a second), on frame starts and inside frames.
  for (const std::int32_t ms : {500, 1234, 733, 1000, 34, 1966, 0, 1500, 67}) {
    ASSERT_TRUE(controller_.SeekMs(ms));
    ASSERT_TRUE(WaitCued()) << ms;
    EXPECT_EQ(controller_.GetPositionMs(), ms);
    EXPECT_EQ(Shown(0), (FrameMark{PictureAt(front, ms), Channel::Front})) << ms;
    EXPECT_EQ(Shown(1), (FrameMark{PictureAt(rear, ms), Channel::Rear})) << ms;
  }
}

INSTANTIATE_TEST_SUITE_P(Containers, SeekAccuracy,
                         ::testing::Values(RecordingKind{"MP4", 2, "h264", "aac"},
                                           RecordingKind{"AVI", 2, "h264", "aac"},
                                           RecordingKind{"AVI", 2, "mpeg4", "pcm"}),
                         [](const auto& info) {
                           return info.param.container + "_" + info.param.video;
                         });

TEST_F(PlayerTest, FrameStepAdvancesExactlyOneFrameOnBothChannels) {
  const auto file = Recording({"AVI", 2, "h264", "aac"});
  const std::vector<double> times = PictureTimesMs(file, 0);
  ASSERT_TRUE(controller_.Open(file.string()));
  Graph().Pause();
  ASSERT_TRUE(controller_.SeekMs(static_cast<std::int32_t>(std::ceil(times[27]))));
  ASSERT_TRUE(WaitCued());
  ASSERT_EQ(Shown(0)->frameNumber, 27);
  for (int expected = 28; expected <= 33; ++expected) {  // across the key frame at 30
    ASSERT_TRUE(Graph().FrameStep());
    EXPECT_EQ(Shown(0), (FrameMark{expected, Channel::Front}));
    EXPECT_EQ(Shown(1), (FrameMark{expected, Channel::Rear}));
    EXPECT_EQ(PictureAt(times, controller_.GetPositionMs() + 0.999), expected);
    EXPECT_EQ(Graph().GetState(), PlayState::Paused);
  }
  // From a running graph the command pauses first; a running graph does not step.
  Graph().Run();
  EXPECT_FALSE(Graph().FrameStep());
}

TEST_F(PlayerTest, FrameStepStopsAtTheLastFrame) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 1, "h264", "none", 1}).string()));
  Graph().Pause();
  ASSERT_TRUE(controller_.SeekMs(900));
  ASSERT_TRUE(WaitCued());
  int steps = 0;
  while (Graph().FrameStep() && steps < 10) ++steps;
  EXPECT_EQ(steps, 2);  // 27 -> 28 -> 29, the last one
  EXPECT_EQ(Shown(0)->frameNumber, 29);
}

TEST_F(PlayerTest, FrontAndRearStayWithinOneFrameWhilePlaying) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 2, "h264", "aac"}).string()));
  Graph().Run();
  int samples = 0;
  for (int i = 0; i < 25; ++i) {
    Sleep(50);
    const auto front = Shown(0);
    const auto rear = Shown(1);
    const std::int64_t position = controller_.GetPositionMs();
    ASSERT_TRUE(front && rear);
    EXPECT_LE(std::abs(front->frameNumber - rear->frameNumber), 1) << i;
    if (position < controller_.GetDurationMs()) {
      EXPECT_LE(std::abs(front->frameNumber - FrameAt(position)), 2) << position;
    }
    ++samples;
  }
  EXPECT_EQ(samples, 25);
}

TEST_F(PlayerTest, BrightnessChangesThePausedPictureAtOnce) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 2, "h264", "aac"}).string()));
  Graph().Pause();
  ASSERT_TRUE(controller_.SeekMs(700));
  ASSERT_TRUE(WaitCued());
  QImage before, rearBefore;
  ASSERT_TRUE(controller_.GrabPicture(0, before));
  ASSERT_TRUE(controller_.GrabPicture(1, rearBefore));
  const struct {
    int value;
    double minChange;
  } cases[] = {{100, 60}, {-100, -60}, {150, 80}, {0, 0}};
  for (const auto& c : cases) {
    controller_.SetBrightness(1, c.value);
    ASSERT_TRUE(WaitCued());
    QImage after, rearAfter;
    ASSERT_TRUE(controller_.GrabPicture(0, after));
    ASSERT_TRUE(controller_.GrabPicture(1, rearAfter));
    const double change = MeanLuma(after) - MeanLuma(before);
    if (c.minChange > 0) {
      EXPECT_GT(change, c.minChange) << c.value;
    }
    if (c.minChange < 0) {
      EXPECT_LT(change, c.minChange) << c.value;
    }
    if (c.minChange == 0) {
      EXPECT_NEAR(change, 0, 1.0);
    }
    EXPECT_NEAR(MeanLuma(rearAfter), MeanLuma(rearBefore), 1.0) << "rear untouched";
    EXPECT_EQ(FrameAt(controller_.GetPositionMs()), 21);  // still the same frame
  }
}

TEST_F(PlayerTest, BrightnessReachesARunningPictureWithinAFewFrames) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 2, "h264", "aac"}).string()));
  QImage before;
  ASSERT_TRUE(controller_.GrabPicture(1, before));
  Graph().Run();
  controller_.SetBrightness(2, 120);
  Sleep(250);
  QImage after;
  ASSERT_TRUE(controller_.GrabPicture(1, after));
  EXPECT_GT(MeanLuma(after) - MeanLuma(before), 60);
}

TEST_F(PlayerTest, FlipTurnsAndMirrorsThePicture) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 2, "h264", "aac"}).string()));
  Graph().Pause();
  ASSERT_TRUE(controller_.SeekMs(400));
  ASSERT_TRUE(WaitCued());
  const FrameMark expected{12, Channel::Front};
  ASSERT_EQ(Shown(0), expected);

  controller_.SetDecoderParam(1, kParamFlipOn, 1);
  controller_.SetDecoderParam(1, kParamUpsideDown, 1);
  ASSERT_TRUE(WaitCued());
  QImage picture;
  ASSERT_TRUE(controller_.GrabPicture(0, picture));
  EXPECT_EQ(MarkOf(picture), std::nullopt);  // the mark went to the bottom
  EXPECT_EQ(MarkOf(picture.mirrored(false, true)), expected);

  controller_.SetDecoderParam(1, kParamFlipOn, 1);
  controller_.SetDecoderParam(1, kParamMirror, 1);
  ASSERT_TRUE(WaitCued());
  ASSERT_TRUE(controller_.GrabPicture(0, picture));
  EXPECT_EQ(MarkOf(picture.mirrored(true, true)), expected);

  controller_.SetDecoderParam(1, kParamUpsideDown, 0);
  ASSERT_TRUE(WaitCued());
  ASSERT_TRUE(controller_.GrabPicture(0, picture));
  EXPECT_EQ(MarkOf(picture), std::nullopt);
  EXPECT_EQ(MarkOf(picture.mirrored(true, false)), expected);

  controller_.SetDecoderParam(1, kParamMirror, 0);
  ASSERT_TRUE(WaitCued());
  EXPECT_EQ(Shown(0), expected);
  EXPECT_EQ(Shown(1), (FrameMark{12, Channel::Rear}));  // the rear was never flipped
}

TEST_F(PlayerTest, ParametersOfAMissingDecoderAreIgnored) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 1, "h264", "none", 1}).string()));
  controller_.SetBrightness(2, 100);  // no rear decoder in one channel
  controller_.SetDecoderParam(3, kParamFlipOn, 1);
  EXPECT_EQ(Shown(0), (FrameMark{0, Channel::Front}));
}

}  // namespace
}  // namespace motrevix::test
