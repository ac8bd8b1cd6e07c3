#pragma once
// The arithmetic and state rules of the playback controller: no threads, no media.

#include <optional>
#include <string>
#include <vector>

#include "playback/play_state.h"

namespace motrevix::rules {

// Milliseconds from media time (integer division) and back.
constexpr std::int64_t ToMs(MediaTime t) { return t / kUnitsPerMs; }
constexpr MediaTime FromMs(std::int64_t ms) { return ms * kUnitsPerMs; }

// The rate a run applies: exactly 1.0 stays 1.0, anything else is clamped to [0.5, 2.0].
float RunRate(float requested);

// Target of a skip of `seconds` from `position`, clamped to [0, duration].
MediaTime SkipTarget(MediaTime position, double seconds, MediaTime duration);

// Channel count: the pins whose name contains "Video" (case-sensitive).
int CountVideoPins(const std::vector<std::string>& pinNames);

// Audio code: 1 per "Audio" pin, plus 1000 when that pin's first type is PCM.
struct AudioPinInfo {
  std::string name;
  bool firstTypeIsPcm = false;
};
int AudioCode(const std::vector<AudioPinInfo>& pins);

// Pipeline-object commands and the state table.
enum class Command { Run, Pause, Stop, StopWhenReady, Teardown };

// The state after `command` in `state`, or nothing when the command is refused there.
std::optional<PlayState> NextState(PlayState state, Command command);

}  // namespace motrevix::rules
