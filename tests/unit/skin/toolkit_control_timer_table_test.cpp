#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/toolkit/control_timer_table.h"

namespace {

int controlA = 0, controlB = 0, window = 0, otherWindow = 0;

TEST(ControlTimers, SystemIdsCountFromSeventeenAndWrapAt255) {
  skin::ControlTimerTable table;
  std::uintptr_t id = 0;
  ASSERT_TRUE(table.Start(&controlA, 1, &window, &id));
  EXPECT_EQ(id, 17u);
  ASSERT_TRUE(table.Start(&controlA, 2, &window, &id));
  EXPECT_EQ(id, 18u);
  for (std::uintptr_t n = 3; n <= 238; ++n) ASSERT_TRUE(table.Start(&controlA, n, &window, &id));
  EXPECT_EQ(id, 254u);
  ASSERT_TRUE(table.Start(&controlA, 239, &window, &id));
  EXPECT_EQ(id, 0u);
  ASSERT_TRUE(table.Start(&controlA, 240, &window, &id));
  EXPECT_EQ(id, 1u);
}

TEST(ControlTimers, LiveDuplicateFailsAndAKilledTimerComesBackWithItsId) {
  skin::ControlTimerTable table;
  std::uintptr_t first = 0, again = 0, killed = 0;
  ASSERT_TRUE(table.Start(&controlA, 7, &window, &first));
  EXPECT_FALSE(table.Start(&controlA, 7, &window, &again));
  // Same id for another control or window is another timer.
  EXPECT_TRUE(table.Start(&controlB, 7, &window, &again));
  EXPECT_TRUE(table.Start(&controlA, 7, &otherWindow, &again));

  ASSERT_TRUE(table.Kill(&controlA, 7, &window, &killed));
  EXPECT_EQ(killed, first);
  EXPECT_EQ(table.FindLive(&window, first), nullptr);
  EXPECT_FALSE(table.Kill(&controlA, 7, &window, &killed));  // already killed

  ASSERT_TRUE(table.Start(&controlA, 7, &window, &again));
  EXPECT_EQ(again, first);
  const auto* entry = table.FindLive(&window, first);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->control, &controlA);
  EXPECT_EQ(entry->controlTimerId, 7u);
}

TEST(ControlTimers, LookupIsPerWindowAndForgetsRemovedControls) {
  skin::ControlTimerTable table;
  std::uintptr_t a = 0, b = 0;
  table.Start(&controlA, 1, &window, &a);
  table.Start(&controlB, 1, &window, &b);
  EXPECT_EQ(table.FindLive(&otherWindow, a), nullptr);
  std::uintptr_t killedA = 0;
  table.Start(&controlA, 2, &window, &killedA);
  table.Kill(&controlA, 2, &window, &killedA);
  EXPECT_EQ(table.RemoveControl(&controlA), (std::vector<std::uintptr_t>{a}));  // only live ones need stopping
  EXPECT_EQ(table.FindLive(&window, a), nullptr);
  ASSERT_NE(table.FindLive(&window, b), nullptr);
  // A failed start leaves nothing live, and a retry reuses the id.
  std::uintptr_t c = 0, retry = 0;
  table.Start(&controlA, 9, &window, &c);
  table.Abandon(&controlA, 9, &window);
  EXPECT_EQ(table.FindLive(&window, c), nullptr);
  ASSERT_TRUE(table.Start(&controlA, 9, &window, &retry));
  EXPECT_EQ(retry, c);
}

}  // namespace
