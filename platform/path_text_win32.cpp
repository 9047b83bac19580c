#include "platform/path_text.h"

#include <windows.h>

#include <climits>

namespace platform {

std::string PathLogText(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty() || wide.size() > INT_MAX) return std::string();
  const int units = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), units, narrow.data(), bytes, nullptr, nullptr);
  return narrow;
}

}  // namespace platform
