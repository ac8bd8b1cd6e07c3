#pragma once
// The presentation clock of one graph: media time that runs at the playback rate
// while the graph runs and stands still otherwise. Thread-safe; every change wakes
// the threads waiting on it.

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "playback/play_state.h"

namespace motrevix {

class StreamClock {
 public:
  MediaTime Now() const;
  bool IsRunning() const;
  double Rate() const;

  void SetTime(MediaTime time);
  void Start();
  void Pause();
  void SetRate(double rate);

  // Waits until the clock reaches `time`, the clock changes, Wake() is called or
  // `maxWait` passes, whichever comes first.
  void WaitUntil(MediaTime time, std::chrono::milliseconds maxWait);
  void Wake();

 private:
  using Steady = std::chrono::steady_clock;
  MediaTime NowLocked(Steady::time_point wall) const;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  MediaTime base_ = 0;
  Steady::time_point baseWall_ = Steady::now();
  double rate_ = 1.0;
  bool running_ = false;
  unsigned long long generation_ = 0;
};

}  // namespace motrevix
