#include "platform/local_time.h"

#include <windows.h>

namespace platform {

std::optional<FileTimeTicks> LocalTimeToUtcTicks(const CivilTime& local) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(local.year);
  st.wMonth = static_cast<WORD>(local.month);
  st.wDay = static_cast<WORD>(local.day);
  st.wHour = static_cast<WORD>(local.hour);
  st.wMinute = static_cast<WORD>(local.minute);
  st.wSecond = static_cast<WORD>(local.second);
  FILETIME localTime{};
  FILETIME utc{};
  if (!SystemTimeToFileTime(&st, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc)) return std::nullopt;
  return (static_cast<FileTimeTicks>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime;
}

}  // namespace platform
