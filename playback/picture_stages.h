#pragma once
// The decoder's picture stages: brightness offset and flips, applied to a decoded
// 8-bit planar YUV picture. Settings may change from any thread at any time.

#include <atomic>
#include <cstdint>

#include "playback/play_state.h"

struct AVFrame;

namespace motrevix {

class PictureStages {
 public:
  // kOk for a known parameter number (values are clamped to their range), kFail otherwise.
  HResult PutParam(std::int32_t number, std::int32_t value);

  bool Active() const;
  // What the stages do to a picture, as one comparable value: equal values give
  // equal pictures (switching a stage on at offset 0 changes nothing visible).
  struct Effect {
    int brightness = 0;
    bool upsideDown = false;
    bool mirrored = false;
    bool operator==(const Effect&) const = default;
  };
  Effect CurrentEffect() const;
  int Brightness() const { return brightness_; }
  bool UpsideDown() const { return flipOn_ && upsideDown_; }
  bool Mirrored() const { return flipOn_ && mirror_; }

  // Applies the active stages in place; false when the picture's format is not
  // 8-bit planar YUV (it is then left as it is). The frame must be writable.
  bool Apply(AVFrame* frame) const;

 private:
  std::atomic<bool> propertiesOn_{false};
  std::atomic<int> brightness_{0};
  std::atomic<bool> flipOn_{false};
  std::atomic<bool> upsideDown_{false};
  std::atomic<bool> mirror_{false};
};

}  // namespace motrevix
