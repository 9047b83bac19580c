// The window's gate towards the job's worker: closing it releases a worker
// that pauses or prompts, in whichever order the two threads get there.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "updater/ui/notification_gate.h"

using namespace std::chrono_literals;

TEST(NotificationGate, PauseRunsItsCourseWhileOpen) {
  NotificationGate gate;
  EXPECT_FALSE(gate.PauseUnlessClosed(1ms));
  EXPECT_FALSE(gate.IsClosed());
}

// A pause far longer than any test run: only Close can end it.
TEST(NotificationGate, CloseEndsAPauseOnAnotherThread) {
  NotificationGate gate;
  std::atomic<bool> closedSeen{false};
  std::thread worker([&] { closedSeen = gate.PauseUnlessClosed(1h); });
  std::this_thread::sleep_for(10ms);
  gate.Close();
  worker.join();
  EXPECT_TRUE(closedSeen);
  // Later pauses do not wait at all.
  EXPECT_TRUE(gate.PauseUnlessClosed(1h));
}

TEST(NotificationGate, ClosingDismissesTheOpenPromptOnce) {
  struct Case {
    const char* name;
    bool leaveBeforeClose;
    int dismissals;
  };
  for (const Case& c : {Case{"prompt still up", false, 1}, Case{"prompt already gone", true, 0}}) {
    SCOPED_TRACE(c.name);
    NotificationGate gate;
    int dismissals = 0;
    ASSERT_TRUE(gate.EnterPrompt([&] { ++dismissals; }));
    if (c.leaveBeforeClose) gate.LeavePrompt();
    gate.Close();
    gate.Close();
    EXPECT_EQ(dismissals, c.dismissals);
  }
}

TEST(NotificationGate, NoPromptAfterClose) {
  NotificationGate gate;
  gate.Close();
  int dismissals = 0;
  EXPECT_FALSE(gate.EnterPrompt([&] { ++dismissals; }));
  EXPECT_EQ(dismissals, 0);
}

// The worker's prompt loop ends only through the dismissal.
TEST(NotificationGate, ClosingReleasesAWorkerWaitingInItsPrompt) {
  NotificationGate gate;
  std::atomic<bool> dismissed{false};
  std::atomic<bool> entered{false};
  std::thread worker([&] {
    if (!gate.EnterPrompt([&] { dismissed = true; })) return;
    entered = true;
    while (!dismissed) std::this_thread::sleep_for(1ms);
    gate.LeavePrompt();
  });
  while (!entered) std::this_thread::sleep_for(1ms);
  gate.Close();
  worker.join();
  EXPECT_TRUE(dismissed);
}
