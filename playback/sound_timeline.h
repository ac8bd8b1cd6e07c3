#pragma once
// The media time of the sound in a sound output: the blocks written to it, oldest
// first, each with the span of media time it plays (at a rate other than 1.0 a
// block plays more or less media time than its own length). From how much of
// what was written the output still holds, it tells the media time heard now.

#include <cstdint>
#include <deque>
#include <optional>

#include "playback/play_state.h"

namespace motrevix {

class SoundTimeline {
 public:
  // Keeps about `keepFrames` of the newest frames; older blocks are forgotten.
  explicit SoundTimeline(std::int64_t keepFrames = 1 << 20) : keepFrames_(keepFrames) {}

  // `frames` output frames were written that play media time [start, end).
  void Append(std::int64_t frames, MediaTime start, MediaTime end);
  void Clear();

  // The media time heard while `queuedFrames` of the frames written are not yet
  // heard. When more is queued than the timeline holds (sound written before a
  // Clear, as after a seek, still plays first), the time lies before the first
  // block, at that block's pace. Nothing when nothing was written since a Clear.
  std::optional<MediaTime> HeardAt(double queuedFrames) const;

 private:
  struct Block {
    std::int64_t frames;
    MediaTime start;
    MediaTime end;
  };
  std::deque<Block> blocks_;
  std::int64_t frames_ = 0;
  std::int64_t keepFrames_;
};

}  // namespace motrevix
