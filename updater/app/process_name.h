#pragma once
// How a running process's executable file name is compared with a client name.

#include <string_view>

// Same length, and each pair of characters equal once a-z are taken as A-Z; a
// name byte of 0x80 or above never matches (names are plain ASCII).
bool SameExeName(std::wstring_view exeFileName, std::string_view name);
