#include "log/wide_log_text.h"

#include <windows.h>

namespace qlog {

namespace {
constexpr UINT kChineseSimplifiedCodePage = 936;
}

std::string WideToLogText(const std::wstring& text) {
  if (text.empty()) return {};
  const int wideLength = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(kChineseSimplifiedCodePage, 0, text.data(), wideLength, nullptr, 0, "?", nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kChineseSimplifiedCodePage, 0, text.data(), wideLength, out.data(), size, "?", nullptr);
  return out;
}

}  // namespace qlog
