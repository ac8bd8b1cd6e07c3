#include "tools/make_recording/recording_writer.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
}

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/av_handles.h"
#include "tools/make_recording/picture.h"
#include "tools/make_recording/telemetry_track.h"

namespace motrevix::gen {
namespace {

constexpr int kSampleRate = 22050;
constexpr double kToneHz = 440.0;
// The clicks: a burst of a higher tone at the start of every whole second.
constexpr double kClickHz = 2000.0;
constexpr double kClickSeconds = 0.01;

double SoundAt(SoundPattern pattern, double t) {
  if (pattern == SoundPattern::Tone) return 0.3 * std::sin(2 * M_PI * kToneHz * t);
  const double intoSecond = t - std::floor(t);
  if (intoSecond < kClickSeconds) return 0.8 * std::sin(2 * M_PI * kClickHz * intoSecond);
  return 0.03 * std::sin(2 * M_PI * kToneHz * t);
}
// Telemetry records per second in AVI (ten 'M' and one 'G'): the data stream's
// chunk rate, so its chunks interleave with the pictures at about their time.
constexpr int kAviRecordsPerSecond = 11;

// The tx3g sample description (after the sample entry header the muxer writes):
// flags, justification, background, text box, default style and a font table.
std::vector<std::uint8_t> TimedTextDescription() {
  return {
      0,    0,    0,    0,                         // display flags
      1,    0xFF,                                  // horizontal and vertical justification
      0,    0,    0,    0,                         // background colour
      0,    0,    0,    0,    0,   0,   0,   0,    // text box
      0,    0,    0,    0,                         // style: first and last character
      0,    1,                                     // font id
      0,                                           // face style
      0x12,                                        // font size
      0xFF, 0xFF, 0xFF, 0xFF,                      // text colour
      0,    0,    0,    18,   'f', 't', 'a', 'b',  // font table box
      0,    1,                                     // one entry
      0,    1,    5,    'S',  'e', 'r', 'i', 'f',
  };
}

struct VideoOut {
  av::CodecContext encoder;
  AVStream* stream = nullptr;
  av::Frame frame;
  pattern::Channel channel = pattern::Channel::Front;
};

struct AudioOut {
  av::CodecContext encoder;
  AVStream* stream = nullptr;
  av::Frame frame;
  std::int64_t samplesDone = 0;
  std::int64_t samplesTotal = 0;
};

class Writer {
 public:
  explicit Writer(const RecordingOptions& options) : options_(options) {}

  bool Write(std::string& error) {
    if (!Open(error)) return false;
    const int frames = options_.seconds * options_.fps;
    std::size_t nextRecord = 0;
    for (int i = 0; i < frames; ++i) {
      for (auto& video : videos_)
        if (!EncodeVideo(video, i, error)) return false;
      const std::int64_t untilMs = (static_cast<std::int64_t>(i) + 1) * 1000 / options_.fps;
      if (audio_ && !EncodeAudio(untilMs * kSampleRate / 1000, error)) return false;
      while (nextRecord < records_.size() && records_[nextRecord].timeMs < untilMs)
        if (!WriteRecord(nextRecord++, error)) return false;
    }
    if (audio_ && !EncodeAudio(audio_->samplesTotal, error)) return false;
    while (nextRecord < records_.size())
      if (!WriteRecord(nextRecord++, error)) return false;
    for (auto& video : videos_)
      if (!Flush(video.encoder.get(), video.stream, error)) return false;
    if (audio_ && !Flush(audio_->encoder.get(), audio_->stream, error)) return false;
    const int ret = av_write_trailer(out_.get());
    if (ret < 0) return Fail(error, "cannot finish the file", ret);
    return true;
  }

 private:
  bool Fail(std::string& error, const std::string& what, int code = 0) {
    error = what + (code < 0 ? ": " + av::ErrorText(code) : std::string());
    return false;
  }

  bool Open(std::string& error) {
    const char* format = options_.container == Container::Mp4 ? "mp4" : "avi";
    AVFormatContext* raw = nullptr;
    int ret = avformat_alloc_output_context2(&raw, nullptr, format, options_.outPath.c_str());
    if (ret < 0) return Fail(error, "cannot set up the container", ret);
    out_.reset(raw);

    if (!AddVideo(options_.front, pattern::Channel::Front, error)) return false;
    if (options_.channels == 2 && !AddVideo(options_.rear, pattern::Channel::Rear, error))
      return false;
    if (options_.audio != AudioCodec::None && !AddAudio(error)) return false;
    if (options_.telemetry) {
      records_ = MakeTelemetry(options_.start, options_.seconds, options_.bumpsMs);
      AddTelemetry();
    }

    ret = avio_open(&out_->pb, options_.outPath.c_str(), AVIO_FLAG_WRITE);
    if (ret < 0) return Fail(error, "cannot create " + options_.outPath, ret);
    ret = avformat_write_header(out_.get(), nullptr);
    if (ret < 0) return Fail(error, "cannot write the header", ret);
    return true;
  }

  bool AddVideo(const PictureSize& size, pattern::Channel channel, std::string& error) {
    const bool h264 = options_.video == VideoCodec::H264;
    const AVCodec* codec =
        h264 ? avcodec_find_encoder_by_name("libx264") : avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (codec == nullptr) return Fail(error, h264 ? "no libx264 encoder" : "no MPEG-4 encoder");
    VideoOut video;
    video.channel = channel;
    video.encoder.reset(avcodec_alloc_context3(codec));
    AVCodecContext* enc = video.encoder.get();
    enc->width = size.width;
    enc->height = size.height;
    enc->pix_fmt = AV_PIX_FMT_YUV420P;
    enc->framerate = {options_.fps, 1};
    enc->gop_size = options_.fps * options_.keyframeSeconds;
    enc->max_b_frames = 0;
    enc->thread_count = 1;
    if (h264) {
      enc->time_base = {1, options_.fps};
      av_opt_set(enc->priv_data, "preset", "ultrafast", 0);
      av_opt_set(enc->priv_data, "profile", "baseline", 0);
      av_opt_set(enc->priv_data, "crf", "20", 0);
    } else {
      // The camera's MPEG-4 visual: simple profile, VOP time resolution 1000.
      enc->time_base = {1, 1000};
      enc->profile = FF_PROFILE_MPEG4_SIMPLE;
      enc->flags |= AV_CODEC_FLAG_QSCALE;
      enc->global_quality = 3 * FF_QP2LAMBDA;
    }
    if (out_->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(enc, codec, nullptr);
    if (ret < 0) return Fail(error, "cannot open the video encoder", ret);

    video.stream = avformat_new_stream(out_.get(), nullptr);
    avcodec_parameters_from_context(video.stream->codecpar, enc);
    const bool avi = options_.container == Container::Avi;
    video.stream->time_base = avi || h264 ? AVRational{1, options_.fps} : AVRational{1, 1000};
    video.stream->avg_frame_rate = {options_.fps, 1};

    video.frame = av::MakeFrame();
    video.frame->format = enc->pix_fmt;
    video.frame->width = size.width;
    video.frame->height = size.height;
    ret = av_frame_get_buffer(video.frame.get(), 0);
    if (ret < 0) return Fail(error, "out of memory", ret);
    videos_.push_back(std::move(video));
    return true;
  }

  bool AddAudio(std::string& error) {
    const bool aac = options_.audio == AudioCodec::Aac;
    const AVCodec* codec = avcodec_find_encoder(aac ? AV_CODEC_ID_AAC : AV_CODEC_ID_PCM_S16LE);
    if (codec == nullptr) return Fail(error, "no audio encoder");
    audio_ = std::make_unique<AudioOut>();
    audio_->encoder.reset(avcodec_alloc_context3(codec));
    AVCodecContext* enc = audio_->encoder.get();
    enc->sample_rate = kSampleRate;
    enc->sample_fmt = aac ? AV_SAMPLE_FMT_FLTP : AV_SAMPLE_FMT_S16;
    av_channel_layout_default(&enc->ch_layout, 1);
    enc->bit_rate = aac ? 64000 : 0;
    enc->time_base = {1, kSampleRate};
    if (out_->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(enc, codec, nullptr);
    if (ret < 0) return Fail(error, "cannot open the audio encoder", ret);
    audio_->stream = avformat_new_stream(out_.get(), nullptr);
    avcodec_parameters_from_context(audio_->stream->codecpar, enc);
    audio_->stream->time_base = enc->time_base;
    audio_->samplesTotal = static_cast<std::int64_t>(options_.seconds) * kSampleRate;
    audio_->frame = av::MakeFrame();
    return true;
  }

  void AddTelemetry() {
    telemetry_ = avformat_new_stream(out_.get(), nullptr);
    AVCodecParameters* par = telemetry_->codecpar;
    if (options_.container == Container::Mp4) {
      par->codec_type = AVMEDIA_TYPE_SUBTITLE;
      par->codec_id = AV_CODEC_ID_MOV_TEXT;
      const auto description = TimedTextDescription();
      par->extradata =
          static_cast<std::uint8_t*>(av_mallocz(description.size() + AV_INPUT_BUFFER_PADDING_SIZE));
      std::memcpy(par->extradata, description.data(), description.size());
      par->extradata_size = static_cast<int>(description.size());
      telemetry_->time_base = {1, 1000};
    } else {
      par->codec_type = AVMEDIA_TYPE_DATA;
      par->codec_id = AV_CODEC_ID_NONE;
      telemetry_->time_base = {1, kAviRecordsPerSecond};
    }
  }

  bool EncodeVideo(VideoOut& video, int index, std::string& error) {
    int ret = av_frame_make_writable(video.frame.get());
    if (ret < 0) return Fail(error, "out of memory", ret);
    DrawPicture(video.frame.get(), index, video.channel);
    video.frame->pts =
        options_.video == VideoCodec::H264 ? index : std::llround(index * 1000.0 / options_.fps);
    video.frame->pict_type = AV_PICTURE_TYPE_NONE;
    ret = avcodec_send_frame(video.encoder.get(), video.frame.get());
    if (ret < 0) return Fail(error, "cannot encode a picture", ret);
    return Drain(video.encoder.get(), video.stream, error);
  }

  bool EncodeAudio(std::int64_t untilSample, std::string& error) {
    AVCodecContext* enc = audio_->encoder.get();
    const int frameSize = enc->frame_size > 0 ? enc->frame_size : 1024;
    while (audio_->samplesDone < untilSample) {
      const bool last = audio_->samplesTotal - audio_->samplesDone <= frameSize;
      if (!last && untilSample - audio_->samplesDone < frameSize) break;  // whole frames only
      const int count = static_cast<int>(
          std::min<std::int64_t>(frameSize, audio_->samplesTotal - audio_->samplesDone));
      AVFrame* frame = audio_->frame.get();
      av_frame_unref(frame);
      frame->nb_samples = count;
      frame->format = enc->sample_fmt;
      frame->sample_rate = enc->sample_rate;
      av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout);
      int ret = av_frame_get_buffer(frame, 0);
      if (ret < 0) return Fail(error, "out of memory", ret);
      for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(audio_->samplesDone + i) / kSampleRate;
        const double value = SoundAt(options_.sound, t);
        if (enc->sample_fmt == AV_SAMPLE_FMT_FLTP)
          reinterpret_cast<float*>(frame->data[0])[i] = static_cast<float>(value);
        else
          reinterpret_cast<std::int16_t*>(frame->data[0])[i] =
              static_cast<std::int16_t>(std::lround(value * 32767));
      }
      frame->pts = audio_->samplesDone;
      audio_->samplesDone += count;
      ret = avcodec_send_frame(enc, frame);
      if (ret < 0) return Fail(error, "cannot encode sound", ret);
      if (!Drain(enc, audio_->stream, error)) return false;
    }
    return true;
  }

  bool WriteRecord(std::size_t index, std::string& error) {
    const TelemetryRecord& record = records_[index];
    av::Packet packet = av::MakePacket();
    const bool mp4 = options_.container == Container::Mp4;
    const int header = mp4 ? 2 : 4;
    int ret = av_new_packet(packet.get(), header + static_cast<int>(record.bytes.size()));
    if (ret < 0) return Fail(error, "out of memory", ret);
    if (mp4) {
      AV_WB16(packet->data, record.bytes.size());
      const std::int64_t next =
          index + 1 < records_.size() ? records_[index + 1].timeMs : record.timeMs + 50;
      packet->pts = packet->dts = record.timeMs;
      packet->duration = next - record.timeMs;
      av_packet_rescale_ts(packet.get(), {1, 1000}, telemetry_->time_base);
    } else {
      AV_WL32(packet->data, static_cast<std::uint32_t>(record.timeMs));
      packet->pts = packet->dts = static_cast<std::int64_t>(index);
      packet->duration = 1;
      av_packet_rescale_ts(packet.get(), {1, kAviRecordsPerSecond}, telemetry_->time_base);
    }
    std::memcpy(packet->data + header, record.bytes.data(), record.bytes.size());
    packet->stream_index = telemetry_->index;
    packet->flags |= AV_PKT_FLAG_KEY;
    ret = av_interleaved_write_frame(out_.get(), packet.get());
    if (ret < 0) return Fail(error, "cannot write a telemetry record", ret);
    return true;
  }

  bool Drain(AVCodecContext* enc, AVStream* stream, std::string& error) {
    av::Packet packet = av::MakePacket();
    for (;;) {
      int ret = avcodec_receive_packet(enc, packet.get());
      if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) return true;
      if (ret < 0) return Fail(error, "encoder failed", ret);
      if (options_.container == Container::Avi && enc->codec_type == AVMEDIA_TYPE_AUDIO) {
        // AVI has no edit list: the encoder's priming samples would start before 0,
        // and the muxer would then push every stream later by that much. Start the
        // sound at 0 instead.
        packet->pts += enc->initial_padding;
        packet->dts += enc->initial_padding;
      }
      av_packet_rescale_ts(packet.get(), enc->time_base, stream->time_base);
      packet->stream_index = stream->index;
      ret = av_interleaved_write_frame(out_.get(), packet.get());
      if (ret < 0) return Fail(error, "cannot write to " + options_.outPath, ret);
    }
  }

  bool Flush(AVCodecContext* enc, AVStream* stream, std::string& error) {
    const int ret = avcodec_send_frame(enc, nullptr);
    if (ret < 0 && ret != AVERROR_EOF) return Fail(error, "cannot finish encoding", ret);
    return Drain(enc, stream, error);
  }

  const RecordingOptions& options_;
  av::OutputContext out_;
  std::vector<VideoOut> videos_;
  std::unique_ptr<AudioOut> audio_;
  AVStream* telemetry_ = nullptr;
  std::vector<TelemetryRecord> records_;
};

}  // namespace

bool WriteRecording(const RecordingOptions& options, std::string& error) {
  Writer writer(options);
  return writer.Write(error);
}

}  // namespace motrevix::gen
