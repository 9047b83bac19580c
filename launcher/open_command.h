#pragma once
// The command the "tavren://" scheme runs: the launcher, with the URL as its argument.

#include <string>
#include <string_view>

namespace launcher {

// "<launcher path>" "%1", each in double quotes, for a path of any length.
std::wstring FormatOpenCommand(std::wstring_view launcherPath);

}  // namespace launcher
