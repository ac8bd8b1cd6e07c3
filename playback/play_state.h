#pragma once
// The play state of a pipeline object, with the values the main window reads.

#include <cstdint>

namespace motrevix {

enum class PlayState : std::int32_t { Running = 0, Paused = 1, Stopped = 2, Idle = 3 };

// Result codes of the media framework: negative failure, 0 success, 1 not loadable.
using HResult = std::int32_t;
constexpr HResult kOk = 0;
constexpr HResult kFalse = 1;  // "not loadable" as a build result
constexpr HResult kFail = static_cast<HResult>(0x80004005u);
constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154u);
constexpr HResult kAlreadyConnected = static_cast<HResult>(0x80040204u);
constexpr HResult kNoAcceptableTypes = static_cast<HResult>(0x80040207u);
constexpr HResult kWrongState = static_cast<HResult>(0x80040227u);
constexpr HResult kNotConnected = static_cast<HResult>(0x80040209u);

// Media time: 100-nanosecond units, signed 64-bit.
using MediaTime = std::int64_t;
constexpr MediaTime kUnitsPerSecond = 10'000'000;
constexpr MediaTime kUnitsPerMs = 10'000;

}  // namespace motrevix
