#pragma once
// Carving MPEG-4 visual pictures out of a damaged file: a chunk starts with the
// video object plane start code 00 00 01 B6 and runs up to, not including, the
// next one, or to the end of the file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace motrevix::repair {

constexpr std::uint32_t kVopStartCode = 0x000001B6;
// Buffer of the carving pass over the damaged file.
constexpr std::size_t kCarveBufferSize = 921'600;
// Largest chunk read back from "tmp.bin" by the rebuild.
constexpr std::size_t kRebuildChunkLimit = 2'097'152;

enum class ChunkResult {
  Found,       // `chunk` holds one chunk, start code first
  NoMore,      // end of file before another start code
  Overflowed,  // the chunk did not fit `capacity` bytes; it is dropped
};

// Finds the next chunk from the stream's position. The search shifts each byte into
// a 32-bit register that starts with all bits set; the chunk's end is found the same
// way, and the next start code is given back to the stream (its position steps back
// four bytes). `chunk` holds at most `capacity` bytes, counting the four bytes of a
// following start code while they are being recognised.
ChunkResult FindNextVopChunk(std::FILE* in, std::size_t capacity, std::vector<std::uint8_t>& chunk);

// `ExtractVopChunks`: appends every chunk of `in` to `out` until the end of the file
// or a chunk that overflows the 921,600-byte buffer. Returns the bytes written.
std::size_t ExtractVopChunks(std::FILE* in, std::FILE* out);

}  // namespace motrevix::repair
