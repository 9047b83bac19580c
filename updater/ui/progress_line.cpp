#include "updater/ui/progress_line.h"

#include <cwchar>

std::uint32_t DownloadPercent(std::uint64_t received, std::uint64_t total) {
  if (total == 0) return 0;
  // Saturate instead of wrapping for counts near the top of the range.
  const std::uint64_t scaled = received > UINT64_MAX / 100 ? UINT64_MAX : received * 100;
  const std::uint64_t percent = scaled / total;
  return percent > 100 ? 100u : static_cast<std::uint32_t>(percent);
}

std::wstring ProgressLine(const UiTexts& texts, bool forced, std::uint32_t percent, std::uint32_t retryCount) {
  std::wstring suffix;
  if (retryCount != 0) {
    wchar_t buffer[64];
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], texts.retrySuffixFormat, static_cast<int>(retryCount));
    suffix = buffer;
  }
  std::wstring line = forced ? texts.progressForced : texts.progressNormal;
  line += L"...";
  line += std::to_wstring(percent > 100 ? 100u : percent);
  line += L"%";
  line += suffix;
  if (line.size() > kProgressLineLimit) line.resize(kProgressLineLimit);
  return line;
}
