#pragma once
// Facts about the running program; one body for Win32, one for POSIX.

#include <cstdint>
#include <string>

namespace platform {

// Folder of the running executable with its trailing separator, as narrow
// text (the ANSI code page on Windows); empty when it cannot be found.
std::string ExecutableFolder();

std::uint32_t CurrentProcessId();

}  // namespace platform
