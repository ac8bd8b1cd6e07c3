#pragma once
// The video decoder ("FFDShow Decoder1/2"): H.264 and MPEG-4 visual on libavcodec,
// with the brightness and flip stages behind IDecoderParams.

#include "playback/codec_decoder_filter.h"
#include "playback/decoder_params.h"
#include "playback/picture_stages.h"

namespace motrevix {

class CVideoDecoderFilter : public CCodecDecoderFilter, public IDecoderParams {
 public:
  CVideoDecoderFilter() : CCodecDecoderFilter(MajorType::Video, "In", "Out") {}

  bool AcceptsInput(const CPin& input, const MediaType& type) const override;
  HResult PutParam(std::int32_t number, std::int32_t value) override;
  const PictureStages& Stages() const { return stages_; }

 protected:
  MediaType OutputType(const MediaType& input) const override;
  void ProcessFrame(AVFrame* frame) override;

 private:
  PictureStages stages_;
};

// The sound decoder ("CoreAAC Decoder"): AAC on libavcodec.
class CAacDecoderFilter : public CCodecDecoderFilter {
 public:
  CAacDecoderFilter() : CCodecDecoderFilter(MajorType::Audio, "Input", "Output") {}
  bool AcceptsInput(const CPin& input, const MediaType& type) const override;

 protected:
  MediaType OutputType(const MediaType& input) const override;
};

}  // namespace motrevix
