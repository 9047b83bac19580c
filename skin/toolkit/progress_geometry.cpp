#include "skin/toolkit/progress_geometry.h"

#include <climits>
#include <cstdint>

namespace skin {

ProgressRange NormalizedProgress(ProgressRange range) {
  if (range.minimum >= range.maximum) {
    if (range.minimum == INT_MAX) range.minimum = INT_MAX - 1;  // keeps minimum + 1 representable
    range.maximum = range.minimum + 1;
  }
  if (range.value < range.minimum) range.value = range.minimum;
  if (range.value > range.maximum) range.value = range.maximum;
  return range;
}

Rect ProgressForeDestination(ProgressRange range, Size size, ProgressDirection direction) {
  // 64-bit products: a wide bar times a wide range must not overflow.
  const std::int64_t span = static_cast<std::int64_t>(range.maximum) - range.minimum;
  if (direction == ProgressDirection::Horizontal) {
    const std::int64_t filled = static_cast<std::int64_t>(size.cx) * (range.value - static_cast<std::int64_t>(range.minimum)) / span;
    return {0, 0, static_cast<int>(filled), size.cy};
  }
  const std::int64_t top = (static_cast<std::int64_t>(range.maximum) - range.value) * size.cy / span;
  return {0, static_cast<int>(top), size.cx, size.cy};
}

}  // namespace skin
