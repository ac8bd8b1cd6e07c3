#include "playback/sound_timeline.h"

namespace motrevix {

void SoundTimeline::Append(std::int64_t frames, MediaTime start, MediaTime end) {
  if (frames <= 0) return;
  blocks_.push_back({frames, start, end});
  frames_ += frames;
  while (blocks_.size() > 1 && frames_ - blocks_.front().frames >= keepFrames_) {
    frames_ -= blocks_.front().frames;
    blocks_.pop_front();
  }
}

void SoundTimeline::Clear() {
  blocks_.clear();
  frames_ = 0;
}

std::optional<MediaTime> SoundTimeline::HeardAt(double queuedFrames) const {
  if (blocks_.empty()) return std::nullopt;
  double remaining = queuedFrames > 0 ? queuedFrames : 0;
  for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
    const double span = static_cast<double>(it->end - it->start);
    if (remaining <= static_cast<double>(it->frames))
      return it->end - static_cast<MediaTime>(span * remaining / static_cast<double>(it->frames));
    remaining -= static_cast<double>(it->frames);
  }
  const Block& first = blocks_.front();
  const double perFrame = static_cast<double>(first.end - first.start) / first.frames;
  return first.start - static_cast<MediaTime>(perFrame * remaining);
}

}  // namespace motrevix
