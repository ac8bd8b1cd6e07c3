#include "playback/sound_volume.h"

#include <atomic>

namespace motrevix {
namespace {
constexpr std::uint32_t kFullVolume = 0xFFFFFFFFu;
std::atomic<std::uint32_t>& Volume() {
  static std::atomic<std::uint32_t> volume{kFullVolume};
  return volume;
}
}  // namespace

void SetWaveOutVolume(std::uint32_t value) { Volume() = value; }
std::uint32_t GetWaveOutVolume() { return Volume(); }
void ResetSoundVolume() { Volume() = kFullVolume; }

}  // namespace motrevix
