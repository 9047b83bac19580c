#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "updater/download/job_files.h"
#include "updater/download/segment_plan.h"

namespace {

TEST(SplitIntoSegments, QuartersWithTheRemainderLast) {
  const struct {
    std::uint64_t length;
    std::vector<std::uint64_t> bounds;  // start of each segment, then the end
  } cases[] = {
      {1003, {0, 250, 500, 750, 1003}},
      {1000, {0, 250, 500, 750, 1000}},
      {3, {0, 0, 0, 0, 3}},
      {4, {0, 1, 2, 3, 4}},
      // Lengths beyond 32 bits.
      {(std::uint64_t{1} << 33) + 3, {0, 1u << 31, std::uint64_t{1} << 32, std::uint64_t{3} << 31, (std::uint64_t{1} << 33) + 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const SegmentPlan plan = SplitIntoSegments(c.length);
    for (int i = 0; i < kSegmentCount; ++i) {
      EXPECT_EQ(plan[i].start, c.bounds[i]) << "segment " << i;
      EXPECT_EQ(plan[i].end, c.bounds[i + 1]) << "segment " << i;
    }
  }
}

TEST(PartFileName, AppendsTheSegmentIndex) {
  EXPECT_EQ(PartFileName("C:\\temp\\update.td", 0), "C:\\temp\\update.td0");
  EXPECT_EQ(PartFileName("/tmp/update.td", 3), "/tmp/update.td3");
}

}  // namespace
