#pragma once
// System services the portable engine needs; one body for Win32, one for POSIX.

#include <cstdint>
#include <string>

namespace platform {

// Milliseconds since an arbitrary start; wraps at 2^32 like GetTickCount.
std::uint32_t TickCountMs();

void SleepMs(std::uint32_t ms);

// Text for a debugger: OutputDebugStringA on Windows, standard error elsewhere.
void EmitDebugText(const std::string& text);

}  // namespace platform
