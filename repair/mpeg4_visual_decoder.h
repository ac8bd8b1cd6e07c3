#pragma once
// The MPEG-4 visual decoder the rebuild calls, on libavcodec's MPEG-4 decoder.
// Four operations: parse a configuration header, report the memory a decoder
// needs, initialise one in that memory and in caller-owned frame buffers, and
// measure how many bytes of a chunk make up a decodable picture.
//
// libavcodec does not report how many bytes of a packet a picture used. The
// decoder finds it as the shortest prefix of the chunk that decodes cleanly under
// strict error recognition: shorter prefixes fail with damaged macroblocks, while
// bytes after the picture (container headers, sound) leave unused bits that the
// decoder reports as concealed damage. A prefix is tried with the configuration
// header in front, so each measurement stands on its own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace motrevix::repair {

struct VideoConfig {
  int width = 0;
  int height = 0;
};

// Width and height from a configuration header; nothing when it has no usable
// video object layer.
std::optional<VideoConfig> ParseVideoConfig(std::span<const std::uint8_t> header);

// Bytes of one picture of 4:2:0 samples at the size rounded up to 16: the luma
// plane, then the two quarter-size chroma planes.
std::size_t PictureBytes(int width, int height);

// The four memory blocks of a decoder.
enum DecoderBlock : std::size_t {
  kInstanceBlock = 0,   // the decoder's own state
  kFrameSlotBlock = 1,  // which frame buffer is in use
  kPacketBlock = 2,     // the configuration header, then the chunk prefix being tried, padded
  kTrialBlock = 3,      // what each prefix length of the current chunk gave, tried once
  kDecoderBlockCount = 4,
};
using DecoderMemoryNeeds = std::array<std::size_t, kDecoderBlockCount>;
using DecoderBlocks = std::array<std::span<std::byte>, kDecoderBlockCount>;

// Block sizes for pictures up to maxWidth x maxHeight with frameBuffers buffers.
DecoderMemoryNeeds QueryDecoderMemory(int maxWidth, int maxHeight, int frameBuffers);

// The longest configuration header a decoder keeps.
constexpr std::size_t kMaxConfigHeaderBytes = 1024;

class CMpeg4VisualDecoder {
 public:
  // Initialises a decoder in `blocks` (sized by QueryDecoderMemory for at least the
  // header's picture size) that decodes into `frameBuffers`, frameCount pictures of
  // PictureBytes each, 64-byte aligned. Nothing when the header does not parse, a
  // block is too small or libavcodec refuses. The blocks and frame buffers must
  // outlive the decoder.
  static std::unique_ptr<CMpeg4VisualDecoder> Init(const DecoderBlocks& blocks,
                                                   std::span<std::byte> frameBuffers,
                                                   int frameCount,
                                                   std::span<const std::uint8_t> header);
  ~CMpeg4VisualDecoder();
  CMpeg4VisualDecoder(const CMpeg4VisualDecoder&) = delete;
  CMpeg4VisualDecoder& operator=(const CMpeg4VisualDecoder&) = delete;

  // Decodes one chunk (start code first) and returns the number of its bytes that
  // make up a decodable picture; 0 when no prefix of it decodes.
  std::size_t DecodeChunk(std::span<const std::uint8_t> chunk);

  struct State;

 private:
  explicit CMpeg4VisualDecoder(State* state) : state_(state) {}
  State* state_;  // constructed in the instance block
};

}  // namespace motrevix::repair
