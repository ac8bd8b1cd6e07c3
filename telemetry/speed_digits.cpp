#include "telemetry/speed_digits.h"

#include <cmath>

namespace motrevix {

SpeedCells SpeedDigitCells(bool speedValid, double speed) {
  if (!speedValid) return kBlankSpeedCells;
  int v = 0;
  if (std::isfinite(speed) && speed > 0)
    v = speed >= kLargestShownSpeed ? kLargestShownSpeed : static_cast<int>(std::trunc(speed));
  const int h = v / 100;
  const int t = (v % 100) / 10;
  const int u = v % 10;
  return {h == 0 ? kBlankDigitCell : h, t == 0 && h == 0 ? kBlankDigitCell : t, u};
}

}  // namespace motrevix
