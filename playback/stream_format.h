#pragma once
// The FFmpeg side of a media type: codec parameters and the stream's time base.

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "playback/media_type.h"
#include "playback/play_state.h"

namespace motrevix {

struct StreamFormat {
  StreamFormat() : parameters(avcodec_parameters_alloc()) {}
  ~StreamFormat() { avcodec_parameters_free(&parameters); }
  StreamFormat(const StreamFormat&) = delete;
  StreamFormat& operator=(const StreamFormat&) = delete;

  AVCodecParameters* parameters;
  AVRational timeBase{1, 1};
  AVRational frameRate{0, 1};
  std::int64_t originPts = 0;  // the recording's start in this stream's time base

  // Media time of a time stamp in this stream, measured from the recording's start.
  MediaTime ToMediaTime(std::int64_t pts) const {
    return av_rescale_q(pts - originPts, timeBase,
                        AVRational{1, static_cast<int>(kUnitsPerSecond)});
  }
};

}  // namespace motrevix
