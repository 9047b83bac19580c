#include "updater/download/segment_plan.h"

SegmentPlan SplitIntoSegments(std::uint64_t length) {
  const std::uint64_t chunk = length / kSegmentCount;
  SegmentPlan plan;
  for (int i = 0; i < kSegmentCount; ++i) {
    plan[i].start = i * chunk;
    plan[i].end = i + 1 < kSegmentCount ? plan[i].start + chunk : length;
  }
  return plan;
}
