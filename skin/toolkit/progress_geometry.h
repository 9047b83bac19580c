#pragma once
// How much of a progress bar its fore image covers.

#include "skin/toolkit/skin_geometry.h"

namespace skin {

enum class ProgressDirection { Horizontal, Vertical };

struct ProgressRange {
  int minimum = 0;
  int maximum = 100;
  int value = 0;
};

// Repairs an empty range (maximum becomes minimum + 1) and pulls the value
// into it; the bar keeps what this gives.
ProgressRange NormalizedProgress(ProgressRange range);

// Destination of the fore image, in offsets from the bar's top-left corner,
// for a bar of `size` and a normalised range.
Rect ProgressForeDestination(ProgressRange range, Size size, ProgressDirection direction);

}  // namespace skin
