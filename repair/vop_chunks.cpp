#include "repair/vop_chunks.h"

namespace motrevix::repair {

ChunkResult FindNextVopChunk(std::FILE* in, std::size_t capacity,
                             std::vector<std::uint8_t>& chunk) {
  chunk.clear();
  std::uint32_t reg = 0xFFFFFFFFu;
  int c;
  while ((c = std::fgetc(in)) != EOF) {
    reg = (reg << 8) | static_cast<std::uint32_t>(c);
    if (reg == kVopStartCode) break;
  }
  if (c == EOF) return ChunkResult::NoMore;
  if (std::fseek(in, -4, SEEK_CUR) != 0) return ChunkResult::NoMore;

  // The start code itself is copied first; the register restarts after it.
  for (int i = 0; i < 4; ++i) {
    if (chunk.size() == capacity) return ChunkResult::Overflowed;
    chunk.push_back(static_cast<std::uint8_t>(std::fgetc(in)));
  }
  reg = 0xFFFFFFFFu;
  while ((c = std::fgetc(in)) != EOF) {
    if (chunk.size() == capacity) return ChunkResult::Overflowed;
    chunk.push_back(static_cast<std::uint8_t>(c));
    reg = (reg << 8) | static_cast<std::uint32_t>(c);
    if (reg == kVopStartCode) {
      chunk.resize(chunk.size() - 4);
      std::fseek(in, -4, SEEK_CUR);
      break;
    }
  }
  return ChunkResult::Found;
}

std::size_t ExtractVopChunks(std::FILE* in, std::FILE* out) {
  std::vector<std::uint8_t> chunk;
  chunk.reserve(kCarveBufferSize);
  std::size_t written = 0;
  while (FindNextVopChunk(in, kCarveBufferSize, chunk) == ChunkResult::Found)
    written += std::fwrite(chunk.data(), 1, chunk.size(), out);
  return written;
}

}  // namespace motrevix::repair
