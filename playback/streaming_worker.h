#pragma once
// The thread a filter streams on, over the filter's input queue: started with the
// filter's loop, told to stop (which also wakes a wait on the queue), joined.

#include <atomic>
#include <thread>
#include <utility>

#include "playback/sample_queue.h"

namespace motrevix {

template <typename Queue>
class StreamingWorker {
 public:
  explicit StreamingWorker(Queue& queue) : queue_(queue) {}
  ~StreamingWorker() {
    RequestStop();
    Join();
  }
  StreamingWorker(const StreamingWorker&) = delete;
  StreamingWorker& operator=(const StreamingWorker&) = delete;

  // Starts `loop` on a new thread unless one runs already.
  template <typename Loop>
  void Start(Loop&& loop) {
    if (thread_.joinable()) return;
    stop_ = false;
    queue_.SetAborted(false);
    thread_ = std::thread(std::forward<Loop>(loop));
  }

  void RequestStop() {
    stop_ = true;
    queue_.SetAborted(true);
  }

  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  // Read by the loop: true once a stop was asked for.
  bool StopRequested() const { return stop_; }

 private:
  Queue& queue_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
};

}  // namespace motrevix
