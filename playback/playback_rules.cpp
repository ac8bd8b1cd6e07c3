#include "playback/playback_rules.h"

#include <algorithm>

namespace motrevix::rules {

float RunRate(float requested) {
  if (requested == 1.0f) return 1.0f;
  return std::clamp(requested, 0.5f, 2.0f);
}

MediaTime SkipTarget(MediaTime position, double seconds, MediaTime duration) {
  const MediaTime delta = static_cast<MediaTime>(seconds * static_cast<double>(kUnitsPerSecond));
  MediaTime target = position + delta;
  if (seconds < 0) {
    if (target < 0) target = 0;
  } else if (target > duration) {
    target = duration;
  }
  return target;
}

int CountVideoPins(const std::vector<std::string>& pinNames) {
  return static_cast<int>(std::count_if(pinNames.begin(), pinNames.end(), [](const std::string& n) {
    return n.find("Video") != std::string::npos;
  }));
}

int AudioCode(const std::vector<AudioPinInfo>& pins) {
  int code = 0;
  for (const auto& pin : pins) {
    if (pin.name.find("Audio") == std::string::npos) continue;
    code += 1;
    if (pin.firstTypeIsPcm) code += 1000;
  }
  return code;
}

std::optional<PlayState> NextState(PlayState state, Command command) {
  switch (command) {
    case Command::Run:
      if (state == PlayState::Paused || state == PlayState::Stopped) return PlayState::Running;
      return std::nullopt;
    case Command::Pause:
      return PlayState::Paused;
    case Command::Stop:
      if (state == PlayState::Running || state == PlayState::Paused) return PlayState::Stopped;
      return std::nullopt;
    case Command::StopWhenReady:
    case Command::Teardown:
      return PlayState::Stopped;
  }
  return std::nullopt;
}

}  // namespace motrevix::rules
