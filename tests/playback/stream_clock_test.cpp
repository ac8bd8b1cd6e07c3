// The presentation clock on a manual time source, and the sample queue's bursts
// and abort: logical time only, so a busy machine cannot change the results.
#include "playback/stream_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "playback/null_sound_output.h"
#include "playback/sample_queue.h"
#include "playback/sound_timeline.h"

namespace motrevix {
namespace {

using namespace std::chrono_literals;
constexpr MediaTime kMs = 10'000;  // media time counts 100 ns units

TEST(StreamClockOnManualTime, RunsPausesAndFollowsTheRate) {
  // Each step acts on the clock, then moves the source; the clock then reads `now`.
  enum class Act { None, Start, Pause, SetTime, Rate };
  const struct {
    std::string step;
    Act act;
    double value;
    std::chrono::milliseconds advance;
    MediaTime now;
  } steps[] = {
      {"stands still until started", Act::None, 0, 500ms, 0},
      {"runs at 1.0", Act::Start, 0, 250ms, 250 * kMs},
      {"a second start changes nothing", Act::Start, 0, 250ms, 500 * kMs},
      {"paused, it stands still", Act::Pause, 0, 1000ms, 500 * kMs},
      {"resumes where it stood", Act::Start, 0, 100ms, 600 * kMs},
      {"at 2.0 it runs twice as fast", Act::Rate, 2.0, 100ms, 800 * kMs},
      {"at 0.5 half as fast", Act::Rate, 0.5, 200ms, 900 * kMs},
      {"set while running, it runs on from there", Act::SetTime, 5000, 200ms, 5100 * kMs},
      {"set while paused, it stays there", Act::Pause, 0, 0ms, 5100 * kMs},
      {"", Act::SetTime, 42, 300ms, 42 * kMs},
  };
  ManualTimeSource time;
  StreamClock clock(time);
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    switch (s.act) {
      case Act::None:
        break;
      case Act::Start:
        clock.Start();
        break;
      case Act::Pause:
        clock.Pause();
        break;
      case Act::SetTime:
        clock.SetTime(static_cast<MediaTime>(s.value) * kMs);
        break;
      case Act::Rate:
        clock.SetRate(s.value);
        break;
    }
    time.Advance(s.advance);
    EXPECT_EQ(clock.Now(), s.now);
  }
}

TEST(StreamClockOnManualTime, WaitUntilReturnsWhenTheClockGetsThereOrChanges) {
  const struct {
    std::string name;
    bool running;
    MediaTime target;
    // What happens while the waiter waits.
    std::function<void(ManualTimeSource&, StreamClock&)> meanwhile;
  } cases[] = {
      {"the clock reaches the time", true, 100 * kMs,
       [](ManualTimeSource& t, StreamClock&) { t.Advance(100ms); }},
      {"a paused clock is woken", false, 100 * kMs,
       [](ManualTimeSource&, StreamClock& c) { c.Wake(); }},
      {"a seek changes the clock", true, 100 * kMs,
       [](ManualTimeSource&, StreamClock& c) { c.SetTime(0); }},
      {"the sound heard moves the clock past it", true, 100 * kMs,
       [](ManualTimeSource&, StreamClock& c) { c.FollowSound(200 * kMs); }},
      {"the longest wait passes on the source", false, 100 * kMs,
       [](ManualTimeSource& t, StreamClock&) { t.Advance(60s); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ManualTimeSource time;
    StreamClock clock(time);
    if (c.running) clock.Start();
    auto waiter = std::async(std::launch::async,
                             [&] { clock.WaitUntil(c.target, std::chrono::milliseconds(30000)); });
    // Not before something happens: the source stands still.
    EXPECT_EQ(waiter.wait_for(50ms), std::future_status::timeout);
    c.meanwhile(time, clock);
    EXPECT_EQ(waiter.wait_for(5s), std::future_status::ready);
  }
}

TEST(StreamClockOnManualTime, FollowsTheSoundHeardOnceItStraysBeyondTheTolerance) {
  // Each step may change the rate or pause, then reports the sound heard, then
  // moves the source; the clock then reads `now`.
  const struct {
    std::string step;
    double rate;  // 0: pause first
    MediaTime heardMs;
    bool rebased;
    std::chrono::milliseconds advance;
    MediaTime nowMs;
  } steps[] = {
      {"a few ms off is left alone", 1.0, 5, false, 100ms, 100},
      {"exactly the tolerance off is left alone", 1.0, 110, false, 0ms, 100},
      {"a sink that starts late holds the clock back", 1.0, 60, true, 50ms, 110},
      {"and the clock waits for it again", 1.0, 110 - 11, true, 0ms, 99},
      {"sound ahead moves the clock on", 1.0, 200, true, 100ms, 300},
      {"at 2.0 the clock runs on twice as fast from the sound", 2.0, 320, true, 10ms, 340},
      {"a paused clock ignores the sound", 0, 0, false, 100ms, 340},
  };
  ManualTimeSource time;
  StreamClock clock(time);
  clock.Start();
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    if (s.rate == 0)
      clock.Pause();
    else if (s.rate != clock.Rate())
      clock.SetRate(s.rate);
    EXPECT_EQ(clock.FollowSound(s.heardMs * kMs), s.rebased);
    time.Advance(s.advance);
    EXPECT_EQ(clock.Now(), s.nowMs * kMs);
  }
}

TEST(SoundTimeline, TellsTheMediaTimeHeardFromWhatTheOutputStillHolds) {
  // Output frames at 1000 a second: a block of 0.1 s at rate 1.0 (media 0-100 ms),
  // then one of 0.1 s at rate 2.0 (media 100-300 ms).
  SoundTimeline timeline;
  EXPECT_FALSE(timeline.HeardAt(0).has_value()) << "nothing written yet";
  timeline.Append(100, 0, 100 * kMs);
  timeline.Append(100, 100 * kMs, 300 * kMs);
  const struct {
    std::string name;
    double queuedFrames;
    MediaTime heardMs;
  } cases[] = {
      {"all heard", 0, 300},
      {"nothing queued is all heard", -5, 300},
      {"half the fast block queued", 50, 200},
      {"the fast block queued", 100, 100},
      {"half the first block queued too", 150, 50},
      {"everything queued", 200, 0},
      {"older sound queued before it plays first", 250, -50},
      {"a fraction of a frame", 0.5, 299},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(timeline.HeardAt(c.queuedFrames), c.heardMs * kMs);
  }
  timeline.Clear();
  EXPECT_FALSE(timeline.HeardAt(0).has_value()) << "after a seek";
}

TEST(SoundTimeline, ForgetsOldBlocksButKeepsTheirPace) {
  SoundTimeline timeline(150);
  timeline.Append(100, 0, 100 * kMs);
  timeline.Append(100, 100 * kMs, 300 * kMs);
  timeline.Append(100, 300 * kMs, 500 * kMs);
  // The first block is gone: what is queued beyond the two kept ones runs at the
  // pace of the oldest kept one.
  EXPECT_EQ(timeline.HeardAt(250), 0 * kMs);
  EXPECT_EQ(timeline.HeardAt(150), 200 * kMs);
}

TEST(StreamClockOnManualTime, ATimeAlreadyPassedDoesNotWait) {
  ManualTimeSource time;
  StreamClock clock(time);
  clock.SetTime(200 * kMs);
  clock.WaitUntil(100 * kMs, 30000ms);  // returns at once, or the test hangs
  SUCCEED();
}

TEST(NullSoundOutputOnManualTime, ConsumesAtTheSourcesPace) {
  ManualTimeSource time;
  NullSoundOutput output(0.2, time);
  ASSERT_TRUE(output.Init(1000, 1));
  std::vector<std::uint8_t> block(2 * 1000, 0);                  // one second of mono 16-bit
  EXPECT_EQ(output.Play(block.data(), block.size()), 2u * 200);  // 0.2 s fit
  EXPECT_DOUBLE_EQ(output.Delay(), 0.2);
  time.Advance(50ms);
  EXPECT_DOUBLE_EQ(output.Delay(), 0.15);
  output.Pause();
  time.Advance(1s);
  EXPECT_DOUBLE_EQ(output.Delay(), 0.15);
  output.Resume();
  time.Advance(100ms);
  EXPECT_NEAR(output.Delay(), 0.05, 1e-9);
  EXPECT_EQ(output.Play(block.data(), block.size()), 2u * 150);
  output.Reset();
  EXPECT_EQ(output.Delay(), 0.0);
}

TEST(SampleQueue, AFullQueueRefillsInBurstsFromTheRefillLevel) {
  SampleQueue<int> queue(4, 1);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(queue.Push(i));
  std::atomic<int> pushed{0};
  auto producer = std::async(std::launch::async, [&] {
    for (int i = 4; i < 7; ++i) {
      queue.Push(i);
      ++pushed;
    }
  });
  // The producer finds the queue full; it then waits until the queue is down to
  // one sample, not just one below full.
  std::this_thread::sleep_for(50ms);
  ASSERT_EQ(pushed.load(), 0);
  EXPECT_EQ(*queue.Pop(0ms), 0);
  EXPECT_EQ(*queue.Pop(0ms), 1);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(pushed.load(), 0);
  EXPECT_EQ(*queue.Pop(0ms), 2);
  EXPECT_EQ(producer.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(pushed.load(), 3);
  for (int expected = 3; expected < 7; ++expected) EXPECT_EQ(*queue.Pop(0ms), expected);
}

TEST(SampleQueue, AbortReleasesEveryWaiterAndRefusesSamples) {
  SampleQueue<int> queue(1, 0);
  ASSERT_TRUE(queue.Push(1));
  auto producer = std::async(std::launch::async, [&] { return queue.Push(2); });
  SampleQueue<int> empty;
  auto consumer = std::async(std::launch::async, [&] { return empty.Pop(60s).has_value(); });
  std::this_thread::sleep_for(20ms);
  queue.SetAborted(true);
  empty.SetAborted(true);
  ASSERT_EQ(producer.wait_for(5s), std::future_status::ready);
  ASSERT_EQ(consumer.wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(producer.get());
  EXPECT_FALSE(consumer.get());
  EXPECT_FALSE(queue.Pop(0ms).has_value());
  queue.SetAborted(false);
  EXPECT_EQ(*queue.Pop(0ms), 1);
}

}  // namespace
}  // namespace motrevix
