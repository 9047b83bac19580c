#include "platform/process_facts.h"

#include <windows.h>

namespace platform {

std::string ExecutableFolder() {
  char path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return {};
  std::string text(path, length);
  const std::size_t separator = text.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : text.substr(0, separator + 1);
}

std::uint32_t CurrentProcessId() { return GetCurrentProcessId(); }

}  // namespace platform
