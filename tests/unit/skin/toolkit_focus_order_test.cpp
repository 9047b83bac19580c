#include <gtest/gtest.h>

#include "skin/toolkit/focus_order.h"

namespace {

using skin::TabDirection;

TEST(TabOrder, MovesAndWrapsBothWays) {
  const struct {
    int count, current;
    TabDirection direction;
    int expected;
  } cases[] = {
      {3, -1, TabDirection::Forward, 0},   // nothing focused: the first stop
      {3, -1, TabDirection::Backward, 2},  // nothing focused: the last stop
      {3, 0, TabDirection::Forward, 1},
      {3, 2, TabDirection::Forward, 0},    // past the end wraps to the first
      {3, 1, TabDirection::Backward, 0},
      {3, 0, TabDirection::Backward, 2},   // before the start wraps to the last
      {1, 0, TabDirection::Forward, 0},
      {0, -1, TabDirection::Forward, -1},  // no stops
      {2, 5, TabDirection::Forward, 0},    // focus on a control that is no stop
  };
  for (const auto& c : cases) {
    EXPECT_EQ(skin::NextTabStop(c.count, c.current, c.direction), c.expected)
        << c.count << " stops from " << c.current << (c.direction == TabDirection::Forward ? " forward" : " backward");
  }
}

}  // namespace
