#pragma once
// The media graph: holds components by name, connects their pins by negotiating a
// media type, and drives streaming (run, pause, stop, cue, seek, rate, frame step)
// on one presentation clock.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "playback/base_filter.h"
#include "playback/stream_clock.h"

namespace motrevix {

class CFilterGraph {
 public:
  explicit CFilterGraph(const TimeSource& timeSource = MonotonicTimeSource())
      : clock_(timeSource) {}
  ~CFilterGraph();
  CFilterGraph(const CFilterGraph&) = delete;
  CFilterGraph& operator=(const CFilterGraph&) = delete;

  HResult AddFilter(std::shared_ptr<CBaseFilter> filter, const std::string& name);
  HResult RemoveFilter(CBaseFilter* filter);
  std::vector<std::shared_ptr<CBaseFilter>> EnumFilters() const { return filters_; }
  CBaseFilter* FindFilterByName(const std::string& name) const;

  // Connects an output pin to an input pin with the first type the output offers
  // that the input accepts. kOk, or kAlreadyConnected / kNoAcceptableTypes.
  HResult Connect(CPin* output, CPin* input);
  // Breaks the connection of a pin (both sides).
  HResult Disconnect(CPin* pin);

  // Control. None of these waits for the stream, except StopWhenReady, which
  // returns once every renderer has cued its first picture (or `timeoutMs` passed).
  HResult Run();
  HResult Pause();
  HResult Stop();
  HResult StopWhenReady(int timeoutMs);

  // Seeking, in media time.
  HResult GetDuration(MediaTime* duration) const;
  HResult GetCurrentPosition(MediaTime* position) const;
  HResult SetPositions(MediaTime position);
  HResult SetRate(double rate);

  // One-frame step while not running: kOk when a next picture exists.
  HResult CanStep() const;
  HResult Step(int timeoutMs = 2000);

  // Waits until every renderer has cued a picture since the last start or seek.
  bool WaitUntilCued(int timeoutMs) const;
  // The stream ended on every renderer (position then equals the duration).
  bool ReachedEnd() const;

  StreamClock& Clock() { return clock_; }

 private:
  void StartStreaming();
  void StopStreaming();
  std::vector<class IPresentationSink*> Sinks() const;
  class ISeekingSource* Source() const;

  std::vector<std::shared_ptr<CBaseFilter>> filters_;
  StreamClock clock_;
  bool streaming_ = false;
  bool running_ = false;
};

}  // namespace motrevix
