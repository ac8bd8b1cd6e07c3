#pragma once
// Where a presentation clock reads the time. The engine uses the monotonic
// clock; tests use a manual source they move by hand, so that what they check
// depends on logical time only, never on how busy the machine is.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace motrevix {

class TimeSource {
 public:
  using Duration = std::chrono::nanoseconds;
  virtual ~TimeSource() = default;
  // Time since an arbitrary start; never goes back.
  virtual Duration Now() const = 0;
  // Waits on `changed` (whose mutex `lock` holds) until the source reaches `until`
  // or the condition is notified; it may also return early, the caller rechecks.
  virtual void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                         Duration until) const = 0;
};

class SteadyTimeSource : public TimeSource {
 public:
  Duration Now() const override { return std::chrono::steady_clock::now().time_since_epoch(); }
  void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                 Duration until) const override {
    changed.wait_until(lock,
                       std::chrono::steady_clock::time_point(
                           std::chrono::duration_cast<std::chrono::steady_clock::duration>(until)));
  }
};

// A source that stands still until Advance() moves it. A waiter lets go of the
// clock's lock and sleeps on the source until an advance reaches its time, or at
// most a few milliseconds of real time so that it sees the clock's own changes.
class ManualTimeSource : public TimeSource {
 public:
  Duration Now() const override {
    std::lock_guard lock(mutex_);
    return now_;
  }
  void WaitUntil(std::unique_lock<std::mutex>& clockLock, std::condition_variable&,
                 Duration until) const override {
    clockLock.unlock();
    {
      std::unique_lock lock(mutex_);
      advanced_.wait_for(lock, std::chrono::milliseconds(5), [&] { return now_ >= until; });
    }
    clockLock.lock();
  }
  template <typename Rep, typename Period>
  void Advance(std::chrono::duration<Rep, Period> by) {
    {
      std::lock_guard lock(mutex_);
      now_ += std::chrono::duration_cast<Duration>(by);
    }
    advanced_.notify_all();
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable advanced_;
  Duration now_{0};
};

// The engine's source, shared by every clock that is not given one.
const TimeSource& MonotonicTimeSource();

}  // namespace motrevix
