#include "playback/codec_decoder_filter.h"

#include <chrono>

#include "playback/stream_format.h"

namespace motrevix {

CCodecDecoderFilter::CCodecDecoderFilter(MajorType major, std::string inputPinName,
                                         std::string outputPinName)
    : input_(AddPin(std::move(inputPinName), PinDirection::Input)),
      output_(AddPin(std::move(outputPinName), PinDirection::Output)),
      major_(major),
      frame_(av::MakeFrame()) {}

CCodecDecoderFilter::~CCodecDecoderFilter() {
  RequestStop();
  JoinStreaming();
}

HResult CCodecDecoderFilter::CompleteConnect(CPin& pin, const MediaType& type) {
  if (&pin != &input_) return kOk;
  if (!type.format) return kNoAcceptableTypes;
  const AVCodec* codec = avcodec_find_decoder(type.format->parameters->codec_id);
  if (codec == nullptr) return kNoAcceptableTypes;
  av::CodecContext context(avcodec_alloc_context3(codec));
  if (!context || avcodec_parameters_to_context(context.get(), type.format->parameters) < 0)
    return kFail;
  context->pkt_timebase = type.format->timeBase;
  // One thread per decoder: each channel already decodes on a thread of its own,
  // far faster than real time, and frame threads would only add work and delay.
  context->thread_count = 1;
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return kNoAcceptableTypes;
  codec_ = std::move(context);
  format_ = type.format;
  inputType_ = type;
  output_.SetMediaTypes({OutputType(type)});
  return kOk;
}

void CCodecDecoderFilter::BreakConnect(CPin& pin) {
  if (&pin != &input_) return;
  codec_.reset();
  format_.reset();
  inputType_ = MediaType{};
  output_.SetMediaTypes({});
}

bool CCodecDecoderFilter::Receive(CPin& input, MediaSample&& sample) {
  if (&input != &input_ || !codec_) return false;
  const std::size_t bytes = sample.bytes;
  if (!queue_.Push(std::move(sample))) return false;
  queuedBytes_ += bytes;
  return true;
}

Backlog CCodecDecoderFilter::InputBacklog() const { return {queue_.Size(), queuedBytes_.load()}; }

void CCodecDecoderFilter::StartStreaming() {
  if (!codec_) return;
  worker_.Start([this] { DecodeLoop(); });
}

void CCodecDecoderFilter::RequestStop() { worker_.RequestStop(); }

void CCodecDecoderFilter::JoinStreaming() { worker_.Join(); }

void CCodecDecoderFilter::SetStartTime(MediaTime time) {
  startTime_ = time;
  passedStart_ = false;
}

void CCodecDecoderFilter::Flush() {
  queue_.Clear();
  held_ = MediaSample{};
  holding_ = false;
  passedStart_ = false;
  queuedBytes_ = 0;
  if (codec_) avcodec_flush_buffers(codec_.get());
  waitForKey_ = true;
}

void CCodecDecoderFilter::DecodeLoop() {
  while (!worker_.StopRequested()) {
    std::optional<MediaSample> sample = queue_.Pop(std::chrono::milliseconds(50));
    if (!sample) continue;
    queuedBytes_ -= std::min(queuedBytes_.load(), sample->bytes);
    if (sample->IsEndOfStream()) {
      if (!SendAndDrain(nullptr) || !DeliverHeld()) return;
      output_.Deliver(MediaSample::EndOfStream());
      continue;
    }
    const AVPacket* packet = sample->packet.get();
    if (waitForKey_ && major_ == MajorType::Video && !(packet->flags & AV_PKT_FLAG_KEY)) continue;
    waitForKey_ = false;
    if (!SendAndDrain(packet)) return;
  }
}

// Sends one packet (or the end, for nullptr) and hands every finished frame on.
// False when streaming is stopping.
bool CCodecDecoderFilter::SendAndDrain(const AVPacket* packet) {
  int sent = avcodec_send_packet(codec_.get(), packet);
  for (;;) {
    const int ret = avcodec_receive_frame(codec_.get(), frame_.get());
    if (ret == AVERROR(EAGAIN) && sent == AVERROR(EAGAIN)) {
      sent = avcodec_send_packet(codec_.get(), packet);
      continue;
    }
    if (ret < 0) return !worker_.StopRequested();  // EAGAIN, the end, or a damaged packet: skip on
    if (!DeliverFrame()) return false;
  }
}

bool CCodecDecoderFilter::DeliverFrame() {
  AVFrame* frame = frame_.get();
  MediaTime duration = 0;
  if (frame->pkt_duration > 0) {
    duration = av_rescale_q(frame->pkt_duration, format_->timeBase,
                            AVRational{1, static_cast<int>(kUnitsPerSecond)});
  } else if (major_ == MajorType::Video && format_->frameRate.num > 0) {
    duration = av_rescale(kUnitsPerSecond, format_->frameRate.den, format_->frameRate.num);
  } else if (major_ == MajorType::Audio && frame->sample_rate > 0) {
    duration = av_rescale(frame->nb_samples, kUnitsPerSecond, frame->sample_rate);
  }
  const std::int64_t ts = frame->best_effort_timestamp;
  const MediaTime start = ts != AV_NOPTS_VALUE ? format_->ToMediaTime(ts) : nextStart_;
  nextStart_ = start + duration;
  const bool video = major_ == MajorType::Video;
  if (!video && start + duration <= startTime_) {
    av_frame_unref(frame);
    return true;
  }
  MediaSample sample;
  sample.kind = MediaSample::Kind::Frame;
  sample.start = start;
  sample.duration = duration;
  sample.frame = av::MakeFrame();
  av_frame_move_ref(sample.frame.get(), frame);
  ProcessFrame(sample.frame.get());
  if (video && !passedStart_) {
    if (start <= startTime_) {  // keep only the newest picture that starts by then
      held_ = std::move(sample);
      holding_ = true;
      return true;
    }
    passedStart_ = true;
    if (!DeliverHeld()) return false;
  }
  return output_.Deliver(std::move(sample)) || !worker_.StopRequested();
}

bool CCodecDecoderFilter::DeliverHeld() {
  if (!holding_) return true;
  holding_ = false;
  return output_.Deliver(std::move(held_)) || !worker_.StopRequested();
}

}  // namespace motrevix
