#include <gtest/gtest.h>

#include <cstdint>

#include "updater/app/bounded_wait.h"

namespace {

// A tick counter that moves only when the wait sleeps.
struct FakeClock {
  std::uint32_t tick;
  std::uint32_t slept = 0;
  WaitClock clock() {
    return {[this] { return tick; }, [this](std::uint32_t ms) {
              tick += ms;
              slept += ms;
            }};
  }
};

TEST(PollUntil, GivesUpOnceMoreThanTheLimitHasPassedEvenAcrossTheTickWrap) {
  for (const std::uint32_t start : {0u, 1000u, 0xFFFFFFFFu - 1500u, 0xFFFFFFFFu}) {
    FakeClock fake{start};
    int polls = 0;
    EXPECT_FALSE(PollUntil([&] { return ++polls, false; }, 3000, 100, fake.clock())) << start;
    // Polled at 100, 200 ... 3100 ms; 3000 ms exactly is not yet "more than".
    EXPECT_EQ(polls, 31) << start;
    EXPECT_EQ(fake.slept, 3100u) << start;
  }
}

TEST(PollUntil, EndsAtTheFirstPollThatSucceeds) {
  const struct {
    int succeedAt;  // poll number that answers true
    std::uint32_t slept;
  } cases[] = {{1, 100}, {5, 500}, {31, 3100}};
  for (const auto& c : cases) {
    FakeClock fake{0xFFFFFF00u};
    int polls = 0;
    EXPECT_TRUE(PollUntil([&] { return ++polls == c.succeedAt; }, 3000, 100, fake.clock()));
    EXPECT_EQ(polls, c.succeedAt);
    EXPECT_EQ(fake.slept, c.slept);
  }
}

TEST(PollUntil, ASlowSleepEndsTheWaitByTheClockNotByTheNumberOfPolls) {
  FakeClock fake{7};
  int polls = 0;
  const WaitClock slowSleeper{[&] { return fake.tick; }, [&](std::uint32_t) { fake.tick += 1000; }};
  EXPECT_FALSE(PollUntil([&] { return ++polls, false; }, 3000, 100, slowSleeper));
  EXPECT_EQ(polls, 4);
}

}  // namespace
