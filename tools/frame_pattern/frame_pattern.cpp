#include "tools/frame_pattern/frame_pattern.h"

#include <functional>

namespace motrevix::pattern {
namespace {

constexpr std::uint8_t kWhite = 235;
constexpr std::uint8_t kBlack = 16;

bool CellIsWhite(const FrameMark& mark, int cell) {
  if (cell == 0) return true;
  if (cell == kCellCount - 1) return false;
  if (cell == kCellCount - 2) return mark.channel == Channel::Rear;
  const int bit = kFrameBits - cell;  // cell 1 holds the top bit
  return ((mark.frameNumber >> bit) & 1) != 0;
}

// Mean brightness of the middle half of one cell, read through lumaAt(x, y).
int CellLevel(const std::function<int(int, int)>& lumaAt, int width, int height, int cell) {
  const int cellWidth = width / kCellCount;
  const int band = BandHeight(height);
  const int x0 = cell * cellWidth + cellWidth / 4;
  const int x1 = cell * cellWidth + (3 * cellWidth) / 4;
  const int y0 = band / 4;
  const int y1 = (3 * band) / 4;
  long sum = 0;
  long count = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      sum += lumaAt(x, y);
      ++count;
    }
  return count == 0 ? 0 : static_cast<int>(sum / count);
}

std::optional<FrameMark> Read(const std::function<int(int, int)>& lumaAt, int width, int height) {
  if (width < kMinWidth || height < 8) return std::nullopt;
  int levels[kCellCount];
  for (int cell = 0; cell < kCellCount; ++cell)
    levels[cell] = CellLevel(lumaAt, width, height, cell);
  if (levels[0] < 170 || levels[kCellCount - 1] > 80) return std::nullopt;
  FrameMark mark;
  for (int cell = 1; cell <= kFrameBits; ++cell)
    mark.frameNumber = (mark.frameNumber << 1) | (levels[cell] >= 128 ? 1 : 0);
  mark.channel = levels[kCellCount - 2] >= 128 ? Channel::Rear : Channel::Front;
  return mark;
}

}  // namespace

int BandHeight(int height) { return height / 10 < 8 ? 8 : height / 10; }

void DrawMark(std::uint8_t* luma, int linesize, int width, int height, const FrameMark& mark) {
  const int cellWidth = width / kCellCount;
  const int band = BandHeight(height) < height ? BandHeight(height) : height;
  for (int y = 0; y < band; ++y) {
    std::uint8_t* row = luma + static_cast<long>(y) * linesize;
    for (int x = 0; x < width; ++x) {
      const int cell = x / cellWidth;
      row[x] = cell < kCellCount && CellIsWhite(mark, cell) ? kWhite : kBlack;
    }
  }
}

std::optional<FrameMark> ReadMark(const std::uint8_t* luma, int linesize, int width, int height) {
  return Read([&](int x, int y) { return luma[static_cast<long>(y) * linesize + x]; }, width,
              height);
}

std::optional<FrameMark> ReadMarkRgb32(const std::uint8_t* pixels, int bytesPerLine, int width,
                                       int height) {
  return Read(
      [&](int x, int y) {
        const std::uint8_t* p = pixels + static_cast<long>(y) * bytesPerLine + 4L * x;
        // Little-endian 0xAARRGGBB: bytes are B, G, R, A.
        return (299 * p[2] + 587 * p[1] + 114 * p[0]) / 1000;
      },
      width, height);
}

}  // namespace motrevix::pattern
