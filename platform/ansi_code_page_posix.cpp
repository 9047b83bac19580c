#include "platform/ansi_code_page.h"

namespace platform {

void AppendAnsiAsUtf16(const char* bytes, std::size_t length, std::vector<wchar_t>& out) {
  out.reserve(out.size() + length);
  for (std::size_t i = 0; i < length; ++i) out.push_back(static_cast<unsigned char>(bytes[i]));
}

}  // namespace platform
