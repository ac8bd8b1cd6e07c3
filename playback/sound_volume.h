#pragma once
// The process-wide wave-out volume: the left channel's level in the low 16 bits,
// the right channel's in the high 16 bits (0 silent, 0xFFFF full). Every sound
// output of the process applies it. Thread-safe.

#include <cstdint>

namespace motrevix {

void SetWaveOutVolume(std::uint32_t value);
std::uint32_t GetWaveOutVolume();
// Back to the start value (full volume on both channels).
void ResetSoundVolume();

}  // namespace motrevix
