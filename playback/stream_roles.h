#pragma once
// What the graph asks of its source (timeline and seeking) and of its renderers
// (cueing, end of stream, frame stepping).

#include <optional>

#include "playback/play_state.h"

namespace motrevix {

class ISeekingSource {
 public:
  virtual ~ISeekingSource() = default;
  virtual MediaTime Duration() const = 0;
  // Repositions the stream so that reading starts at the key frame before `time`.
  virtual bool SeekTo(MediaTime time) = 0;
};

class IPresentationSink {
 public:
  virtual ~IPresentationSink() = default;
  // A picture (or sound) has been presented since streaming started, or the stream
  // ended before anything could be.
  virtual bool IsCued() const = 0;
  // Something was presented since streaming started.
  virtual bool HasPresented() const = 0;
  // The end of the stream arrived and everything before it has been presented.
  virtual bool ReachedEnd() const = 0;
  // The end of the stream arrived and nothing waits to be presented.
  virtual bool Drained() const { return ReachedEnd(); }
  // Video only: the start of the next picture after the one shown, once decoded.
  virtual std::optional<MediaTime> NextPictureTime() const { return std::nullopt; }
  // Video only: the picture for `time` is shown (nothing newer up to it is waiting).
  virtual bool ShowsTime(MediaTime /*time*/) const { return true; }
  virtual bool IsVideo() const { return false; }
};

}  // namespace motrevix
