#pragma once
// The arithmetic of the transport controls: rate table, wave-out volume, time
// read-out text, click-to-seek target and the second progress slider's range.

#include <cstdint>
#include <string>

namespace motrevix {

// Requested rate for a rate slider position (1.0 for positions off the table).
float RateForSliderPosition(int position);

// The 32-bit wave-out value for a volume slider position 0..100: the left level
// in the low 16 bits, the same right level in the high 16 bits.
std::uint32_t WaveOutValueForSliderPosition(int position);

// "%02d:%02d:%02d" of hours, minutes and seconds of a time in milliseconds;
// the hours may take more than two digits.
std::string TimeText(std::int64_t ms);

// Left end of the progress slider's track in the windowed layout (the slider
// sits at x = 43 and its track begins 6 pixels inside).
inline constexpr int kWindowedProgressTrackX = 49;
// Length of the track in pixels.
inline constexpr int kProgressTrackLength = 715;

// Seek target of a click at clientX on the progress slider whose track begins at
// trackX, for a recording of durationMs; kept within 0..durationMs so that
// clicks on the slider's ends seek to the start or the end.
std::int64_t ClickSeekTarget(int clientX, int trackX, std::int64_t durationMs);

// Upper end of the second progress slider for a duration (it starts at 1).
std::int64_t SecondProgressMaximum(std::int64_t durationMs);
// Its tick frequency.
std::int64_t SecondProgressTickFrequency(std::int64_t durationMs);

}  // namespace motrevix
