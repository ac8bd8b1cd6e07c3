#pragma once
// The presentation clock of one graph: media time that runs at the playback rate
// while the graph runs and stands still otherwise. Thread-safe; every change wakes
// the threads waiting on it.

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "playback/play_state.h"
#include "playback/time_source.h"

namespace motrevix {

class StreamClock {
 public:
  // Reads the time from `source`, which must outlive the clock.
  explicit StreamClock(const TimeSource& source = MonotonicTimeSource());

  MediaTime Now() const;
  bool IsRunning() const;
  double Rate() const;

  void SetTime(MediaTime time);
  void Start();
  void Pause();
  void SetRate(double rate);

  // How far the clock may stray from the sound heard before it is set to it.
  static constexpr MediaTime kSoundTolerance = 10 * kUnitsPerMs;
  // The media time that the sound device plays now. While the clock runs and is
  // more than kSoundTolerance away from it, the clock is set to it and runs on
  // from there; a paused clock ignores it. True when the clock was set.
  bool FollowSound(MediaTime heard);

  // Waits until the clock reaches `time`, the clock changes, Wake() is called or
  // `maxWait` of the source's time passes, whichever comes first.
  void WaitUntil(MediaTime time, std::chrono::milliseconds maxWait);
  void Wake();

 private:
  using Wall = TimeSource::Duration;
  MediaTime NowLocked(Wall wall) const;

  const TimeSource& source_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  MediaTime base_ = 0;
  Wall baseWall_;
  double rate_ = 1.0;
  bool running_ = false;
  unsigned long long generation_ = 0;
};

}  // namespace motrevix
