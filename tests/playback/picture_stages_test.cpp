#include "playback/picture_stages.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/frame.h>
}

#include "platform/av_handles.h"
#include "playback/decoder_params.h"

namespace motrevix {
namespace {

// A 5x3 YUV 4:2:0 picture whose samples are numbered, so moves are visible:
// luma row r, column c holds 10r+c; chroma (3x2) holds 100+10r+c and 200+10r+c.
av::Frame NumberedPicture() {
  av::Frame frame = av::MakeFrame();
  frame->format = AV_PIX_FMT_YUV420P;
  frame->width = 5;
  frame->height = 3;
  EXPECT_EQ(av_frame_get_buffer(frame.get(), 0), 0);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) frame->data[0][r * frame->linesize[0] + c] = 10 * r + c;
  for (int plane = 1; plane <= 2; ++plane)
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c)
        frame->data[plane][r * frame->linesize[plane] + c] = 100 * plane + 10 * r + c;
  return frame;
}

int At(const AVFrame* frame, int plane, int r, int c) {
  return frame->data[plane][r * frame->linesize[plane] + c];
}

TEST(PictureStages, FlipsMoveEveryPlaneIncludingOddSizedChroma) {
  const struct {
    bool upsideDown, mirror;
    int lumaTopLeft, lumaBottomRight, chromaTopLeft;
  } cases[] = {
      {true, false, 20, 4, 110},   // rows reversed
      {false, true, 4, 20, 102},   // columns reversed
      {true, true, 24, 0, 112},    // both: turned half round
      {false, false, 0, 24, 100},  // the flip stage on but nothing asked
  };
  for (const auto& c : cases) {
    PictureStages stages;
    stages.PutParam(kParamFlipOn, 1);
    stages.PutParam(kParamUpsideDown, c.upsideDown);
    stages.PutParam(kParamMirror, c.mirror);
    av::Frame frame = NumberedPicture();
    ASSERT_TRUE(stages.Apply(frame.get()));
    EXPECT_EQ(At(frame.get(), 0, 0, 0), c.lumaTopLeft);
    EXPECT_EQ(At(frame.get(), 0, 2, 4), c.lumaBottomRight);
    EXPECT_EQ(At(frame.get(), 1, 0, 0), c.chromaTopLeft);
    EXPECT_EQ(At(frame.get(), 2, 0, 0), c.chromaTopLeft + 100);
    EXPECT_EQ(At(frame.get(), 0, 1, 2), 12);  // the centre stays
  }
}

TEST(PictureStages, FlipsNeedTheFlipStageSwitchedOn) {
  PictureStages stages;
  stages.PutParam(kParamUpsideDown, 1);
  EXPECT_FALSE(stages.Active());
  stages.PutParam(kParamFlipOn, 1);
  EXPECT_TRUE(stages.UpsideDown());
}

TEST(PictureStages, BrightnessOffsetsLumaOnlyClampedToItsRange) {
  const struct {
    int value, propertiesOn, expectedOffset;
  } cases[] = {{40, 1, 40}, {-5, 1, -5}, {400, 1, 150}, {-400, 1, -150}, {80, 0, 0}};
  for (const auto& c : cases) {
    PictureStages stages;
    stages.PutParam(kParamPicturePropertiesOn, c.propertiesOn);
    stages.PutParam(kParamBrightness, c.value);
    av::Frame frame = NumberedPicture();
    frame->data[0][0] = 250;
    ASSERT_TRUE(stages.Apply(frame.get()));
    EXPECT_EQ(At(frame.get(), 0, 2, 4), std::clamp(24 + c.expectedOffset, 0, 255)) << c.value;
    EXPECT_EQ(At(frame.get(), 0, 0, 0), std::clamp(250 + c.expectedOffset, 0, 255)) << c.value;
    EXPECT_EQ(At(frame.get(), 1, 1, 2), 112);  // colour untouched
  }
}

TEST(PictureStages, EffectIgnoresSwitchesThatChangeNothing) {
  PictureStages stages;
  const auto none = stages.CurrentEffect();
  stages.PutParam(kParamPicturePropertiesOn, 1);
  stages.PutParam(kParamBrightness, 0);
  stages.PutParam(kParamFlipOn, 1);
  EXPECT_EQ(stages.CurrentEffect(), none);
  stages.PutParam(kParamMirror, 1);
  EXPECT_FALSE(stages.CurrentEffect() == none);
  EXPECT_EQ(stages.PutParam(999, 1), kFail);
}

TEST(PictureStages, OtherPictureFormatsAreLeftAlone) {
  PictureStages stages;
  stages.PutParam(kParamFlipOn, 1);
  stages.PutParam(kParamMirror, 1);
  av::Frame frame = av::MakeFrame();
  frame->format = AV_PIX_FMT_BGRA;
  frame->width = 2;
  frame->height = 2;
  ASSERT_EQ(av_frame_get_buffer(frame.get(), 0), 0);
  frame->data[0][0] = 7;
  EXPECT_FALSE(stages.Apply(frame.get()));
  EXPECT_EQ(frame->data[0][0], 7);
}

}  // namespace
}  // namespace motrevix
