#include "playback/still_frame_grabber.h"

#include <cmath>
#include <filesystem>
#include <system_error>

namespace motrevix {
namespace {

// The recordings are AVI or MP4 (and the repair's 3GP); nothing else is probed,
// so a text file or a playlist never reaches another demuxer.
constexpr const char* kFormats = "avi,mov,mp4,m4a,3gp,3g2,mj2";
// Packets of the chosen stream read in one grab at most: far more than a key frame
// interval of the camera, so only a broken file reaches it.
constexpr int kMaxPacketsPerGrab = 20000;

bool IsNonEmptyRegularFile(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::is_regular_file(status)) return false;
  const auto size = std::filesystem::file_size(path, ec);
  return !ec && size > 0;
}

// The time the picture stays on screen, in stream units (0 when unknown).
std::int64_t PictureDuration(const AVStream* stream, const AVFrame* frame) {
  if (frame->pkt_duration > 0) return frame->pkt_duration;
  if (stream->avg_frame_rate.num > 0 && stream->avg_frame_rate.den > 0)
    return av_rescale_q(1, av_inv_q(stream->avg_frame_rate), stream->time_base);
  return 0;
}

QImage ToImage(const AVFrame* frame, QSize size) {
  if (frame->width <= 0 || frame->height <= 0 || frame->format < 0) return {};
  if (size.isEmpty()) size = QSize(frame->width, frame->height);
  av::Sws sws(sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                             size.width(), size.height(), AV_PIX_FMT_RGB24, SWS_BICUBIC, nullptr,
                             nullptr, nullptr));
  if (!sws) return {};
  QImage image(size, QImage::Format_RGB888);
  if (image.isNull()) return {};
  std::uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
  int strides[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
  if (sws_scale(sws.get(), frame->data, frame->linesize, 0, frame->height, planes, strides) <= 0)
    return {};
  return image;
}

}  // namespace

struct CStillFrameGrabber::StreamDecoder {
  av::CodecContext codec;
};

CStillFrameGrabber::CStillFrameGrabber() = default;
CStillFrameGrabber::~CStillFrameGrabber() {
  // Decoders go before the input they read from.
  decoders_.clear();
  input_.reset();
}

int CStillFrameGrabber::Interrupted(void* opaque) {
  const auto* self = static_cast<const CStillFrameGrabber*>(opaque);
  return std::chrono::steady_clock::now() > self->deadline_ ? 1 : 0;
}

void CStillFrameGrabber::StartClock() {
  deadline_ = std::chrono::steady_clock::now() + kTimeBudget;
}

bool CStillFrameGrabber::Open(const std::string& path) {
  decoders_.clear();
  input_.reset();
  // A FIFO or a device could block the read forever; an empty file is no recording.
  if (!IsNonEmptyRegularFile(path)) return false;

  StartClock();
  AVFormatContext* raw = avformat_alloc_context();
  if (raw == nullptr) return false;
  raw->interrupt_callback = {&CStillFrameGrabber::Interrupted, this};
  AVDictionary* options = nullptr;
  av_dict_set(&options, "format_whitelist", kFormats, 0);
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  // "file:" keeps a name such as "concat:a|b" from being read as a protocol.
  const int opened = avformat_open_input(&raw, ("file:" + path).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return false;  // the context was freed
  av::InputContext input(raw);
  // The headers of AVI and MP4 name the codec and size of every video stream. Probing
  // the packets would read megabytes for the telemetry stream, whose codec no probe
  // knows, so it runs only when a video stream's header says too little.
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    const AVCodecParameters* par = input->streams[i]->codecpar;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO &&
        (par->codec_id == AV_CODEC_ID_NONE || par->width <= 0 || par->height <= 0)) {
      if (avformat_find_stream_info(input.get(), nullptr) < 0) return false;
      break;
    }
  }
  input_ = std::move(input);
  if (VideoStreamCount() == 0) {
    input_.reset();
    return false;
  }
  return true;
}

int CStillFrameGrabber::VideoStreamCount() const {
  if (!input_) return 0;
  int count = 0;
  for (unsigned i = 0; i < input_->nb_streams; ++i) {
    const AVStream* stream = input_->streams[i];
    if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
        !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
      ++count;
  }
  return count;
}

CStillFrameGrabber::StreamDecoder* CStillFrameGrabber::DecoderFor(int streamIndex) {
  if (auto it = decoders_.find(streamIndex); it != decoders_.end()) return it->second.get();
  const AVCodecParameters* par = input_->streams[streamIndex]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(par->codec_id);
  if (codec == nullptr) return nullptr;
  av::CodecContext context(avcodec_alloc_context3(codec));
  if (!context || avcodec_parameters_to_context(context.get(), par) < 0) return nullptr;
  context->thread_count = 0;  // as many as the machine has
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
  auto decoder = std::make_unique<StreamDecoder>();
  decoder->codec = std::move(context);
  return decoders_.emplace(streamIndex, std::move(decoder)).first->second.get();
}

QImage CStillFrameGrabber::Grab(const StillRequest& request) {
  if (!input_ || !std::isfinite(request.seconds) || request.videoStream < 0) return {};

  // The n-th video stream of the file.
  int streamIndex = -1;
  for (int i = 0, seen = 0; i < static_cast<int>(input_->nb_streams); ++i) {
    const AVStream* stream = input_->streams[i];
    if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO ||
        (stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
      continue;
    if (seen++ == request.videoStream) {
      streamIndex = i;
      break;
    }
  }
  if (streamIndex < 0) return {};

  StartClock();
  StreamDecoder* decoder = DecoderFor(streamIndex);
  if (decoder == nullptr) return {};
  AVCodecContext* codec = decoder->codec.get();
  AVStream* stream = input_->streams[streamIndex];
  for (unsigned i = 0; i < input_->nb_streams; ++i)
    input_->streams[i]->discard =
        static_cast<int>(i) == streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;

  const double seconds = std::max(0.0, request.seconds);
  const std::int64_t target =
      av_rescale_q(std::llround(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, stream->time_base);
  // To the key frame at or before the target; without an index, from the start.
  if (avformat_seek_file(input_.get(), streamIndex, INT64_MIN, target, target, 0) < 0)
    av_seek_frame(input_.get(), streamIndex, 0, AVSEEK_FLAG_BACKWARD);
  avcodec_flush_buffers(codec);

  av::Packet packet = av::MakePacket();
  av::Frame decoded = av::MakeFrame();
  av::Frame best = av::MakeFrame();
  if (!packet || !decoded || !best) return {};
  bool haveBest = false;
  std::int64_t bestEnd = 0;  // where the kept picture stops being shown
  bool covered = false;      // the kept picture is the one shown at the target

  // Keeps the newest picture not after the target; true once the target is reached.
  const auto take = [&]() -> bool {
    std::int64_t ts = decoded->best_effort_timestamp;
    if (ts == AV_NOPTS_VALUE) ts = haveBest ? bestEnd : 0;
    const std::int64_t end = ts + PictureDuration(stream, decoded.get());
    if (ts > target && haveBest) {
      covered = true;
      return true;
    }
    av_frame_unref(best.get());
    av_frame_move_ref(best.get(), decoded.get());
    haveBest = true;
    bestEnd = end;
    // The first picture after a seek may already be past a target before the
    // stream's first picture: it is then the one shown.
    covered = ts > target || target < end;
    return covered;
  };
  const auto drain = [&]() -> bool {
    while (avcodec_receive_frame(codec, decoded.get()) == 0)
      if (take()) return true;
    return false;
  };

  bool done = false;
  for (int packets = 0; !done && packets < kMaxPacketsPerGrab;) {
    const int read = av_read_frame(input_.get(), packet.get());
    if (read < 0) {
      if (Interrupted(this)) return {};
      avcodec_send_packet(codec, nullptr);  // end of file: the decoder gives what it holds
      done = drain();
      break;
    }
    if (packet->stream_index == streamIndex) {
      ++packets;
      // A damaged packet is skipped: the pictures around it still decode.
      avcodec_send_packet(codec, packet.get());
      done = drain();
    }
    av_packet_unref(packet.get());
    if (Interrupted(this)) return {};
  }

  if (!haveBest) return {};
  if (!covered && request.pastEnd == PastEnd::NoPicture) return {};
  return ToImage(best.get(), request.size);
}

QImage GrabFrame(const std::string& path, const StillRequest& request) {
  CStillFrameGrabber grabber;
  if (!grabber.Open(path)) return {};
  return grabber.Grab(request);
}

}  // namespace motrevix
