#include "platform/system_services.h"

#include <windows.h>

namespace platform {

std::uint32_t TickCountMs() { return GetTickCount(); }

void SleepMs(std::uint32_t ms) { Sleep(ms); }

void EmitDebugText(const std::string& text) { OutputDebugStringA(text.c_str()); }

}  // namespace platform
