// The graphs built for one- and two-channel recordings with AAC, PCM and no sound.
#include <gtest/gtest.h>

#include <algorithm>

#include "playback/filter_graph.h"
#include "playback/stream_parse_filter.h"
#include "playback/video_renderer_filter.h"
#include "tests/playback/player_fixture.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

std::vector<std::string> FilterNames(CFilterGraph& graph) {
  std::vector<std::string> names;
  for (const auto& filter : graph.EnumFilters()) names.push_back(filter->Name());
  std::sort(names.begin(), names.end());
  return names;
}

// The name of the component that the named component's output pin `pin` feeds.
std::string Feeds(CFilterGraph& graph, const std::string& filter, const std::string& pin) {
  CBaseFilter* component = graph.FindFilterByName(filter);
  if (component == nullptr) return "(no " + filter + ")";
  for (CPin* out : component->PinsOf(PinDirection::Output))
    if (out->Name() == pin)
      return out->ConnectedTo() ? out->ConnectedTo()->Filter()->Name() : "(unconnected)";
  return "(no pin " + pin + ")";
}

struct BuildCase {
  RecordingKind kind;
  int audioCode;
  std::vector<std::string> filters;
};

void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.kind.Name(); }

class GraphBuild : public PlayerTest, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(GraphBuild, BuildsNamedChainsAndCuesTheFirstPicture) {
  const BuildCase& c = GetParam();
  ASSERT_TRUE(controller_.Open(Recording(c.kind).string()));
  CPlaybackGraph& graph = Graph();
  CFilterGraph& filters = *graph.GetFilterGraph();
  std::vector<std::string> expected = c.filters;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FilterNames(filters), expected);
  EXPECT_EQ(graph.GetChannelCount(), c.kind.channels);
  EXPECT_EQ(controller_.GetChannelCount(), c.kind.channels);
  EXPECT_EQ(graph.GetAudioCode(), c.audioCode);
  EXPECT_EQ(graph.GetState(), PlayState::Stopped);
  EXPECT_TRUE(graph.IsReady());

  const bool two = c.kind.channels == 2;
  const std::string renderer1 = two ? "Mixing Renderer9-1" : "Mixing Renderer9";
  EXPECT_EQ(Feeds(filters, "QVStreamParseFilter", "Video 1"), "FFDShow Decoder1");
  EXPECT_EQ(Feeds(filters, "FFDShow Decoder1", "Out"), "Color Space Convertor 1");
  EXPECT_EQ(Feeds(filters, "Color Space Convertor 1", "XForm Out"), renderer1);
  if (two) {
    EXPECT_EQ(Feeds(filters, "QVStreamParseFilter", "Video 2"), "FFDShow Decoder2");
    EXPECT_EQ(Feeds(filters, "FFDShow Decoder2", "Out"), "Color Space Convertor 2");
    EXPECT_EQ(Feeds(filters, "Color Space Convertor 2", "XForm Out"), "Mixing Renderer9-2");
  }
  if (c.audioCode >= 1000) {
    EXPECT_EQ(Feeds(filters, "QVStreamParseFilter", "Audio"), "DirectSound Audio Renderer");
  } else if (c.audioCode > 0) {
    const std::string aac = two ? "CoreAAC Decoder" : "COREAAC AUDIO";
    EXPECT_EQ(Feeds(filters, "QVStreamParseFilter", "Audio"), aac);
    EXPECT_EQ(Feeds(filters, aac, "Output"), "DirectSound Audio Renderer");
  }

  // Renderer set-up: stretched to the whole client area, no border for renderer 1.
  EXPECT_EQ(front_.Destination(), QRect(0, 0, 320, 180));
  EXPECT_FALSE(front_.RenderBorder());
  EXPECT_EQ(graph.GetRenderer(1)->AspectMode(), AspectRatioMode::None);
  if (two) {
    EXPECT_EQ(rear_.Destination(), QRect(0, 0, 160, 90));
    EXPECT_TRUE(rear_.RenderBorder());
  }

  // Cued on the first picture of each channel; the duration is cached.
  EXPECT_EQ(Shown(0), (pattern::FrameMark{0, pattern::Channel::Front}));
  EXPECT_GE(front_.PresentedCount(), 1);
  if (two) {
    EXPECT_EQ(Shown(1), (pattern::FrameMark{0, pattern::Channel::Rear}));
  }
  EXPECT_NEAR(static_cast<double>(graph.GetCachedDuration()), c.kind.seconds * 1e7, 1.5e6);
  EXPECT_EQ(controller_.GetPositionMs(), 0);
}

const std::string kSource = "QVStreamParseFilter";
const std::string kSound = "DirectSound Audio Renderer";
const std::vector<std::string> kOneChannelVideo = {"FFDShow Decoder1", "Color Space Convertor 1",
                                                   "Mixing Renderer9"};
const std::vector<std::string> kTwoChannelVideo = {
    "FFDShow Decoder1",        "FFDShow Decoder2",   "Color Space Convertor 1",
    "Color Space Convertor 2", "Mixing Renderer9-1", "Mixing Renderer9-2"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, GraphBuild,
    ::testing::Values(
        BuildCase{{"AVI", 1, "h264", "aac"},
                  1,
                  Join({kSource, "COREAAC AUDIO", kSound}, kOneChannelVideo)},
        BuildCase{{"MP4", 1, "mpeg4", "none"}, 0, Join({kSource}, kOneChannelVideo)},
        BuildCase{{"AVI", 1, "h264", "pcm"}, 1001, Join({kSource, kSound}, kOneChannelVideo)},
        BuildCase{{"AVI", 2, "h264", "aac"},
                  1,
                  Join({kSource, "CoreAAC Decoder", kSound}, kTwoChannelVideo)},
        BuildCase{{"MP4", 2, "h264", "aac"},
                  1,
                  Join({kSource, "CoreAAC Decoder", kSound}, kTwoChannelVideo)},
        BuildCase{{"AVI", 2, "mpeg4", "pcm"}, 1001, Join({kSource, kSound}, kTwoChannelVideo)},
        BuildCase{{"MP4", 2, "h264", "none"}, 0, Join({kSource}, kTwoChannelVideo)}),
    [](const auto& info) {
      std::string name = info.param.kind.Name();
      for (char& ch : name)
        if (ch == '.') ch = '_';
      return name;
    });

// A connection tries at most three pin pairs. In a file whose sound streams come
// before its picture, the AAC decoder takes the first sound pin; behind two spare
// sound pins the picture pin is the third pair tried and connects, behind three it
// would be the fourth, so the picture stays unconnected and nothing can be shown.
TEST_F(PlayerTest, PinConnectionTriesAtMostThreePairs) {
  const struct {
    int soundStreams;
    bool playable;
  } cases[] = {{2, true}, {3, true}, {4, false}};
  for (const auto& c : cases) {
    const std::filesystem::path file =
        ScratchDir() / ("sound-first-" + std::to_string(c.soundStreams) + ".mp4");
    std::vector<std::string> args = {"-v", "error",
                                     "-f", "lavfi",
                                     "-i", "testsrc=size=160x120:rate=25:duration=1",
                                     "-f", "lavfi",
                                     "-i", "sine=frequency=440:duration=1"};
    for (int i = 0; i < c.soundStreams; ++i) args.insert(args.end(), {"-map", "1:a"});
    args.insert(args.end(), {"-map", "0:v", "-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac",
                             file.string()});
    const ProcessResult made = test::Run("ffmpeg", args);
    ASSERT_EQ(made.exitCode, 0) << made.err;

    ASSERT_EQ(controller_.Open(file.string()), c.playable) << c.soundStreams;
    if (!c.playable) continue;
    CFilterGraph& filters = *Graph().GetFilterGraph();
    EXPECT_EQ(Graph().GetAudioCode(), c.soundStreams);
    EXPECT_EQ(Feeds(filters, "QVStreamParseFilter", "Video 1"), "FFDShow Decoder1");
    int spare = 0;
    for (CPin* out : Graph().GetSource()->PinsOf(PinDirection::Output))
      if (out->Name() == "Audio" && out->ConnectedTo() == nullptr) ++spare;
    EXPECT_EQ(spare, c.soundStreams - 1);
    EXPECT_GE(front_.PresentedCount(), 1);
  }
}

TEST_F(PlayerTest, MissingSoundRendererGivesPicturesWithoutSound) {
  ComponentOptions options;
  options.soundOutput = [] { return std::unique_ptr<ISoundOutput>(); };
  HeadlessVideoSurface front, rear;  // made first: they outlive the playing controller
  CPlaybackController controller(options);
  controller.Attach(&front, &rear);
  ASSERT_TRUE(controller.Open(Recording({"AVI", 2, "h264", "aac"}).string()));
  CPlaybackGraph& graph = *controller.Graph();
  EXPECT_EQ(graph.GetAudioRenderer(), nullptr);
  EXPECT_EQ(Feeds(*graph.GetFilterGraph(), "QVStreamParseFilter", "Audio"), "(unconnected)");
  EXPECT_EQ(graph.Run(), kOk);
  Sleep(300);
  EXPECT_GT(controller.GetPositionMs(), 150);
  EXPECT_GT(front.PresentedCount(), 3);
}

TEST_F(PlayerTest, MissingComponentsAreFoundByCheckFilters) {
  EXPECT_EQ(controller_.CheckFilters(), 1);
  const struct {
    std::string_view missing;
    int expected;
  } cases[] = {{clsid::kStreamParser, -1}, {clsid::kVideoDecoder, -2}};
  for (const auto& c : cases) {
    ComponentOptions options;
    options.unavailable.insert(std::string(c.missing));
    CPlaybackController controller(options);
    HeadlessVideoSurface front;
    controller.Attach(&front, nullptr);
    EXPECT_EQ(controller.CheckFilters(), c.expected);
    // Without its components no recording opens.
    EXPECT_FALSE(controller.Open(Recording({"AVI", 2, "h264", "aac"}).string()));
  }
  CPlaybackController unattached;
  EXPECT_EQ(unattached.CheckFilters(), -1);  // no pipeline object yet
}

}  // namespace
}  // namespace motrevix::test
