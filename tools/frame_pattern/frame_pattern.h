#pragma once
// The mark that the recording generator draws into every picture, and reads back
// from a decoded one: a band of black and white cells across the top rows that
// spells the frame number and the channel. Tests use it to tell which frame of
// which camera a surface shows.

#include <cstdint>
#include <optional>

namespace motrevix::pattern {

enum class Channel { Front = 0, Rear = 1 };

struct FrameMark {
  int frameNumber = 0;
  Channel channel = Channel::Front;
  bool operator==(const FrameMark&) const = default;
};

// Cells: a white start cell, 17 bits of the frame number (most significant
// first), the channel bit (white: rear), a black end cell.
constexpr int kCellCount = 20;
constexpr int kFrameBits = 17;
constexpr int kMaxFrameNumber = (1 << kFrameBits) - 1;
// Narrowest picture whose cells survive encoding.
constexpr int kMinWidth = 4 * kCellCount;

// Height of the band in rows for a picture of the given height.
int BandHeight(int height);

// Draws the band into an 8-bit luma plane.
void DrawMark(std::uint8_t* luma, int linesize, int width, int height, const FrameMark& mark);

// Reads the band from an 8-bit luma plane; nothing when the band is not there.
std::optional<FrameMark> ReadMark(const std::uint8_t* luma, int linesize, int width, int height);

// Reads the band from packed 32-bit pixels 0xAARRGGBB (QImage::Format_RGB32/ARGB32).
std::optional<FrameMark> ReadMarkRgb32(const std::uint8_t* pixels, int bytesPerLine, int width,
                                       int height);

}  // namespace motrevix::pattern
