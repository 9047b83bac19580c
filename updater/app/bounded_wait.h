#pragma once
// Polling with a time limit, measured on the wrapping 32-bit millisecond tick.

#include <cstdint>
#include <functional>

struct WaitClock {
  std::function<std::uint32_t()> now;
  std::function<void(std::uint32_t ms)> sleep;
};

// The system's tick count and sleep.
WaitClock SystemWaitClock();

// Sleeps `intervalMs`, then asks `done`, until it answers true (true) or more
// than `limitMs` have passed since the first tick reading (false). The
// unsigned difference of ticks keeps the counter's wrap harmless.
bool PollUntil(const std::function<bool()>& done, std::uint32_t limitMs, std::uint32_t intervalMs,
               const WaitClock& clock = SystemWaitClock());
