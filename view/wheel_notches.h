#pragma once
// Turns wheel deltas into whole notches of 120: fine-grained wheels and touch
// pads deliver parts of a notch, and a zero delta (a scroll phase) is no step.

namespace motrevix {

constexpr int kWheelNotch = 120;

class WheelNotches {
 public:
  // Adds a delta and returns the whole notches it completes: positive away from
  // the user, negative towards; 0 while a notch is incomplete.
  int Take(int delta);

 private:
  int pending_ = 0;
};

}  // namespace motrevix
