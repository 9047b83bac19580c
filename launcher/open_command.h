#pragma once
// The command the "tavren://" scheme runs: the launcher, with the URL as its argument.

#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// The registry value is written as a zero-filled buffer of at least this many
// characters, so that short commands are stored as 520 bytes.
inline constexpr std::size_t kOpenCommandChars = 260;

// "<launcher path>" "%1", each in double quotes.
std::wstring FormatOpenCommand(std::wstring_view launcherPath);

// The command followed by zero characters up to kOpenCommandChars, or by one
// zero character when it is longer.
std::vector<wchar_t> OpenCommandValue(std::wstring_view command);

}  // namespace launcher
