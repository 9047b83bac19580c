#include "updater/app/text_conversion.h"

#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <mutex>
#include <vector>

namespace {

constexpr std::size_t kConversionFailed = static_cast<std::size_t>(-1);
constexpr std::size_t kMaxBytesPerWideChar = 4;

// setlocale and the conversions that read it are not safe against each other
// across threads; the main and the download threads both convert.
std::mutex& LocaleLock() {
  static std::mutex lock;
  return lock;
}

void UseUserDefaultCharacterTypes() { std::setlocale(LC_CTYPE, ""); }

}  // namespace

std::wstring NarrowToWide(const std::string& text) {
  if (text.empty()) return {};
  // One wide character per byte at most, and the terminating zero.
  std::vector<wchar_t> buffer(text.size() + 1, L'\0');
  std::size_t converted;
  {
    const std::lock_guard<std::mutex> hold(LocaleLock());
    UseUserDefaultCharacterTypes();
    converted = std::mbstowcs(buffer.data(), text.c_str(), buffer.size());
  }
  if (converted == kConversionFailed || converted >= buffer.size()) return {};
  return std::wstring(buffer.data(), converted);
}

std::string WideToNarrow(const std::wstring& text) {
  if (text.empty()) return {};
  std::vector<char> buffer(kMaxBytesPerWideChar * text.size() + 1, '\0');
  std::size_t converted;
  {
    const std::lock_guard<std::mutex> hold(LocaleLock());
    UseUserDefaultCharacterTypes();
    converted = std::wcstombs(buffer.data(), text.c_str(), buffer.size());
  }
  if (converted == kConversionFailed || converted >= buffer.size()) return {};
  return std::string(buffer.data(), converted);
}
