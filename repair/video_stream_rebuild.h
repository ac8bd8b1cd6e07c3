#pragma once
// `RebuildVideoStream`: reads the chunks carved into "tmp.bin" and writes an MPEG-4
// visual elementary stream: a fresh configuration header, then of each chunk only
// the bytes that make up a decodable picture.

#include <cstddef>
#include <cstdio>
#include <iosfwd>

namespace motrevix::repair {

// Bytes of a chunk handed to the decoder at most.
constexpr std::size_t kDecoderInputLimit = 60'000;
// The chunk buffer: the largest chunk and room for the decoder to read past it.
constexpr std::size_t kChunkBufferBytes = 2'099'200;
constexpr int kFrameBufferCount = 3;

// Returns the bytes written to `out`, the header included; 0 when the decoder could
// not be set up (the reason goes to `log`, as a line).
std::size_t RebuildVideoStream(std::FILE* in, std::FILE* out, int width, int height,
                               std::ostream& log);

}  // namespace motrevix::repair
