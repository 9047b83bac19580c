#pragma once
// Text in the system's ANSI code page, decoded to UTF-16 code units.

#include <cstddef>
#include <vector>

namespace platform {

// Appends the decoded text to out. Windows uses its ANSI code page; POSIX
// systems have none and read the bytes as Latin-1.
void AppendAnsiAsUtf16(const char* bytes, std::size_t length, std::vector<wchar_t>& out);

}  // namespace platform
