#include <gtest/gtest.h>

#include "layout_test_box.h"

namespace {

using skin::LayoutAxis;
using skin::Rect;
using skin_test::TestBox;

constexpr LayoutAxis V = LayoutAxis::Vertical;
constexpr LayoutAxis H = LayoutAxis::Horizontal;

TEST(LayoutShares, FlexibleChildrenSplitWhatIsLeftAndTheLastTakesTheRemainder) {
  // 71 pixels among two flexible children: 35, then the remaining 36.
  for (LayoutAxis axis : {V, H}) {
    TestBox box;
    box.Add(axis);
    box.Add(axis);
    box.PlaceAt(axis == V ? Rect{0, 0, 50, 71} : Rect{0, 0, 71, 50});
    if (axis == V) {
      EXPECT_EQ(box.Child(0).Rect(), (Rect{0, 0, 50, 35}));
      EXPECT_EQ(box.Child(1).Rect(), (Rect{0, 35, 50, 71}));
    } else {
      EXPECT_EQ(box.Child(0).Rect(), (Rect{0, 0, 35, 50}));
      EXPECT_EQ(box.Child(1).Rect(), (Rect{35, 0, 71, 50}));
    }
  }
}

TEST(LayoutShares, ThreeFlexibleAroundFixedRows) {
  // 100 - 10 fixed = 90 over 3 = 30 each; inset moves the whole column.
  TestBox box;
  box.Inset(2, 5, 3, 5);
  box.Add(V);
  box.Add(V).Fixed(0, 10);
  box.Add(V);
  box.Add(V);
  box.PlaceAt({0, 0, 40, 110});
  EXPECT_EQ(box.Child(0).Rect(), (Rect{2, 5, 37, 35}));
  EXPECT_EQ(box.Child(1).Rect(), (Rect{2, 35, 37, 45}));
  EXPECT_EQ(box.Child(2).Rect(), (Rect{2, 45, 37, 75}));
  EXPECT_EQ(box.Child(3).Rect(), (Rect{2, 75, 37, 105}));
}

TEST(LayoutShares, HiddenChildTakesNeitherSizeNorPaddingNorChildPadding) {
  auto build = [](bool withHidden) {
    auto box = std::make_unique<TestBox>();
    box->ChildPadding(4);
    box->Add(V).Fixed(0, 20).Padding(0, 3, 0, 2);
    if (withHidden) box->Add(V).Fixed(0, 30).Padding(5, 7, 5, 9).Hidden();
    box->Add(V).Padding(0, 1, 0, 0);
    box->Add(V).Fixed(0, 10);
    box->PlaceAt({0, 0, 60, 100});
    return box;
  };
  auto with = build(true);
  auto without = build(false);
  EXPECT_FALSE(with->Child(1).Positioned());
  EXPECT_EQ(with->Child(0).Rect(), without->Child(0).Rect());
  EXPECT_EQ(with->Child(2).Rect(), without->Child(1).Rect());
  EXPECT_EQ(with->Child(3).Rect(), without->Child(2).Rect());
}

TEST(LayoutShares, PaddingsBeforeTheLastFlexibleChildCountTwice) {
  // Fixed 20 with top padding 5, then one flexible row: the flexible row
  // loses the 5 again, so the column ends 5 short of 100.
  TestBox box;
  box.Add(V).Fixed(0, 20).Padding(0, 5, 0, 0);
  box.Add(V);
  box.PlaceAt({0, 0, 30, 100});
  EXPECT_EQ(box.Child(0).Rect(), (Rect{0, 5, 30, 25}));
  EXPECT_EQ(box.Child(1).Rect(), (Rect{0, 25, 30, 95}));
}

TEST(LayoutShares, ChildPaddingSeparatesNeighboursAndCountsTwiceBeforeTheLastFlexible) {
  TestBox box;
  box.ChildPadding(4);
  box.Add(H).Fixed(10, 0);
  box.Add(H);
  box.Add(H).Fixed(10, 0);
  box.PlaceAt({0, 0, 100, 20});
  // Fixed total 10 + 10 + 2 x 4 = 28; the flexible one gets
  // remaining (100 - 10 - 4 = 86) - fixed remaining (28 - 10 = 18) = 68.
  EXPECT_EQ(box.Child(0).Rect(), (Rect{0, 0, 10, 20}));
  EXPECT_EQ(box.Child(1).Rect(), (Rect{14, 0, 82, 20}));
  EXPECT_EQ(box.Child(2).Rect(), (Rect{86, 0, 96, 20}));
}

TEST(LayoutShares, OverflowGivesFlexibleChildrenNothingAndRunsPastTheEnd) {
  TestBox box;
  box.Add(V).Fixed(0, 60);
  box.Add(V);
  box.Add(V).Fixed(0, 60);
  box.PlaceAt({0, 0, 10, 100});
  EXPECT_EQ(box.Child(0).Rect(), (Rect{0, 0, 10, 60}));
  EXPECT_EQ(box.Child(1).Rect(), (Rect{0, 60, 10, 60}));
  EXPECT_EQ(box.Child(2).Rect(), (Rect{0, 60, 10, 120}));
}

TEST(LayoutShares, MinimumAndMaximumBoundTheMainAxis) {
  const struct {
    const char* scenario;
    int fixed, min, max;
    int expectedFirst;  // height of the first row in a 100-high column with one more flexible row
  } cases[] = {
      {"flexible below its minimum takes the minimum", 0, 70, 9999, 70},
      {"fixed above its maximum is cut", 80, 0, 30, 30},
      {"fixed below its minimum is raised", 10, 25, 9999, 25},
      {"maximum below minimum wins", 0, 70, 60, 60},
  };
  for (const auto& c : cases) {
    TestBox box;
    box.Add(V).Fixed(0, c.fixed).Min(0, c.min).Max(9999, c.max);
    box.Add(V);
    box.PlaceAt({0, 0, 10, 100});
    EXPECT_EQ(box.Child(0).Rect().Height(), c.expectedFirst) << c.scenario;
    EXPECT_EQ(box.Child(1).Rect().top, c.expectedFirst) << c.scenario;
  }
}

TEST(LayoutCrossAxis, FixedOrFullWidthLessPaddingsAlwaysFromTheStartEdge) {
  const struct {
    const char* scenario;
    int fixedWidth, padLeft, padRight, minWidth;
    Rect expected;
  } cases[] = {
      {"full width", 0, 0, 0, 0, {0, 0, 50, 10}},
      {"full width less paddings", 0, 6, 4, 0, {6, 0, 46, 10}},
      {"fixed width stays left-aligned", 20, 6, 0, 0, {6, 0, 26, 10}},
      {"paddings wider than the box give 0", 0, 30, 30, 0, {30, 0, 30, 10}},
      {"minimum width raises it", 0, 30, 30, 12, {30, 0, 42, 10}},
  };
  for (const auto& c : cases) {
    TestBox box;
    box.Add(V).Fixed(c.fixedWidth, 10).Padding(c.padLeft, 0, c.padRight, 0).Min(c.minWidth, 0);
    box.PlaceAt({0, 0, 50, 100});
    EXPECT_EQ(box.Child(0).Rect(), c.expected) << c.scenario;
  }
}

TEST(LayoutCrossAxis, HorizontalRowsAreTopAlignedAndTheRightPaddingLiesInside) {
  TestBox box;
  box.Inset(0, 8, 0, 0);
  box.Add(H).Fixed(14, 14).Padding(6, 0, 3, 0);
  box.Add(H).Padding(0, 2, 0, 1);
  box.PlaceAt({100, 0, 140, 30});
  EXPECT_EQ(box.Child(0).Rect(), (Rect{106, 8, 123, 22}));
  EXPECT_EQ(box.Child(1).Rect(), (Rect{123, 10, 131, 29}));
}

TEST(LayoutEstimates, ALabelWithoutFixedHeightTakesItsEstimateInAColumn) {
  // A label estimates its font height plus 4 when it has no fixed height.
  TestBox box;
  box.Add(V).EstimatedHeight(17);
  box.Add(V);
  box.PlaceAt({0, 0, 80, 60});
  EXPECT_EQ(box.Child(0).Rect(), (Rect{0, 0, 80, 17}));
  EXPECT_EQ(box.Child(1).Rect(), (Rect{0, 17, 80, 60}));
  EXPECT_EQ(box.Child(0).Estimates(), 2);  // once per pass
}

TEST(LayoutEstimates, EmptyAndDegenerateBoxesAreHarmless) {
  TestBox empty;
  empty.PlaceAt({0, 0, 10, 10});
  EXPECT_EQ(empty.Rect(), (Rect{0, 0, 10, 10}));

  TestBox allHidden;
  allHidden.Add(V).Hidden();
  allHidden.PlaceAt({0, 0, 10, 10});
  EXPECT_FALSE(allHidden.Child(0).Positioned());

  // An inset larger than the box leaves a negative room: nothing is negative.
  TestBox squeezed;
  squeezed.Inset(20, 20, 20, 20);
  squeezed.Add(H);
  squeezed.PlaceAt({0, 0, 10, 10});
  EXPECT_EQ(squeezed.Child(0).Rect(), (Rect{20, 20, 20, 20}));
}

}  // namespace
