#pragma once
// Draws one generated picture: a moving pattern and the frame mark.

extern "C" {
#include <libavutil/frame.h>
}

#include "tools/frame_pattern/frame_pattern.h"

namespace motrevix::gen {

// Fills a YUV 4:2:0 frame (already allocated at its size) for the given frame
// of the given channel.
void DrawPicture(AVFrame* frame, int frameNumber, pattern::Channel channel);

}  // namespace motrevix::gen
