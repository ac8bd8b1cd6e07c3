#include "playback/stream_clock.h"

#include <algorithm>

namespace motrevix {

const TimeSource& MonotonicTimeSource() {
  static const SteadyTimeSource source;
  return source;
}

StreamClock::StreamClock(const TimeSource& source) : source_(source), baseWall_(source.Now()) {}

MediaTime StreamClock::NowLocked(Wall wall) const {
  if (!running_) return base_;
  const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(wall - baseWall_);
  return base_ + static_cast<MediaTime>(static_cast<double>(elapsed.count()) / 100.0 * rate_);
}

MediaTime StreamClock::Now() const {
  std::lock_guard lock(mutex_);
  return NowLocked(source_.Now());
}

bool StreamClock::IsRunning() const {
  std::lock_guard lock(mutex_);
  return running_;
}

double StreamClock::Rate() const {
  std::lock_guard lock(mutex_);
  return rate_;
}

void StreamClock::SetTime(MediaTime time) {
  {
    std::lock_guard lock(mutex_);
    base_ = time;
    baseWall_ = source_.Now();
    ++generation_;
  }
  changed_.notify_all();
}

void StreamClock::Start() {
  {
    std::lock_guard lock(mutex_);
    if (running_) return;
    baseWall_ = source_.Now();
    running_ = true;
    ++generation_;
  }
  changed_.notify_all();
}

void StreamClock::Pause() {
  {
    std::lock_guard lock(mutex_);
    const auto wall = source_.Now();
    base_ = NowLocked(wall);
    baseWall_ = wall;
    running_ = false;
    ++generation_;
  }
  changed_.notify_all();
}

void StreamClock::SetRate(double rate) {
  {
    std::lock_guard lock(mutex_);
    const auto wall = source_.Now();
    base_ = NowLocked(wall);
    baseWall_ = wall;
    rate_ = rate;
    ++generation_;
  }
  changed_.notify_all();
}

bool StreamClock::FollowSound(MediaTime heard) {
  {
    std::lock_guard lock(mutex_);
    if (!running_) return false;
    const auto wall = source_.Now();
    const MediaTime now = NowLocked(wall);
    if (heard >= now - kSoundTolerance && heard <= now + kSoundTolerance) return false;
    base_ = heard;
    baseWall_ = wall;
    ++generation_;
  }
  changed_.notify_all();
  return true;
}

void StreamClock::Wake() {
  {
    std::lock_guard lock(mutex_);
    ++generation_;
  }
  changed_.notify_all();
}

void StreamClock::WaitUntil(MediaTime time, std::chrono::milliseconds maxWait) {
  std::unique_lock lock(mutex_);
  const auto start = source_.Now();
  const auto deadline = start + maxWait;
  const unsigned long long generation = generation_;
  auto wall = start;
  while (NowLocked(wall) < time && generation == generation_ && wall < deadline) {
    auto until = deadline;
    if (running_ && rate_ > 0) {
      const double ns = static_cast<double>(time - NowLocked(wall)) * 100.0 / rate_;
      until = std::min(deadline, wall + std::chrono::nanoseconds(static_cast<long long>(ns)));
    }
    source_.WaitUntil(lock, changed_, until);
    wall = source_.Now();
  }
}

}  // namespace motrevix
