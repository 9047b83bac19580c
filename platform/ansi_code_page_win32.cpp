#include "platform/ansi_code_page.h"

#include <windows.h>

#include <climits>

namespace platform {

void AppendAnsiAsUtf16(const char* bytes, std::size_t length, std::vector<wchar_t>& out) {
  if (length == 0 || length > INT_MAX) return;
  const int size = static_cast<int>(length);
  const int units = MultiByteToWideChar(CP_ACP, 0, bytes, size, nullptr, 0);
  if (units <= 0) return;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(units));
  MultiByteToWideChar(CP_ACP, 0, bytes, size, out.data() + start, units);
}

}  // namespace platform
