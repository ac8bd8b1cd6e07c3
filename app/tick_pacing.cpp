#include "app/tick_pacing.h"

namespace motrevix {

bool TickPacing::OnTimer(std::int64_t nowMs) {
  const bool picturesArrive = lastPictureMs_ && nowMs - *lastPictureMs_ <= kPictureGapMs;
  if (waiting_ || !picturesArrive) {
    waiting_ = false;
    return true;
  }
  waiting_ = true;
  return false;
}

bool TickPacing::OnPicture(std::int64_t nowMs) {
  lastPictureMs_ = nowMs;
  const bool run = waiting_;
  waiting_ = false;
  return run;
}

void TickPacing::Reset() {
  lastPictureMs_.reset();
  waiting_ = false;
}

}  // namespace motrevix
