#include "tools/make_recording/picture.h"

#include <cstdint>

namespace motrevix::gen {

void DrawPicture(AVFrame* frame, int frameNumber, pattern::Channel channel) {
  const int w = frame->width;
  const int h = frame->height;
  const bool rear = channel == pattern::Channel::Rear;
  // A diagonal ramp that slides with time, and a bright square crossing the picture.
  const int square = h / 5 > 4 ? h / 5 : 4;
  const int squareX = (frameNumber * 5) % (w - square);
  const int squareY = h / 2;
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = frame->data[0] + static_cast<long>(y) * frame->linesize[0];
    for (int x = 0; x < w; ++x) {
      const bool inSquare =
          x >= squareX && x < squareX + square && y >= squareY && y < squareY + square;
      row[x] = inSquare ? 230 : static_cast<std::uint8_t>(60 + ((x + y + frameNumber * 3) % 96));
    }
  }
  const std::uint8_t u = rear ? 100 : 160;
  const std::uint8_t v = rear ? 170 : 110;
  const int band = pattern::BandHeight(h);
  for (int y = 0; y < h / 2; ++y) {
    std::uint8_t* rowU = frame->data[1] + static_cast<long>(y) * frame->linesize[1];
    std::uint8_t* rowV = frame->data[2] + static_cast<long>(y) * frame->linesize[2];
    const bool inBand = 2 * y < band;
    for (int x = 0; x < w / 2; ++x) {
      rowU[x] = inBand ? 128 : u;
      rowV[x] = inBand ? 128 : v;
    }
  }
  pattern::DrawMark(frame->data[0], frame->linesize[0], w, h, {frameNumber, channel});
}

}  // namespace motrevix::gen
