#pragma once
// Polls a condition that another thread makes true; false if it never does,
// so that a broken engine fails a test instead of hanging it.

#include <chrono>
#include <thread>

template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(60)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}
