#include "playback/sound_renderer_filter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include "playback/null_sound_output.h"
#include "playback/sound_volume.h"
#include "playback/stream_clock.h"
#include "playback/stream_format.h"

namespace motrevix {
namespace {
constexpr std::chrono::milliseconds kPoll(20);
constexpr int kOutputChannels = 2;
constexpr std::size_t kDecodedQueue = 32;
// Sound is skipped only once it is more than a picture (at 30 a second) behind the
// clock: a block that is a few milliseconds late, as after a start on a busy
// machine, still plays, and the sound stays within one picture of the pictures.
constexpr MediaTime kLateSoundLimit = kUnitsPerSecond / 30;
}  // namespace

CSoundRendererFilter::CSoundRendererFilter(std::unique_ptr<ISoundOutput> output)
    : input_(AddPin("Audio Input pin (rendered)", PinDirection::Input)),
      output_(std::move(output)) {}

CSoundRendererFilter::~CSoundRendererFilter() {
  RequestStop();
  JoinStreaming();
}

bool CSoundRendererFilter::AcceptsInput(const CPin& input, const MediaType& type) const {
  return &input == &input_ && type.major == MajorType::Audio &&
         (type.sub == SubType::RawAudio || (type.sub == SubType::Pcm && type.format));
}

HResult CSoundRendererFilter::CompleteConnect(CPin& pin, const MediaType& type) {
  if (&pin != &input_) return kOk;
  if (type.sampleRate <= 0) return kNoAcceptableTypes;
  if (type.sub == SubType::Pcm) {
    const AVCodec* codec = avcodec_find_decoder(type.format->parameters->codec_id);
    av::CodecContext context(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!context || avcodec_parameters_to_context(context.get(), type.format->parameters) < 0 ||
        avcodec_open2(context.get(), codec, nullptr) < 0)
      return kNoAcceptableTypes;
    pcmDecoder_ = std::move(context);
    format_ = type.format;
    queue_.SetCapacity(0, 0);  // the source limits what it reads ahead
  } else {
    queue_.SetCapacity(kDecodedQueue, kDecodedQueue / 2);
  }
  outputRate_ = type.sampleRate;
  if (!output_ || !output_->Init(outputRate_, kOutputChannels)) {
    output_ = std::make_unique<NullSoundOutput>();
    output_->Init(outputRate_, kOutputChannels);
  }
  inputType_ = type;
  return kOk;
}

void CSoundRendererFilter::BreakConnect(CPin& pin) {
  if (&pin != &input_) return;
  pcmDecoder_.reset();
  format_.reset();
  resampler_.reset();
}

bool CSoundRendererFilter::Receive(CPin& input, MediaSample&& sample) {
  if (&input != &input_) return false;
  if (sample.kind != MediaSample::Kind::Packet || !pcmDecoder_)
    return queue_.Push(std::move(sample));
  // PCM from the source: cut into frames here, on the source's thread.
  if (avcodec_send_packet(pcmDecoder_.get(), sample.packet.get()) < 0) return true;
  for (;;) {
    av::Frame frame = av::MakeFrame();
    if (avcodec_receive_frame(pcmDecoder_.get(), frame.get()) < 0) break;
    MediaSample out;
    out.kind = MediaSample::Kind::Frame;
    const std::int64_t ts = frame->best_effort_timestamp;
    out.start = ts != AV_NOPTS_VALUE ? format_->ToMediaTime(ts) : sample.start;
    out.duration = av_rescale(frame->nb_samples, kUnitsPerSecond, std::max(1, frame->sample_rate));
    out.bytes = static_cast<std::size_t>(frame->nb_samples) * 4;
    out.frame = std::move(frame);
    if (!queue_.Push(std::move(out))) return false;
  }
  return true;
}

Backlog CSoundRendererFilter::InputBacklog() const { return {queue_.Size(), 0}; }

void CSoundRendererFilter::StartStreaming() {
  if (input_.ConnectedTo() == nullptr) return;
  worker_.Start([this] { PlayLoop(); });
}

void CSoundRendererFilter::RequestStop() { worker_.RequestStop(); }

void CSoundRendererFilter::JoinStreaming() { worker_.Join(); }

void CSoundRendererFilter::Flush() {
  queue_.Clear();
  if (pcmDecoder_) avcodec_flush_buffers(pcmDecoder_.get());
  if (output_) output_->Reset();
  tempo_.Reset();
  timeline_.Clear();
  writtenEndKnown_ = false;
  endOfStream_ = false;
}

void CSoundRendererFilter::OnRunStateChanged(bool running) {
  if (running_.exchange(running) == running) return;
  if (!output_) return;
  if (running)
    output_->Resume();
  else
    output_->Pause();
}

bool CSoundRendererFilter::ReachedEnd() const {
  return endOfStream_ && queue_.Size() == 0 && (!output_ || output_->Delay() < 0.02);
}

HResult CSoundRendererFilter::put_Balance(long balance) {
  if (balance < -10000 || balance > 10000) return kFail;
  balance_ = balance;
  return kOk;
}

HResult CSoundRendererFilter::get_Balance(long* balance) const {
  if (balance == nullptr) return kPointer;
  *balance = balance_;
  return kOk;
}

void CSoundRendererFilter::PlayLoop() {
  StreamClock& clock = *Clock();
  while (!worker_.StopRequested()) {
    if (!running_) {
      clock.WaitUntil(INT64_MAX, kPoll);
      continue;
    }
    struct Head {
      bool none = true;
      bool end = false;
      MediaTime start = 0;
      MediaTime duration = 0;
    };
    const Head head = queue_.Inspect([](const MediaSample* first, const MediaSample*) {
      Head h;
      if (first == nullptr) return h;
      h.none = false;
      h.end = first->IsEndOfStream();
      h.start = first->start;
      h.duration = first->duration;
      return h;
    });
    if (head.none) {
      queue_.WaitNotEmpty(kPoll);
      continue;
    }
    if (head.end) {
      endOfStream_ = true;
      queue_.Drop();
      continue;
    }
    const MediaTime now = clock.Now();
    const double rate = clock.Rate();
    // Sound queued ahead of the clock: in the output, and in the tempo filter.
    MediaTime ahead = static_cast<MediaTime>(output_->Delay() * rate * kUnitsPerSecond);
    if (tempo_.Ready() && writtenEndKnown_) ahead += std::max<MediaTime>(0, fedEnd_ - writtenEnd_);
    if (head.start + head.duration + kLateSoundLimit < now) {  // too late: skip, keep in step
      queue_.Drop();
      ++lateDrops_;
      continue;
    }
    if (head.start > now + ahead + 20 * kUnitsPerMs) {
      clock.WaitUntil(head.start - ahead, kPoll);
      continue;
    }
    std::optional<MediaSample> sample = queue_.Pop(std::chrono::milliseconds(0));
    if (sample) PlaySample(*sample, rate);
  }
}

void CSoundRendererFilter::PlaySample(MediaSample& sample, double rate) {
  AVFrame* in = sample.frame.get();
  if (in == nullptr || in->nb_samples <= 0) return;
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  // Files may leave the channel order unsaid: take the usual layout for the count.
  if (in->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
    const int count = in->ch_layout.nb_channels;
    av_channel_layout_uninit(&in->ch_layout);
    av_channel_layout_default(&in->ch_layout, count);
  }
  if (!resampler_) {
    SwrContext* swr = nullptr;
    const double monoToBoth[2] = {1.0, 1.0};  // a mono recording at its own level on both sides
    if (swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, outputRate_, &in->ch_layout,
                            static_cast<AVSampleFormat>(in->format), in->sample_rate, 0,
                            nullptr) < 0 ||
        (in->ch_layout.nb_channels == 1 && swr_set_matrix(swr, monoToBoth, 1) < 0) ||
        swr_init(swr) < 0) {
      swr_free(&swr);
      return;
    }
    resampler_.reset(swr);
  }
  av::Frame converted = av::MakeFrame();
  converted->format = AV_SAMPLE_FMT_S16;
  converted->sample_rate = outputRate_;
  av_channel_layout_copy(&converted->ch_layout, &stereo);
  if (swr_convert_frame(resampler_.get(), converted.get(), in) < 0) {
    resampler_.reset();  // the input format changed: set up again with the next frame
    return;
  }
  played_ = true;
  if (rate == 1.0) {
    if (tempo_.Ready()) tempo_.Reset();
    Write(converted.get(), rate, sample.start);
    return;
  }
  // The tempo filter holds some sound back: its output follows on from what was
  // written before, from the first block after it is set up.
  std::optional<MediaTime> start;
  if (!writtenEndKnown_) start = sample.start;
  if (!tempo_.Ready() || tempo_.Tempo() != rate) {
    if (!tempo_.Configure(outputRate_, rate)) return;
    tempoPts_ = 0;
    start = sample.start;
  }
  converted->pts = tempoPts_;
  tempoPts_ += converted->nb_samples;
  std::vector<av::Frame> out;
  tempo_.Process(converted.get(), out);
  fedEnd_ = sample.start + sample.duration;
  for (auto& frame : out) {
    Write(frame.get(), rate, start);
    start.reset();
  }
}

void CSoundRendererFilter::Write(AVFrame* frame, double rate, std::optional<MediaTime> start) {
  if (start) {
    writtenEnd_ = *start;
    writtenEndKnown_ = true;
  }
  const std::uint32_t volume = GetWaveOutVolume();
  const long balance = balance_;
  double left = (volume & 0xFFFFu) / 65535.0;
  double right = (volume >> 16) / 65535.0;
  if (balance > 0) left *= std::pow(10.0, -balance / 2000.0);
  if (balance < 0) right *= std::pow(10.0, balance / 2000.0);
  auto* samples = reinterpret_cast<std::int16_t*>(frame->data[0]);
  if ((left != 1.0 || right != 1.0) && av_frame_make_writable(frame) >= 0) {
    samples = reinterpret_cast<std::int16_t*>(frame->data[0]);
    for (int i = 0; i < frame->nb_samples; ++i) {
      samples[2 * i] = static_cast<std::int16_t>(samples[2 * i] * left);
      samples[2 * i + 1] = static_cast<std::int16_t>(samples[2 * i + 1] * right);
    }
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(samples);
  constexpr std::size_t kFrameBytes = 2 * kOutputChannels;
  const double unitsPerFrame = rate * kUnitsPerSecond / outputRate_;
  std::size_t remaining = static_cast<std::size_t>(frame->nb_samples) * kFrameBytes;
  while (remaining > 0 && !worker_.StopRequested()) {
    const std::size_t taken = output_->Play(data, remaining);
    data += taken;
    remaining -= taken;
    const auto frames = static_cast<std::int64_t>(taken / kFrameBytes);
    const MediaTime end =
        writtenEnd_ +
        static_cast<MediaTime>(std::llround(static_cast<double>(frames) * unitsPerFrame));
    timeline_.Append(frames, writtenEnd_, end);
    writtenEnd_ = end;
    ReportHeard();
    if (remaining == 0) break;
    // Full: wait about as long as the output takes to make room for the rest.
    const double seconds = static_cast<double>(remaining) / (2.0 * kOutputChannels * outputRate_);
    std::this_thread::sleep_for(std::chrono::microseconds(
        std::clamp(static_cast<long long>(seconds * 1e6), 2000LL, 20000LL)));
  }
}

// A sound device plays at its own pace, and may start late: the clock follows
// what it plays, so that pictures keep to the sound heard.
void CSoundRendererFilter::ReportHeard() {
  if (!output_->IsDevice() || !running_) return;
  if (const auto heard = timeline_.HeardAt(output_->Delay() * outputRate_))
    Clock()->FollowSound(*heard);
}

}  // namespace motrevix
