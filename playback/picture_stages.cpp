#include "playback/picture_stages.h"

#include <algorithm>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
}

#include "playback/decoder_params.h"

namespace motrevix {

HResult PictureStages::PutParam(std::int32_t number, std::int32_t value) {
  switch (number) {
    case kParamPicturePropertiesOn:
      propertiesOn_ = value != 0;
      return kOk;
    case kParamBrightness:
      brightness_ = std::clamp(value, -150, 150);
      return kOk;
    case kParamFlipOn:
      flipOn_ = value != 0;
      return kOk;
    case kParamUpsideDown:
      upsideDown_ = value != 0;
      return kOk;
    case kParamMirror:
      mirror_ = value != 0;
      return kOk;
    default:
      return kFail;
  }
}

PictureStages::Effect PictureStages::CurrentEffect() const {
  return {propertiesOn_ ? brightness_.load() : 0, UpsideDown(), Mirrored()};
}

bool PictureStages::Active() const { return !(CurrentEffect() == Effect{}); }

bool PictureStages::Apply(AVFrame* frame) const {
  const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame->format));
  if (desc == nullptr || !(desc->flags & AV_PIX_FMT_FLAG_PLANAR) ||
      (desc->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_HWACCEL)) || desc->comp[0].depth != 8)
    return false;
  const int offset = propertiesOn_ ? brightness_.load() : 0;
  const bool upsideDown = UpsideDown();
  const bool mirrored = Mirrored();
  if (offset != 0) {
    std::uint8_t lut[256];
    for (int v = 0; v < 256; ++v)
      lut[v] = static_cast<std::uint8_t>(std::clamp(v + offset, 0, 255));
    for (int y = 0; y < frame->height; ++y) {
      std::uint8_t* row = frame->data[0] + static_cast<std::ptrdiff_t>(y) * frame->linesize[0];
      for (int x = 0; x < frame->width; ++x) row[x] = lut[row[x]];
    }
  }
  if (!upsideDown && !mirrored) return true;
  for (int plane = 0; plane < desc->nb_components && plane < 4 && frame->data[plane]; ++plane) {
    const bool chroma = plane == 1 || plane == 2;
    const int width = chroma ? AV_CEIL_RSHIFT(frame->width, desc->log2_chroma_w) : frame->width;
    const int height = chroma ? AV_CEIL_RSHIFT(frame->height, desc->log2_chroma_h) : frame->height;
    const int stride = frame->linesize[plane];
    std::uint8_t* base = frame->data[plane];
    if (mirrored)
      for (int y = 0; y < height; ++y) std::reverse(base + y * stride, base + y * stride + width);
    if (upsideDown) {
      std::vector<std::uint8_t> temp(static_cast<std::size_t>(width));
      for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::uint8_t* a = base + top * stride;
        std::uint8_t* b = base + bottom * stride;
        std::copy(a, a + width, temp.begin());
        std::copy(b, b + width, a);
        std::copy(temp.begin(), temp.end(), b);
      }
    }
  }
  return true;
}

}  // namespace motrevix
