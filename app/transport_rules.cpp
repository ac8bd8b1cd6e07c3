#include "app/transport_rules.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace motrevix {

float RateForSliderPosition(int position) {
  static constexpr float kRates[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.25f, 1.5f, 1.75f, 5.0f, 5.0f};
  if (position < 1 || position > 10) return 1.0f;
  return kRates[position - 1];
}

std::uint32_t WaveOutValueForSliderPosition(int position) {
  const int v = std::clamp(position, 0, 100);
  // Integer arithmetic for trunc(v * 655.35), free of floating-point rounding.
  const std::uint32_t level = static_cast<std::uint32_t>(v) * 65535u / 100u;
  return level | (level << 16);
}

std::string TimeText(std::int64_t ms) {
  const std::int64_t s = ms / 1000;
  char text[48];
  std::snprintf(text, sizeof text, "%02" PRId64 ":%02" PRId64 ":%02" PRId64, s / 3600,
                (s % 3600) / 60, s % 60);
  return text;
}

std::int64_t ClickSeekTarget(int clientX, int trackX, std::int64_t durationMs) {
  const std::int64_t x = static_cast<std::int64_t>(clientX) - trackX;
  const std::int64_t target = x * durationMs / kProgressTrackLength;
  return std::clamp<std::int64_t>(target, 0, std::max<std::int64_t>(durationMs, 0));
}

std::int64_t SecondProgressMaximum(std::int64_t durationMs) { return durationMs - durationMs / 60; }

std::int64_t SecondProgressTickFrequency(std::int64_t durationMs) { return durationMs / 60 + 17; }

}  // namespace motrevix
