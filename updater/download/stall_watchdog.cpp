#include "updater/download/stall_watchdog.h"

StallWatchdog::StallWatchdog(const std::atomic<std::int32_t>& activity, const TransferTimings& timings,
                             std::function<void()> endSegments)
    : activity_(activity), timings_(timings), endSegments_(std::move(endSegments)) {}

StallWatchdog::~StallWatchdog() { Finish(); }

void StallWatchdog::Start(const ThreadStarter& startThread) {
  thread_ = startThread(Guarded([this] { Watch(); }));
}

void StallWatchdog::Finish() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    finished_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool StallWatchdog::FinishedWithin(std::chrono::milliseconds period) {
  std::unique_lock<std::mutex> guard(lock_);
  return wake_.wait_for(guard, period, [this] { return finished_; });
}

void StallWatchdog::Watch() {
  for (int looks = 0; activity_ == 0; ++looks) {
    if (looks == timings_.firstChunkLooks) {
      endSegments_();
      return;
    }
    if (FinishedWithin(timings_.firstChunkLook)) return;
  }
  for (;;) {
    const std::int32_t seen = activity_;
    if (FinishedWithin(timings_.stallLimit)) return;
    if (activity_ == seen) {
      endSegments_();
      return;
    }
  }
}
