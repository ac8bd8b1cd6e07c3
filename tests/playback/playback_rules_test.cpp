#include "playback/playback_rules.h"

#include <gtest/gtest.h>

namespace motrevix::rules {
namespace {

TEST(PlaybackRules, RunRateKeepsOneAndClampsTheRest) {
  const struct {
    float requested, applied;
  } cases[] = {{1.0f, 1.0f},   {5.0f, 2.0f}, {0.2f, 0.5f}, {0.4f, 0.5f}, {1.25f, 1.25f},
               {1.75f, 1.75f}, {2.0f, 2.0f}, {0.5f, 0.5f}, {0.0f, 0.5f}, {-3.0f, 0.5f}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(RunRate(c.requested), c.applied) << c.requested;
}

TEST(PlaybackRules, SkipTargetClampsToTheRecording) {
  constexpr MediaTime kSecond = kUnitsPerSecond;
  const MediaTime duration = 30 * kSecond;
  const struct {
    MediaTime position;
    double seconds;
    MediaTime target;
  } cases[] = {
      {4 * kSecond / 10, -1.0, 0},  // back from 0.4 s lands on 0
      {0, -1.0, 0},
      {5 * kSecond, -1.0, 4 * kSecond},
      {5 * kSecond, 1.0, 6 * kSecond},
      {duration - kSecond / 2, 1.0, duration},  // within the last second: the end
      {duration, 1.0, duration},
      {kSecond, 0.25, kSecond + kSecond / 4},
      {kSecond, -0.0000001, kSecond - 1},  // the product truncates toward zero
  };
  for (const auto& c : cases)
    EXPECT_EQ(SkipTarget(c.position, c.seconds, duration), c.target)
        << c.position << " " << c.seconds;
}

TEST(PlaybackRules, MillisecondsAreTenThousandUnits) {
  EXPECT_EQ(ToMs(12'345'678), 1234);
  EXPECT_EQ(ToMs(9'999), 0);
  EXPECT_EQ(FromMs(1234), 12'340'000);
  EXPECT_EQ(FromMs(-5), -50'000);
}

TEST(PlaybackRules, ChannelsCountPinsNamedVideoCaseSensitively) {
  EXPECT_EQ(CountVideoPins({"Video 1", "Video 2", "Audio"}), 2);
  EXPECT_EQ(CountVideoPins({"Front Video", "Audio"}), 1);
  EXPECT_EQ(CountVideoPins({"video", "VIDEO", "Audio"}), 0);
  EXPECT_EQ(CountVideoPins({}), 0);
}

TEST(PlaybackRules, AudioCodeCountsAudioPinsAndPcm) {
  EXPECT_EQ(AudioCode({}), 0);
  EXPECT_EQ(AudioCode({{"Video 1", false}}), 0);
  EXPECT_EQ(AudioCode({{"Video 1", false}, {"Audio", false}}), 1);
  EXPECT_EQ(AudioCode({{"Audio", true}}), 1001);
  EXPECT_EQ(AudioCode({{"Audio", false}, {"Audio 2", true}}), 1002);
  EXPECT_EQ(AudioCode({{"audio", true}}), 0);
}

TEST(PlaybackRules, StateTable) {
  using enum PlayState;
  using C = Command;
  const struct {
    PlayState from;
    Command command;
    std::optional<PlayState> to;
  } cases[] = {
      {Stopped, C::Run, Running},        {Paused, C::Run, Running},
      {Running, C::Run, std::nullopt},   {Idle, C::Run, std::nullopt},
      {Running, C::Pause, Paused},       {Stopped, C::Pause, Paused},
      {Idle, C::Pause, Paused},          {Paused, C::Pause, Paused},
      {Running, C::Stop, Stopped},       {Paused, C::Stop, Stopped},
      {Stopped, C::Stop, std::nullopt},  {Idle, C::Stop, std::nullopt},
      {Idle, C::StopWhenReady, Stopped}, {Running, C::Teardown, Stopped},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NextState(c.from, c.command), c.to)
        << static_cast<int>(c.from) << " " << static_cast<int>(c.command);
}

}  // namespace
}  // namespace motrevix::rules
