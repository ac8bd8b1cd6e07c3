#include "repair/video_stream_rebuild.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <ostream>
#include <span>
#include <vector>

#include "repair/config_header.h"
#include "repair/mpeg4_visual_decoder.h"
#include "repair/vop_chunks.h"

namespace motrevix::repair {
namespace {

constexpr std::size_t kFrameBufferAlignment = 64;

struct FreeDeleter {
  void operator()(void* memory) const { std::free(memory); }
};
using Block = std::unique_ptr<std::byte, FreeDeleter>;

Block Allocate(std::size_t bytes, std::size_t alignment) {
  const std::size_t rounded = (bytes + alignment - 1) / alignment * alignment;
  return Block(static_cast<std::byte*>(std::aligned_alloc(alignment, rounded)));
}

int RoundUp16(int value) { return (value + 15) / 16 * 16; }

}  // namespace

std::size_t RebuildVideoStream(std::FILE* in, std::FILE* out, int width, int height,
                               std::ostream& log) {
  const std::vector<std::uint8_t> header = BuildConfigHeader(width, height);
  if (!ParseVideoConfig(header)) {
    log << "Error : ParseVideoCfg\n";
    return 0;
  }

  const std::size_t frameBytes = PictureBytes(width, height) * kFrameBufferCount;
  Block frames = Allocate(frameBytes, kFrameBufferAlignment);
  if (!frames) {
    log << "Error : Cannot allocate frame bufer\n";
    return 0;
  }

  const DecoderMemoryNeeds needs =
      QueryDecoderMemory(RoundUp16(width), RoundUp16(height), kFrameBufferCount);
  std::array<Block, kDecoderBlockCount> memory;
  DecoderBlocks blocks;
  for (std::size_t i = 0; i < kDecoderBlockCount; ++i) {
    memory[i] = Allocate(needs[i], alignof(std::max_align_t));
    if (!memory[i]) {
      log << "Error : can not allocate memtab memory size(" << needs[i] << ")\n";
      return 0;
    }
    blocks[i] = {memory[i].get(), needs[i]};
  }

  auto decoder =
      CMpeg4VisualDecoder::Init(blocks, {frames.get(), frameBytes}, kFrameBufferCount, header);
  if (!decoder) {
    log << "Error : DEC_Init\n";
    return 0;
  }

  std::vector<std::uint8_t> chunk;
  try {
    chunk.reserve(kChunkBufferBytes);
  } catch (const std::bad_alloc&) {
    log << "Error : Cannot allocate bitstream buffer size(" << kChunkBufferBytes << ")\n";
    return 0;
  }

  std::size_t written = std::fwrite(header.data(), 1, header.size(), out);
  while (FindNextVopChunk(in, kRebuildChunkLimit, chunk) == ChunkResult::Found) {
    const std::size_t offered = std::min(chunk.size(), kDecoderInputLimit);
    const std::size_t consumed = decoder->DecodeChunk({chunk.data(), offered});
    if (consumed > 0) written += std::fwrite(chunk.data(), 1, consumed, out);
  }
  return written;
}

}  // namespace motrevix::repair
