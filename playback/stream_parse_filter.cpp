#include "playback/stream_parse_filter.h"

#include <algorithm>
#include <chrono>

#include "playback/media_sample.h"
#include "playback/stream_format.h"
#include "playback/text_track/telemetry_track_file.h"

namespace motrevix {
namespace {

// Reading pauses while this much compressed data waits in front of the decoders.
constexpr std::size_t kMaxQueuedBytes = 24 * 1024 * 1024;
constexpr std::size_t kEnoughPackets = 30;
constexpr std::size_t kMaxPackets = 900;

SubType VideoSubType(AVCodecID id) {
  if (id == AV_CODEC_ID_H264) return SubType::H264;
  if (id == AV_CODEC_ID_MPEG4) return SubType::Mpeg4;
  return SubType::OtherVideo;
}

SubType AudioSubType(AVCodecID id) {
  if (id == AV_CODEC_ID_AAC) return SubType::Aac;
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(id);
  if (descriptor != nullptr && std::string(descriptor->name).rfind("pcm_", 0) == 0)
    return SubType::Pcm;
  return SubType::OtherAudio;
}

}  // namespace

// Forwards the reader calls, so the viewer can read a track even when the file
// has none (every read then answers "no more records").
class CStreamParseFilter::ReaderProxy : public ITextTrackReader {
 public:
  explicit ReaderProxy(CStreamParseFilter& owner) : owner_(owner) {}
  void SetReadMode(std::uint8_t mode) override {
    owner_.readMode_ = mode;
    if (owner_.telemetry_) owner_.telemetry_->SetReadMode(mode);
  }
  int ReadRecord(std::uint8_t* buffer, std::int32_t length, std::int32_t* timestampMs) override {
    if (!owner_.telemetry_) return kReadRecordEnd;
    return owner_.telemetry_->ReadRecord(buffer, length, timestampMs);
  }

 private:
  CStreamParseFilter& owner_;
};

CStreamParseFilter::CStreamParseFilter() : reader_(std::make_unique<ReaderProxy>(*this)) {}

CStreamParseFilter::~CStreamParseFilter() {
  RequestStop();
  JoinStreaming();
}

ITextTrackReader* CStreamParseFilter::TextTrackReader() { return reader_.get(); }

bool CStreamParseFilter::HasTelemetryTrack() const { return telemetry_ && telemetry_->HasTrack(); }

MediaType CStreamParseFilter::TypeOf(const AVStream* stream) const {
  const AVCodecParameters* par = stream->codecpar;
  MediaType type;
  type.codecName = avcodec_get_name(par->codec_id);
  if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
    type.major = MajorType::Video;
    type.sub = VideoSubType(par->codec_id);
    type.width = par->width;
    type.height = par->height;
  } else {
    type.major = MajorType::Audio;
    type.sub = AudioSubType(par->codec_id);
    type.sampleRate = par->sample_rate;
    type.channels = par->ch_layout.nb_channels;
  }
  type.format = formatOfStream_[stream->index];
  return type;
}

HResult CStreamParseFilter::Load(const std::string& path) {
  if (input_ || path.empty()) return kFail;
  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return kFail;
  av::InputContext input(raw);
  if (avformat_find_stream_info(input.get(), nullptr) < 0) return kFail;

  const std::int64_t origin = input->start_time != AV_NOPTS_VALUE ? input->start_time : 0;
  formatOfStream_.assign(input->nb_streams, nullptr);
  pinOfStream_.assign(input->nb_streams, nullptr);
  int videoCount = 0;
  MediaTime duration = 0;
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    AVStream* stream = input->streams[i];
    stream->discard = AVDISCARD_ALL;
    const AVMediaType kind = stream->codecpar->codec_type;
    const bool picture = kind == AVMEDIA_TYPE_VIDEO &&
                         !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC) &&
                         stream->codecpar->width > 0 && stream->codecpar->height > 0;
    if (!picture && kind != AVMEDIA_TYPE_AUDIO) continue;
    auto format = std::make_shared<StreamFormat>();
    avcodec_parameters_copy(format->parameters, stream->codecpar);
    format->timeBase = stream->time_base;
    format->frameRate = av_guess_frame_rate(input.get(), stream, nullptr);
    format->originPts = av_rescale_q(origin, AV_TIME_BASE_Q, stream->time_base);
    if (stream->duration != AV_NOPTS_VALUE) {
      const std::int64_t start =
          stream->start_time != AV_NOPTS_VALUE ? stream->start_time : format->originPts;
      duration = std::max(duration, format->ToMediaTime(start + stream->duration));
    }
    formatOfStream_[i] = format;
    stream->discard = AVDISCARD_DEFAULT;
    if (picture) ++videoCount;
  }
  if (videoCount == 0) return kFail;  // not a recording: nothing to show
  if (duration <= 0 && input->duration != AV_NOPTS_VALUE)
    duration = av_rescale(input->duration, kUnitsPerSecond, AV_TIME_BASE);

  int videoNumber = 0;
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    if (!formatOfStream_[i]) continue;
    AVStream* stream = input->streams[i];
    const bool video = stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
    CPin& pin = AddPin(video ? "Video " + std::to_string(++videoNumber) : std::string("Audio"),
                       PinDirection::Output);
    pin.SetMediaTypes({TypeOf(stream)});
    pinOfStream_[i] = &pin;
  }
  input_ = std::move(input);
  duration_ = duration;

  telemetry_ = std::make_unique<TelemetryTrackFile>();
  telemetry_->SetReadMode(readMode_);
  if (!telemetry_->Open(path)) telemetry_.reset();
  return kOk;
}

namespace {

// The earliest key frame at or before `target` (AV_TIME_BASE units) of the picture
// streams other than the one the demuxer seeks by. Some demuxers (Matroska) place
// only that stream at a key frame; a channel whose own key frame lies further back
// would start decoding mid-group and show nothing until its next key frame, past
// the target. Seeking to the earliest of them gives every channel its key frame.
std::int64_t EarliestKeyFrameAtOrBefore(AVFormatContext* input, std::int64_t target) {
  const int seekStream = av_find_default_stream_index(input);
  std::int64_t earliest = target;
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    AVStream* stream = input->streams[i];
    if (static_cast<int>(i) == seekStream || stream->discard == AVDISCARD_ALL ||
        stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
      continue;
    const std::int64_t at = av_rescale_q(target, AV_TIME_BASE_Q, stream->time_base);
    const int entry = av_index_search_timestamp(stream, at, AVSEEK_FLAG_BACKWARD);
    if (entry < 0) continue;
    const AVIndexEntry* key = avformat_index_get_entry(stream, entry);
    if (key == nullptr || key->timestamp == AV_NOPTS_VALUE) continue;
    earliest = std::min(earliest, av_rescale_q(key->timestamp, stream->time_base, AV_TIME_BASE_Q));
  }
  return earliest;
}

}  // namespace

bool CStreamParseFilter::SeekTo(MediaTime time) {
  if (!input_) return false;
  const std::int64_t origin = input_->start_time != AV_NOPTS_VALUE ? input_->start_time : 0;
  const std::int64_t wanted = origin + av_rescale(time, AV_TIME_BASE, kUnitsPerSecond);
  // Pictures before the asked time are decoded but not shown (each component's start time).
  const std::int64_t target = std::max(origin, EarliestKeyFrameAtOrBefore(input_.get(), wanted));
  if (avformat_seek_file(input_.get(), -1, INT64_MIN, target, target, 0) >= 0) return true;
  return av_seek_frame(input_.get(), -1, target, AVSEEK_FLAG_BACKWARD) >= 0 ||
         av_seek_frame(input_.get(), -1, origin, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) >= 0;
}

void CStreamParseFilter::StartStreaming() {
  if (!input_ || thread_.joinable()) return;
  stop_ = false;
  thread_ = std::thread([this] { ReadLoop(); });
}

void CStreamParseFilter::RequestStop() { stop_ = true; }

void CStreamParseFilter::JoinStreaming() {
  if (thread_.joinable()) thread_.join();
}

bool CStreamParseFilter::Throttled() const {
  std::size_t bytes = 0;
  bool allEnough = true;
  bool any = false;
  for (CPin* pin : PinsOf(PinDirection::Output)) {
    CPin* peer = pin->ConnectedTo();
    if (peer == nullptr) continue;
    const Backlog backlog = peer->Filter()->InputBacklog();
    bytes += backlog.bytes;
    if (backlog.samples >= kMaxPackets) return true;
    allEnough = allEnough && backlog.samples >= kEnoughPackets;
    any = true;
  }
  return any && (allEnough || bytes > kMaxQueuedBytes);
}

void CStreamParseFilter::ReadLoop() {
  av::Packet packet = av::MakePacket();
  while (!stop_) {
    if (Throttled()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      continue;
    }
    const int ret = av_read_frame(input_.get(), packet.get());
    if (ret == AVERROR(EAGAIN)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    if (ret < 0) break;  // the end, or damage that ends the readable part
    const int index = packet->stream_index;
    CPin* pin =
        index >= 0 && index < static_cast<int>(pinOfStream_.size()) ? pinOfStream_[index] : nullptr;
    if (pin == nullptr || pin->ConnectedTo() == nullptr) {
      av_packet_unref(packet.get());
      continue;
    }
    MediaSample sample;
    sample.kind = MediaSample::Kind::Packet;
    const std::int64_t ts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    sample.start = ts != AV_NOPTS_VALUE ? formatOfStream_[index]->ToMediaTime(ts) : 0;
    sample.bytes = static_cast<std::size_t>(packet->size);
    sample.packet = av::MakePacket();
    av_packet_move_ref(sample.packet.get(), packet.get());
    pin->Deliver(std::move(sample));
  }
  if (stop_) return;
  for (CPin* pin : PinsOf(PinDirection::Output))
    if (pin->ConnectedTo() != nullptr) pin->Deliver(MediaSample::EndOfStream());
}

}  // namespace motrevix
