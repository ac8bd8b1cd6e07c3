#pragma once
// What one pin hands to the next: a compressed packet, a decoded frame, a
// converted picture, or the end of the stream.

#include <QImage>
#include <memory>

#include "platform/av_handles.h"
#include "playback/play_state.h"

namespace motrevix {

struct MediaSample {
  enum class Kind { Packet, Frame, Picture, EndOfStream };
  Kind kind = Kind::EndOfStream;
  av::Packet packet;
  av::Frame frame;
  std::shared_ptr<const QImage> picture;
  MediaTime start = 0;     // media time of the sample
  MediaTime duration = 0;  // how long it lasts, when known
  std::size_t bytes = 0;

  static MediaSample EndOfStream() { return MediaSample{}; }
  bool IsEndOfStream() const { return kind == Kind::EndOfStream; }
};

}  // namespace motrevix
