#pragma once
// The common part of every component in a graph: name, pins, connection hooks and
// the streaming life cycle (threads started, stopped, joined, flushed).

#include <memory>
#include <string>
#include <vector>

#include "playback/pin.h"
#include "playback/play_state.h"

namespace motrevix {

class StreamClock;
struct MediaSample;

// How much compressed data waits in front of a component.
struct Backlog {
  std::size_t samples = 0;
  std::size_t bytes = 0;
};

class CBaseFilter {
 public:
  virtual ~CBaseFilter() = default;
  CBaseFilter(const CBaseFilter&) = delete;
  CBaseFilter& operator=(const CBaseFilter&) = delete;

  const std::string& Name() const { return name_; }
  const std::vector<std::unique_ptr<CPin>>& Pins() const { return pins_; }
  std::vector<CPin*> PinsOf(PinDirection direction) const;

  // Called by the graph when the component joins or leaves it.
  void JoinGraph(StreamClock* clock, std::string name) {
    clock_ = clock;
    name_ = std::move(name);
  }

  // Connection negotiation: may an input pin take this type, and set-up once a
  // connection is made (for example an output type derived from the input).
  virtual bool AcceptsInput(const CPin& /*input*/, const MediaType& /*type*/) const {
    return false;
  }
  virtual HResult CompleteConnect(CPin& /*pin*/, const MediaType& /*type*/) { return kOk; }
  virtual void BreakConnect(CPin& /*pin*/) {}

  // A sample arriving at an input pin; false when it cannot be taken now.
  virtual bool Receive(CPin& /*input*/, MediaSample&& /*sample*/) { return false; }

  // Streaming: threads are started, asked to stop (every wait is released), joined,
  // and the component's queued data and codec state are dropped.
  virtual void StartStreaming() {}
  virtual void RequestStop() {}
  virtual void JoinStreaming() {}
  virtual void Flush() {}
  // Streaming starts at `time` after a seek: data before it is not presented.
  virtual void SetStartTime(MediaTime /*time*/) {}
  // The clock started or stopped running.
  virtual void OnRunStateChanged(bool /*running*/) {}
  virtual Backlog InputBacklog() const { return {}; }

 protected:
  CBaseFilter() = default;
  CPin& AddPin(std::string name, PinDirection direction);
  StreamClock* Clock() const { return clock_; }

 private:
  std::string name_;
  std::vector<std::unique_ptr<CPin>> pins_;
  StreamClock* clock_ = nullptr;
};

}  // namespace motrevix
