#pragma once
// How a package is cut into segments.

#include <array>
#include <cstdint>

constexpr int kSegmentCount = 4;

struct SegmentRange {
  std::uint64_t start = 0;
  std::uint64_t end = 0;  // one past the last byte
};

using SegmentPlan = std::array<SegmentRange, kSegmentCount>;

// Equal quarters; the last segment also takes the remainder.
SegmentPlan SplitIntoSegments(std::uint64_t length);
