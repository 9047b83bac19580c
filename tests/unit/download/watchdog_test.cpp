#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "updater/download/stall_watchdog.h"

namespace {

using namespace std::chrono_literals;

TEST(StallWatchdog, EndsTheSegmentsWhenBodiesStop) {
  const struct {
    const char* name;
    int chunksBeforeSilence;
  } cases[] = {{"no body ever", 0}, {"body, then silence", 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TransferTimings timings;
    timings.firstChunkLook = 20ms;
    timings.stallLimit = 200ms;
    std::atomic<std::int32_t> activity{0};
    std::promise<void> ended;
    StallWatchdog watchdog(activity, timings, [&] { ended.set_value(); });
    watchdog.Start(StartStdThread);
    for (int i = 0; i < c.chunksBeforeSilence; ++i) {
      ++activity;
      std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(ended.get_future().wait_for(30s), std::future_status::ready);
    watchdog.Finish();
  }
}

TEST(StallWatchdog, FinishedAttemptLeavesWithoutActing) {
  TransferTimings timings;
  timings.firstChunkLook = 1h;
  timings.stallLimit = 1h;
  std::atomic<std::int32_t> activity{0};
  bool acted = false;
  for (const std::int32_t chunks : {0, 5}) {
    activity = chunks;
    StallWatchdog watchdog(activity, timings, [&] { acted = true; });
    watchdog.Start(StartStdThread);
    std::this_thread::sleep_for(20ms);
    // Returns at once although the deadlines are an hour away.
    watchdog.Finish();
  }
  EXPECT_FALSE(acted);
}

}  // namespace
