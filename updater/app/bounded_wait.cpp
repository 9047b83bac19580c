#include "updater/app/bounded_wait.h"

#include "platform/system_services.h"

WaitClock SystemWaitClock() { return {platform::TickCountMs, platform::SleepMs}; }

bool PollUntil(const std::function<bool()>& done, std::uint32_t limitMs, std::uint32_t intervalMs,
               const WaitClock& clock) {
  const std::uint32_t start = clock.now();
  for (;;) {
    if (static_cast<std::uint32_t>(clock.now() - start) > limitMs) return false;
    clock.sleep(intervalMs);
    if (done()) return true;
  }
}
