#pragma once
// Deadlines of a transfer and how its threads are made; the defaults are
// the shipped program's, tests shorten or replace them.

#include <chrono>
#include <functional>
#include <thread>

struct TransferTimings {
  // The watchdog looks this often, this many times, for a first body chunk.
  std::chrono::milliseconds firstChunkLook{1000};
  int firstChunkLooks = 5;
  // Then it ends the segments when no body chunk came for this long.
  std::chrono::milliseconds stallLimit{15000};
  // The probe's bound for connecting, and then for the whole response head.
  std::chrono::milliseconds probeLimit{15000};
};

// Makes a running thread; throws std::system_error when it cannot.
using ThreadStarter = std::function<std::thread(std::function<void()>)>;

std::thread StartStdThread(std::function<void()> body);

// Wraps a thread body so that nothing it throws leaves the thread.
std::function<void()> Guarded(std::function<void()> body);

struct TransferSettings {
  TransferTimings timings;
  ThreadStarter startThread = StartStdThread;
};
