// What the sound output is given: all of the recording's sound, at the playback
// rate with the pitch kept, at the process-wide volume.
#include <gtest/gtest.h>

#include "playback/filter_graph.h"
#include "playback/sound_renderer_filter.h"
#include "playback/sound_volume.h"
#include "playback/stream_clock.h"
#include "tests/playback/player_fixture.h"

namespace motrevix::test {
namespace {

struct Heard {
  double seconds = 0;    // of output, at the output's sample rate
  double frequency = 0;  // of the left channel, from its rising zero crossings
  double leftPeak = 0;
  double rightPeak = 0;
};

Heard Analyse(RecordingSoundOutput::Log& log) {
  std::lock_guard lock(log.mutex);
  Heard heard;
  const std::size_t frames = log.samples.size() / 2;
  if (frames == 0 || log.sampleRate == 0) return heard;
  heard.seconds = static_cast<double>(frames) / log.sampleRate;
  // Rising crossings with hysteresis, so coding noise near zero does not count.
  long crossings = 0;
  std::size_t firstCrossing = 0;
  std::size_t lastCrossing = 0;
  bool low = false;
  for (std::size_t i = 1; i < frames; ++i) {
    const int current = log.samples[2 * i];
    if (current < -2000) low = true;
    if (low && current > 2000) {
      if (crossings == 0) firstCrossing = i;
      lastCrossing = i;
      ++crossings;
      low = false;
    }
    heard.leftPeak = std::max(heard.leftPeak, std::abs(current) / 32767.0);
    heard.rightPeak = std::max(heard.rightPeak, std::abs(log.samples[2 * i + 1]) / 32767.0);
  }
  // Between the first and the last crossing: leading and trailing silence (the
  // coder's priming) does not count.
  if (crossings > 1)
    heard.frequency = (crossings - 1) * static_cast<double>(log.sampleRate) /
                      static_cast<double>(lastCrossing - firstCrossing);
  return heard;
}

struct RateCase {
  RecordingKind kind;
  float rate;
};

void PrintTo(const RateCase& c, std::ostream* os) { *os << c.kind.Name() << " at " << c.rate; }

class SoundAtRate : public PlayerTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(SoundAtRate, FollowsTheRateWithThePitchKept) {
  const RateCase& c = GetParam();
  ASSERT_TRUE(controller_.Open(Recording(c.kind).string()));
  Graph().SetRequestedRate(c.rate);
  ASSERT_EQ(Graph().Run(), kOk);
  const std::int64_t duration = controller_.GetDurationMs();
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(static_cast<int>(duration / c.rate) + 3000);
  while (!Graph().ReachedEnd() && std::chrono::steady_clock::now() < deadline) Sleep(20);
  ASSERT_TRUE(Graph().ReachedEnd());
  // All of the sound was given, none skipped: the tempo changed, not the content.
  EXPECT_EQ(Graph().GetAudioRenderer()->LateDrops(), 0);
  const Heard heard = Analyse(*sound_);
  EXPECT_NEAR(heard.seconds, c.kind.seconds / c.rate, 0.12 * c.kind.seconds / c.rate);
  EXPECT_NEAR(heard.frequency, 440.0, 8.0);  // a 440 Hz tone stays a 440 Hz tone
  EXPECT_NEAR(heard.leftPeak, 0.3, 0.06);
  EXPECT_NEAR(heard.rightPeak, 0.3, 0.06);
}

INSTANTIATE_TEST_SUITE_P(Rates, SoundAtRate,
                         ::testing::Values(RateCase{{"AVI", 2, "h264", "aac", 2}, 1.0f},
                                           RateCase{{"AVI", 1, "h264", "pcm", 2}, 1.0f},
                                           RateCase{{"MP4", 2, "h264", "aac", 2}, 2.0f},
                                           RateCase{{"AVI", 1, "h264", "pcm", 1}, 0.5f}),
                         [](const auto& info) {
                           return info.param.kind.audio + "_" +
                                  std::to_string(static_cast<int>(info.param.rate * 100));
                         });

// Hands blocks of decoded sound to the component it is connected to.
class SoundBlockSource : public CBaseFilter {
 public:
  static constexpr int kRate = 48000;
  SoundBlockSource() : output_(AddPin("Audio", PinDirection::Output)) {
    MediaType type;
    type.major = MajorType::Audio;
    type.sub = SubType::RawAudio;
    type.sampleRate = kRate;
    type.channels = 2;
    output_.SetMediaTypes({type});
  }
  CPin& Output() { return output_; }
  // 10 ms of a steady level that ends at `end`.
  bool SendBlockEndingAt(MediaTime end) {
    av::Frame frame = av::MakeFrame();
    frame->format = AV_SAMPLE_FMT_S16;
    frame->sample_rate = kRate;
    av_channel_layout_default(&frame->ch_layout, 2);
    frame->nb_samples = kRate / 100;
    if (av_frame_get_buffer(frame.get(), 0) < 0) return false;
    auto* samples = reinterpret_cast<std::int16_t*>(frame->data[0]);
    std::fill(samples, samples + 2 * frame->nb_samples, std::int16_t{8000});
    MediaSample sample;
    sample.kind = MediaSample::Kind::Frame;
    sample.duration = 10 * kUnitsPerMs;
    sample.start = end - sample.duration;
    sample.frame = std::move(frame);
    return output_.Deliver(std::move(sample));
  }

 private:
  CPin& output_;
};

// A block that comes a little after its time (a start on a busy machine) is
// played; one more than a picture late is skipped, so sound keeps in step.
TEST(SoundRenderer, PlaysSlightlyLateSoundAndSkipsSoundAPictureLate) {
  const struct {
    int lateMs;
    bool played;
  } cases[] = {{1, true}, {30, true}, {40, false}, {120, false}};
  for (const auto& c : cases) {
    auto log = std::make_shared<RecordingSoundOutput::Log>();
    auto source = std::make_shared<SoundBlockSource>();
    auto renderer =
        std::make_shared<CSoundRendererFilter>(std::make_unique<RecordingSoundOutput>(log));
    CFilterGraph graph;
    ASSERT_EQ(graph.AddFilter(source, "source"), kOk);
    ASSERT_EQ(graph.AddFilter(renderer, "DirectSound Audio Renderer"), kOk);
    ASSERT_EQ(graph.Connect(&source->Output(), renderer->PinsOf(PinDirection::Input).front()), kOk);
    // The clock stands still, so the block is exactly as late as asked: streaming
    // runs paused and only the sound renderer is told to play.
    graph.Clock().SetTime(10 * kUnitsPerSecond);
    graph.Pause();
    renderer->OnRunStateChanged(true);
    ASSERT_TRUE(source->SendBlockEndingAt(graph.Clock().Now() - c.lateMs * kUnitsPerMs));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!renderer->HasPresented() && renderer->LateDrops() == 0 &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_EQ(renderer->HasPresented(), c.played) << c.lateMs;
    EXPECT_EQ(renderer->LateDrops(), c.played ? 0 : 1) << c.lateMs;
  }
}

TEST_F(PlayerTest, WaveOutVolumeSetsEachChannel) {
  SetWaveOutVolume(0x0000FFFFu);  // left full, right silent
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 1, "h264", "aac", 1}).string()));
  Graph().Run();
  Sleep(600);
  Graph().Pause();
  ResetSoundVolume();
  const Heard heard = Analyse(*sound_);
  EXPECT_GT(heard.seconds, 0.3);
  EXPECT_NEAR(heard.leftPeak, 0.3, 0.06);
  EXPECT_EQ(heard.rightPeak, 0.0);
  EXPECT_EQ(GetWaveOutVolume(), 0xFFFFFFFFu);
}

TEST_F(PlayerTest, PauseStopsTheSound) {
  ASSERT_TRUE(controller_.Open(Recording({"MP4", 1, "h264", "aac", 2}).string()));
  Graph().Run();
  Sleep(300);
  Graph().Pause();
  Sleep(50);
  const double atPause = Analyse(*sound_).seconds;
  Sleep(400);
  EXPECT_EQ(Analyse(*sound_).seconds, atPause);
  // What was given before the pause is at most the output's buffer ahead of the picture.
  EXPECT_NEAR(atPause, controller_.GetPositionMs() / 1000.0, 0.25);
}

}  // namespace
}  // namespace motrevix::test
