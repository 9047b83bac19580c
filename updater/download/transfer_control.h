#pragma once
// What the threads of one job share.

#include <atomic>
#include <cstdint>
#include <mutex>

#include "updater/download/connection_set.h"

struct TransferControl {
  // Guards the job's DownloadState while segment threads add to it and the
  // owner copies it.
  std::mutex transferLock;
  // Body chunks taken by the segment threads of the current attempt; the
  // watchdog reads it without the lock.
  std::atomic<std::int32_t> activityCount{0};
  ConnectionSet connections;
};
