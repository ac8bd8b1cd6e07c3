#pragma once
// The median of a benchmark's repeated measurements.

#include <algorithm>
#include <vector>

namespace motrevix::bench {

// The middle value; for an even count, the mean of the two middle ones. Not empty.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace motrevix::bench
