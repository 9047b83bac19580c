#pragma once
// The "tavren://" URL on the launcher's command line.

#include <optional>
#include <string>
#include <string_view>

namespace launcher {

inline constexpr std::wstring_view kSchemePrefix = L"tavren://";

// Everything after the first, case-sensitive "tavren://" of the command-line
// tail, unchanged (a closing quote included); nothing without the prefix.
std::optional<std::wstring> SchemeRemainder(std::wstring_view commandLine);

// What the client is started with: the scheme remainder, or else the whole tail.
std::wstring ClientParameters(std::wstring_view commandLine);

}  // namespace launcher
