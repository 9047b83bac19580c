#include <gtest/gtest.h>

#include <climits>

#include "layout_test_box.h"
#include "skin/toolkit/progress_geometry.h"

namespace {

using skin::ProgressDirection;
using skin::ProgressRange;
using skin::Rect;

TEST(ProgressBar, ForeImageCoversTheValueOfTheRange) {
  const struct {
    const char* scenario;
    ProgressRange range;
    skin::Size size;
    ProgressDirection direction;
    Rect expected;
  } cases[] = {
      {"37 of 100 on 270 pixels fills 99", {0, 100, 37}, {270, 3}, ProgressDirection::Horizontal, {0, 0, 99, 3}},
      {"above the maximum fills all", {0, 100, 150}, {270, 3}, ProgressDirection::Horizontal, {0, 0, 270, 3}},
      {"below the minimum fills nothing", {0, 100, -5}, {270, 3}, ProgressDirection::Horizontal, {0, 0, 0, 3}},
      {"offset range", {50, 150, 100}, {210, 3}, ProgressDirection::Horizontal, {0, 0, 105, 3}},
      {"empty range becomes one wide", {7, 7, 7}, {100, 3}, ProgressDirection::Horizontal, {0, 0, 0, 3}},
      {"reversed range becomes one wide", {10, 3, 99}, {100, 3}, ProgressDirection::Horizontal, {0, 0, 100, 3}},
      {"vertical grows from the bottom", {0, 100, 25}, {4, 80}, ProgressDirection::Vertical, {0, 60, 4, 80}},
      {"wide range does not overflow", {0, INT_MAX, INT_MAX / 2}, {100000, 3}, ProgressDirection::Horizontal,
       {0, 0, 49999, 3}},
      {"largest minimum", {INT_MAX, INT_MAX, INT_MAX}, {10, 3}, ProgressDirection::Horizontal, {0, 0, 10, 3}},
  };
  for (const auto& c : cases) {
    const ProgressRange normal = skin::NormalizedProgress(c.range);
    EXPECT_EQ(skin::ProgressForeDestination(normal, c.size, c.direction), c.expected) << c.scenario;
    EXPECT_LT(normal.minimum, normal.maximum) << c.scenario;
    EXPECT_GE(normal.value, normal.minimum) << c.scenario;
    EXPECT_LE(normal.value, normal.maximum) << c.scenario;
  }
}

}  // namespace
