#pragma once
// Ends the segments of one attempt when no body arrives: none within the
// first looks, or none for a whole stall limit afterwards.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "updater/download/transfer_settings.h"

class StallWatchdog {
 public:
  StallWatchdog(const std::atomic<std::int32_t>& activity, const TransferTimings& timings,
                std::function<void()> endSegments);
  ~StallWatchdog();
  StallWatchdog(const StallWatchdog&) = delete;
  StallWatchdog& operator=(const StallWatchdog&) = delete;

  // Throws std::system_error when the thread cannot be made.
  void Start(const ThreadStarter& startThread);
  // The attempt's segments have ended: the watchdog leaves without acting,
  // so it never touches a later attempt.
  void Finish();

 private:
  void Watch();
  // True when Finish() came within `period`.
  bool FinishedWithin(std::chrono::milliseconds period);

  const std::atomic<std::int32_t>& activity_;
  const TransferTimings timings_;
  const std::function<void()> endSegments_;
  std::mutex lock_;
  std::condition_variable wake_;
  bool finished_ = false;
  std::thread thread_;
};
