#include "view/wheel_notches.h"

namespace motrevix {

int WheelNotches::Take(int delta) {
  if (delta == 0) return 0;
  // A turn the other way starts afresh instead of cancelling the part notch.
  if ((pending_ > 0 && delta < 0) || (pending_ < 0 && delta > 0)) pending_ = 0;
  pending_ += delta;
  const int notches = pending_ / kWheelNotch;
  pending_ -= notches * kWheelNotch;
  return notches;
}

}  // namespace motrevix
