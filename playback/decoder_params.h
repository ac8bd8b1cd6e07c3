#pragma once
// The video decoder's parameter interface: picture stages set by number.

#include <cstdint>

#include "playback/play_state.h"

namespace motrevix {

// Parameter numbers of the picture stages.
constexpr std::int32_t kParamPicturePropertiesOn = 205;
constexpr std::int32_t kParamBrightness = 202;  // -150 to 150, 0 = unchanged
constexpr std::int32_t kParamFlipOn = 1101;
constexpr std::int32_t kParamUpsideDown = 1112;
constexpr std::int32_t kParamMirror = 1113;

class IDecoderParams {
 public:
  virtual ~IDecoderParams() = default;
  virtual HResult PutParam(std::int32_t number, std::int32_t value) = 0;
};

}  // namespace motrevix
