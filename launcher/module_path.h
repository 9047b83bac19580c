#pragma once
// Paths of the launcher's own executable.

#include <windows.h>

#include <string>

namespace launcher {

// The full path of `module` (null: the program), however long; empty when
// the system cannot give it.
std::wstring ModuleFilePath(HMODULE module);

// The folder part of a path, with its trailing backslash; empty when the path
// has no backslash.
std::wstring FolderWithSeparator(const std::wstring& path);

}  // namespace launcher
