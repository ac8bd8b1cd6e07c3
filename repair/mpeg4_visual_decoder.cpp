#include "repair/mpeg4_visual_decoder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "platform/av_handles.h"

namespace motrevix::repair {
namespace {

constexpr int kRoundTo = 16;
constexpr std::size_t kFrameAlignment = 64;
// How far past the first prefix without damaged macroblocks the clean end is looked for.
constexpr std::size_t kCleanEndSearch = 64;
// How many prefixes ending at a zero pair are tried for a bound of the search.
constexpr std::size_t kBoundCandidates = 32;
// A whole stuffing byte ends a picture whose data ended on a byte boundary.
constexpr std::uint8_t kFullStuffingByte = 0x7F;
constexpr std::size_t kStartCodeBytes = 4;

// Every kind of damage libavcodec can recognise is an error, and slice errors are
// returned instead of being concealed silently.
constexpr int kStrictErrorRecognition = AV_EF_CRCCHECK | AV_EF_BITSTREAM | AV_EF_BUFFER |
                                        AV_EF_EXPLODE | AV_EF_CAREFUL | AV_EF_COMPLIANT |
                                        AV_EF_AGGRESSIVE;
// Measuring means decoding many damaged prefixes; their complaints are not news.
constexpr int kQuietLogOffset = AV_LOG_DEBUG - AV_LOG_ERROR;

int RoundUp(int value) { return (value + kRoundTo - 1) / kRoundTo * kRoundTo; }

struct FrameSlot {
  std::byte* base = nullptr;
  bool inUse = false;
};

struct ParserCloser {
  void operator()(AVCodecParserContext* parser) const { av_parser_close(parser); }
};

enum class Trial : std::uint8_t { Untried, Failed, Concealed, Clean };

}  // namespace

struct CMpeg4VisualDecoder::State {
  av::CodecContext codec;
  av::Packet packet;
  av::Frame frame;
  std::span<FrameSlot> slots;
  std::span<std::uint8_t> header;  // the start of packetBuffer
  std::span<std::uint8_t> packetBuffer;
  std::span<Trial> trials;  // by prefix length, for the current chunk
  int alignedWidth = 0;
  int alignedHeight = 0;

  Trial Try(std::span<const std::uint8_t> chunk, std::size_t prefix);
  Trial Decode(std::span<const std::uint8_t> chunk, std::size_t prefix);
};

std::size_t PictureBytes(int width, int height) {
  const std::size_t luma = static_cast<std::size_t>(RoundUp(width)) * RoundUp(height);
  return luma + luma / 2;
}

std::optional<VideoConfig> ParseVideoConfig(std::span<const std::uint8_t> header) {
  if (header.empty() || header.size() > kMaxConfigHeaderBytes) return std::nullopt;
  std::unique_ptr<AVCodecParserContext, ParserCloser> parser(av_parser_init(AV_CODEC_ID_MPEG4));
  av::CodecContext context(avcodec_alloc_context3(avcodec_find_decoder(AV_CODEC_ID_MPEG4)));
  if (!parser || !context) return std::nullopt;
  context->log_level_offset = kQuietLogOffset;
  parser->flags |= PARSER_FLAG_COMPLETE_FRAMES;
  std::vector<std::uint8_t> padded(header.begin(), header.end());
  padded.resize(header.size() + AV_INPUT_BUFFER_PADDING_SIZE, 0);
  std::uint8_t* out = nullptr;
  int outSize = 0;
  av_parser_parse2(parser.get(), context.get(), &out, &outSize, padded.data(),
                   static_cast<int>(header.size()), AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
  if (context->width <= 0 || context->height <= 0) return std::nullopt;
  return VideoConfig{context->width, context->height};
}

DecoderMemoryNeeds QueryDecoderMemory(int maxWidth, int maxHeight, int frameBuffers) {
  DecoderMemoryNeeds needs{};
  needs[kInstanceBlock] = sizeof(CMpeg4VisualDecoder::State) + alignof(CMpeg4VisualDecoder::State);
  needs[kFrameSlotBlock] =
      static_cast<std::size_t>(std::max(frameBuffers, 0)) * sizeof(FrameSlot) + alignof(FrameSlot);
  // A coded picture is never taken to be longer than the same picture uncoded.
  const std::size_t longestPicture = PictureBytes(maxWidth, maxHeight);
  needs[kPacketBlock] = kMaxConfigHeaderBytes + longestPicture + AV_INPUT_BUFFER_PADDING_SIZE;
  needs[kTrialBlock] = (longestPicture + 2) * sizeof(Trial);
  return needs;
}

namespace {

void ReleaseFrameSlot(void* opaque, std::uint8_t*) {
  static_cast<FrameSlot*>(opaque)->inUse = false;
}

// libavcodec asks for picture memory here; it gets a free one of the caller's frame
// buffers, laid out as the luma plane and the two quarter-size chroma planes.
int GetFrameBuffer(AVCodecContext* context, AVFrame* frame, int /*flags*/) {
  auto* state = static_cast<CMpeg4VisualDecoder::State*>(context->opaque);
  const int width = state->alignedWidth;
  const int height = state->alignedHeight;
  int neededWidth = frame->width;
  int neededHeight = frame->height;
  int strideAlign[AV_NUM_DATA_POINTERS];
  avcodec_align_dimensions2(context, &neededWidth, &neededHeight, strideAlign);
  if (frame->format != AV_PIX_FMT_YUV420P || neededWidth > width || neededHeight > height ||
      width % strideAlign[0] != 0 || (width / 2) % strideAlign[1] != 0)
    return AVERROR(EINVAL);

  auto slot = std::find_if(state->slots.begin(), state->slots.end(),
                           [](const FrameSlot& s) { return !s.inUse; });
  if (slot == state->slots.end()) return AVERROR(ENOMEM);
  auto* base = reinterpret_cast<std::uint8_t*>(slot->base);
  const std::size_t lumaBytes = static_cast<std::size_t>(width) * height;
  frame->buf[0] = av_buffer_create(base, static_cast<int>(lumaBytes + lumaBytes / 2),
                                   ReleaseFrameSlot, &*slot, 0);
  if (frame->buf[0] == nullptr) return AVERROR(ENOMEM);
  slot->inUse = true;
  frame->data[0] = base;
  frame->data[1] = base + lumaBytes;
  frame->data[2] = base + lumaBytes + lumaBytes / 4;
  frame->linesize[0] = width;
  frame->linesize[1] = width / 2;
  frame->linesize[2] = width / 2;
  frame->extended_data = frame->data;
  return 0;
}

}  // namespace

Trial CMpeg4VisualDecoder::State::Try(std::span<const std::uint8_t> chunk, std::size_t prefix) {
  Trial& known = trials[prefix];
  if (known == Trial::Untried) known = Decode(chunk, prefix);
  return known;
}

Trial CMpeg4VisualDecoder::State::Decode(std::span<const std::uint8_t> chunk, std::size_t prefix) {
  std::memcpy(packetBuffer.data() + header.size(), chunk.data(), prefix);
  std::memset(packetBuffer.data() + header.size() + prefix, 0, AV_INPUT_BUFFER_PADDING_SIZE);
  AVPacket* p = packet.get();
  av_packet_unref(p);
  p->data = packetBuffer.data();
  p->size = static_cast<int>(header.size() + prefix);

  bool failed = avcodec_send_packet(codec.get(), p) < 0;
  bool gotPicture = false;
  int errorFlags = 0;
  for (;;) {
    const int received = avcodec_receive_frame(codec.get(), frame.get());
    if (received < 0) {
      if (received != AVERROR(EAGAIN)) failed = true;
      break;
    }
    gotPicture = true;
    errorFlags |= frame->decode_error_flags;
    av_frame_unref(frame.get());
  }
  p->data = nullptr;
  p->size = 0;
  if (failed || !gotPicture) return Trial::Failed;
  return errorFlags != 0 ? Trial::Concealed : Trial::Clean;
}

std::unique_ptr<CMpeg4VisualDecoder> CMpeg4VisualDecoder::Init(
    const DecoderBlocks& blocks, std::span<std::byte> frameBuffers, int frameCount,
    std::span<const std::uint8_t> header) {
  const auto config = ParseVideoConfig(header);
  if (!config || frameCount < 1) return nullptr;
  const DecoderMemoryNeeds needs = QueryDecoderMemory(config->width, config->height, frameCount);
  for (std::size_t i = 0; i < kDecoderBlockCount; ++i)
    if (blocks[i].data() == nullptr || blocks[i].size() < needs[i]) return nullptr;
  const std::size_t pictureBytes = PictureBytes(config->width, config->height);
  if (frameBuffers.size() < pictureBytes * frameCount ||
      reinterpret_cast<std::uintptr_t>(frameBuffers.data()) % kFrameAlignment != 0)
    return nullptr;

  void* instance = blocks[kInstanceBlock].data();
  std::size_t instanceSpace = blocks[kInstanceBlock].size();
  if (!std::align(alignof(State), sizeof(State), instance, instanceSpace)) return nullptr;
  void* slotMemory = blocks[kFrameSlotBlock].data();
  std::size_t slotSpace = blocks[kFrameSlotBlock].size();
  if (!std::align(alignof(FrameSlot), sizeof(FrameSlot) * frameCount, slotMemory, slotSpace))
    return nullptr;

  auto* slots = static_cast<FrameSlot*>(slotMemory);
  for (int i = 0; i < frameCount; ++i)
    new (&slots[i]) FrameSlot{frameBuffers.data() + pictureBytes * i, false};
  auto* state = new (instance) State;
  std::unique_ptr<CMpeg4VisualDecoder> decoder(new CMpeg4VisualDecoder(state));
  state->slots = {slots, static_cast<std::size_t>(frameCount)};
  auto* packetBuffer = reinterpret_cast<std::uint8_t*>(blocks[kPacketBlock].data());
  std::memcpy(packetBuffer, header.data(), header.size());
  state->packetBuffer = {packetBuffer, blocks[kPacketBlock].size()};
  state->header = state->packetBuffer.first(header.size());
  state->trials = {reinterpret_cast<Trial*>(blocks[kTrialBlock].data()),
                   blocks[kTrialBlock].size() / sizeof(Trial)};
  state->alignedWidth = RoundUp(config->width);
  state->alignedHeight = RoundUp(config->height);

  const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_MPEG4);
  if (codec == nullptr) return nullptr;
  state->codec.reset(avcodec_alloc_context3(codec));
  state->packet = av::MakePacket();
  state->frame = av::MakeFrame();
  AVCodecContext* context = state->codec.get();
  if (!context || !state->packet || !state->frame) return nullptr;
  context->thread_count = 1;
  context->err_recognition = kStrictErrorRecognition;
  context->log_level_offset = kQuietLogOffset;
  // Concealment only has to be noticed, not done well: skip guessing motion vectors.
  context->error_concealment = FF_EC_DEBLOCK;
  context->get_buffer2 = GetFrameBuffer;
  context->opaque = state;
  if (avcodec_open2(context, codec, nullptr) < 0) return nullptr;
  return decoder;
}

CMpeg4VisualDecoder::~CMpeg4VisualDecoder() {
  // Closing the codec hands every frame buffer back before the state goes.
  state_->~State();
}

namespace {

// A picture's data never holds 23 zero bits in a row (that would start a start code),
// so it ends before the first 00 00 00 or 00 00 01 after its own start code. Cutting
// there keeps zero runs, which the decoder takes for resync markers, out of the
// measurement.
std::size_t EndOfZeroFreeRun(std::span<const std::uint8_t> chunk) {
  for (std::size_t i = kStartCodeBytes; i + 2 < chunk.size(); ++i)
    if (chunk[i] == 0 && chunk[i + 1] == 0 && chunk[i + 2] <= 1) return i;
  return chunk.size();
}

}  // namespace

std::size_t CMpeg4VisualDecoder::DecodeChunk(std::span<const std::uint8_t> chunk) {
  State& s = *state_;
  const std::size_t room = s.packetBuffer.size() - s.header.size() - AV_INPUT_BUFFER_PADDING_SIZE;
  const std::size_t limit =
      std::min({chunk.size(), room, s.trials.size() - 2, EndOfZeroFreeRun(chunk)});
  if (limit <= kStartCodeBytes) return 0;
  std::fill_n(s.trials.begin(), limit + 2, Trial::Untried);

  // Prefixes shorter than the picture fail with damaged macroblocks, or, cut just
  // before zeros of its own, leave damage for concealment; the picture itself, with
  // a few bytes more, decodes cleanly. Further on, what follows leaves unused bits,
  // or, where it holds zero pairs that look like resync markers, fails again. So the
  // first clean prefix ending at a zero pair or at the limit bounds the search.
  std::size_t clean = 0;
  std::size_t concealed = 0;
  std::size_t tried = 0;
  for (std::size_t i = kStartCodeBytes + 1; i <= limit && clean == 0 && tried < kBoundCandidates;
       ++i) {
    const bool zeroPair = i + 1 < limit && chunk[i] == 0 && chunk[i + 1] == 0 && chunk[i - 1] != 0;
    if (!zeroPair && i != limit) continue;
    ++tried;
    const Trial trial = s.Try(chunk, i);
    if (trial == Trial::Clean) clean = i;
    if (trial == Trial::Concealed && concealed == 0) concealed = i;
  }
  const std::size_t bound = clean != 0 ? clean : concealed;
  if (bound == 0) return 0;

  // The shortest prefix without damaged macroblocks, then the first clean one.
  std::size_t failing = kStartCodeBytes;
  std::size_t passing = bound;
  while (passing - failing > 1) {
    const std::size_t middle = failing + (passing - failing) / 2;
    (s.Try(chunk, middle) == Trial::Failed ? failing : passing) = middle;
  }
  const std::size_t last = std::min(clean != 0 ? clean : limit, passing + kCleanEndSearch);
  std::size_t end = passing;
  while (end <= last && s.Try(chunk, end) != Trial::Clean) ++end;
  if (end > last) {
    if (clean == 0) return 0;
    end = clean;
  }
  if (end < limit && chunk[end] == kFullStuffingByte && s.Try(chunk, end + 1) == Trial::Clean)
    ++end;
  return end;
}

}  // namespace motrevix::repair
