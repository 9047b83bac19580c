#include <gtest/gtest.h>

#include "skin/toolkit/window_placement.h"

namespace {

using skin::Point;
using skin::Rect;
using skin::Size;

TEST(CenteredPosition, CentresAndKeepsTheWindowInsideTheWorkArea) {
  const Rect work{0, 0, 1280, 760};
  const struct {
    const char* scenario;
    Rect reference;
    Size size;
    Point expected;
  } cases[] = {
      {"over the work area", work, {310, 100}, {485, 330}},
      {"halves round toward zero", {0, 0, 1281, 761}, {311, 101}, {485, 330}},
      {"over an owner", {100, 100, 500, 400}, {200, 100}, {200, 200}},
      {"owner near the left edge", {-300, 10, 100, 110}, {310, 100}, {0, 10}},
      {"owner near the bottom-right corner", {1200, 700, 1400, 900}, {310, 100}, {970, 660}},
      {"window larger than the area keeps its top-left corner", work, {1400, 900}, {0, 0}},
      {"negative reference centre", {-101, -101, 0, 0}, {10, 10}, {0, 0}},
  };
  for (const auto& c : cases) {
    const Point p = skin::CenteredPosition(c.reference, c.size, work);
    EXPECT_EQ(p.x, c.expected.x) << c.scenario;
    EXPECT_EQ(p.y, c.expected.y) << c.scenario;
  }
}

TEST(CenteredPosition, WorkAreaWithAnOffset) {
  // A task bar on the left: the area starts at 60.
  const Point p = skin::CenteredPosition({60, 0, 1280, 800}, {310, 100}, {60, 0, 1280, 800});
  EXPECT_EQ(p.x, 515);
  EXPECT_EQ(p.y, 350);
}

TEST(CaptionBand, TopRowsBetweenTheMarginsDrag) {
  const Rect client{0, 0, 310, 100};
  const struct {
    Rect caption;
    Point point;
    bool expected;
  } cases[] = {
      {{0, 0, 0, 20}, {0, 0}, true},
      {{0, 0, 0, 20}, {309, 19}, true},
      {{0, 0, 0, 20}, {100, 20}, false},   // bottom is exclusive
      {{0, 0, 0, 32}, {100, 31}, true},
      {{5, 0, 0, 20}, {4, 10}, false},     // left of the left margin
      {{5, 0, 10, 20}, {300, 10}, false},  // at the right margin
      {{5, 0, 10, 20}, {299, 10}, true},
      {{0, 4, 0, 20}, {50, 3}, false},     // above the caption's top
      {{0, 0, 0, 0}, {50, 0}, false},      // no caption at all
  };
  for (const auto& c : cases) {
    EXPECT_EQ(skin::InCaptionBand(client, c.caption, c.point), c.expected)
        << c.caption.left << "," << c.caption.top << "," << c.caption.right << "," << c.caption.bottom << " at "
        << c.point.x << "," << c.point.y;
  }
}

}  // namespace
