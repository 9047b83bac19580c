#pragma once
// A path as narrow text for log records: the ANSI code page on Windows, with
// the code page's default character for what it lacks (never throws).

#include <filesystem>
#include <string>

namespace platform {

std::string PathLogText(const std::filesystem::path& path);

}  // namespace platform
