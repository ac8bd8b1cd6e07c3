#pragma once
// When the 100 ms playback tick does its work while pictures play. The tick
// redraws the sliders, time read-outs, speed and G-sensor graph; done on its own
// it costs the window a paint-and-flush round of its own between two pictures.
// While pictures arrive, a due tick waits for the next picture and runs with it,
// so both land in one round; a tick that found no picture by the next timer
// runs then, so the read-outs never stop when pictures do.

#include <cstdint>
#include <optional>

namespace motrevix {

class TickPacing {
 public:
  // Pictures count as arriving when the last one came at most this long ago.
  static constexpr std::int64_t kPictureGapMs = 100;

  // The tick's timer fired at nowMs: true when the tick runs now.
  bool OnTimer(std::int64_t nowMs);
  // A new picture arrived at nowMs: true when a waiting tick runs now.
  bool OnPicture(std::int64_t nowMs);
  // Playback stopped or a recording was opened: no tick waits, no picture seen.
  void Reset();

  bool TickWaiting() const { return waiting_; }

 private:
  std::optional<std::int64_t> lastPictureMs_;
  bool waiting_ = false;
};

}  // namespace motrevix
