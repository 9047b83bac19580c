#pragma once
// Pauses and deadlines of the install step, in milliseconds.

#include <cstdint>

namespace install_timing {

// Between two looks for a client that keeps running.
inline constexpr std::uint32_t kClientRecheck = 500;
// Before each unpack attempt, once the target folder exists.
inline constexpr std::uint32_t kBeforeUnpack = 500;
// A forced install keeps trying this long before it reports a failure...
inline constexpr std::uint32_t kRetryWindow = 60000;
// ...pausing this long between two attempts.
inline constexpr std::uint32_t kRetryPause = 2000;
// Before the launch window appears.
inline constexpr std::uint32_t kBeforeLaunchWindow = 300;

}  // namespace install_timing
