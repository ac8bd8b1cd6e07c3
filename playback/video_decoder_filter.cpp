#include "playback/video_decoder_filter.h"

#include "playback/stream_format.h"

namespace motrevix {

bool CVideoDecoderFilter::AcceptsInput(const CPin& input, const MediaType& type) const {
  return &input == &input_ && type.major == MajorType::Video && type.format &&
         (type.sub == SubType::H264 || type.sub == SubType::Mpeg4 ||
          type.sub == SubType::OtherVideo);
}

HResult CVideoDecoderFilter::PutParam(std::int32_t number, std::int32_t value) {
  return stages_.PutParam(number, value);
}

MediaType CVideoDecoderFilter::OutputType(const MediaType& input) const {
  MediaType type;
  type.major = MajorType::Video;
  type.sub = SubType::RawVideo;
  type.width = input.width;
  type.height = input.height;
  type.codecName = "rawvideo";
  return type;
}

void CVideoDecoderFilter::ProcessFrame(AVFrame* frame) {
  if (!stages_.Active()) return;
  // Decoded pictures may still serve as references: work on a copy then.
  if (av_frame_make_writable(frame) < 0) return;
  stages_.Apply(frame);
}

bool CAacDecoderFilter::AcceptsInput(const CPin& input, const MediaType& type) const {
  return &input == &input_ && type.major == MajorType::Audio && type.format &&
         (type.sub == SubType::Aac || type.sub == SubType::OtherAudio);
}

MediaType CAacDecoderFilter::OutputType(const MediaType& input) const {
  MediaType type;
  type.major = MajorType::Audio;
  type.sub = SubType::RawAudio;
  type.sampleRate = input.sampleRate;
  type.channels = input.channels;
  type.codecName = "raw audio";
  return type;
}

}  // namespace motrevix
