#pragma once
// What the updater window writes while a download runs.

#include <cstdint>
#include <string>

#include "updater/ui/ui_texts.h"

// received × 100 / total in 64-bit arithmetic, 0 while the total is unknown,
// never above 100 (received also counts bytes a failed attempt took).
std::uint32_t DownloadPercent(std::uint64_t received, std::uint64_t total);

// "<progress text>...<percent>%<retry suffix>", at most 258 characters; no
// suffix while the retry number is 0.
std::wstring ProgressLine(const UiTexts& texts, bool forced, std::uint32_t percent, std::uint32_t retryCount);

inline constexpr std::size_t kProgressLineLimit = 258;
