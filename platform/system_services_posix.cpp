#include "platform/system_services.h"

#include <time.h>
#include <unistd.h>

namespace platform {

std::uint32_t TickCountMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u + ts.tv_nsec / 1000000);
}

void SleepMs(std::uint32_t ms) { usleep(static_cast<useconds_t>(ms) * 1000u); }

void EmitDebugText(const std::string& text) {
  [[maybe_unused]] ssize_t n = write(STDERR_FILENO, text.data(), text.size());
}

}  // namespace platform
