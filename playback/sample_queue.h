#pragma once
// A queue between two streaming threads: bounded or not, with an abort switch that
// releases every waiting thread (used when streaming stops).

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace motrevix {

template <typename T>
class SampleQueue {
 public:
  explicit SampleQueue(std::size_t capacity = 0, std::size_t refillLevel = 0)
      : capacity_(capacity),
        refillLevel_(capacity == 0 ? 0 : std::min(refillLevel, capacity - 1)) {}

  // Blocks while full; false when aborted (the sample is dropped). A producer that
  // found the queue full waits until it has drained to the refill level, so that
  // it then works in bursts (its data stays in the processor's caches).
  bool Push(T sample) {
    std::unique_lock lock(mutex_);
    if (capacity_ != 0 && items_.size() >= capacity_)
      notFull_.wait(lock, [&] { return aborted_ || items_.size() <= refillLevel_; });
    if (aborted_) return false;
    items_.push_back(std::move(sample));
    notEmpty_.notify_all();
    return true;
  }

  // Waits up to `timeout` for a sample; nothing on time-out or abort.
  std::optional<T> Pop(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!notEmpty_.wait_for(lock, timeout, [&] { return aborted_ || !items_.empty(); }))
      return std::nullopt;
    if (aborted_ || items_.empty()) return std::nullopt;
    T sample = std::move(items_.front());
    items_.pop_front();
    notFull_.notify_all();
    return sample;
  }

  // Runs `visit` on the first (and second, when there is one) sample under the lock.
  template <typename Visit>
  auto Inspect(Visit visit) const {
    std::lock_guard lock(mutex_);
    const T* first = items_.empty() ? nullptr : &items_[0];
    const T* second = items_.size() < 2 ? nullptr : &items_[1];
    return visit(first, second);
  }

  // Removes the first sample; false when empty.
  bool Drop() {
    std::lock_guard lock(mutex_);
    if (items_.empty()) return false;
    items_.pop_front();
    notFull_.notify_all();
    return true;
  }

  bool WaitNotEmpty(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return notEmpty_.wait_for(lock, timeout, [&] { return aborted_ || !items_.empty(); }) &&
           !aborted_;
  }

  void SetAborted(bool aborted) {
    std::lock_guard lock(mutex_);
    aborted_ = aborted;
    notFull_.notify_all();
    notEmpty_.notify_all();
  }

  void Clear() {
    std::lock_guard lock(mutex_);
    items_.clear();
    notFull_.notify_all();
  }

  void SetCapacity(std::size_t capacity, std::size_t refillLevel) {
    std::lock_guard lock(mutex_);
    capacity_ = capacity;
    refillLevel_ = capacity == 0 ? 0 : std::min(refillLevel, capacity - 1);
    notFull_.notify_all();
  }

  std::size_t Size() const {
    std::lock_guard lock(mutex_);
    return items_.size();
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable notFull_;
  std::condition_variable notEmpty_;
  std::deque<T> items_;
  std::size_t capacity_;
  std::size_t refillLevel_;
  bool aborted_ = false;
};

}  // namespace motrevix
