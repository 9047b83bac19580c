#pragma once
// Installing the package that the updater left behind.

#include <string>

namespace launcher {

// The launcher's folder, with a trailing backslash; false when unknown.
bool GetLauncherFolder(std::wstring& folder);

// Deletes the updater's leftovers in "temp" and moves "temp\update.zip" to
// "update.zip" in `installFolder` (which ends in a backslash). The package in
// "temp" is deleted only once copied.
void PromoteUpdatePackage(const std::wstring& installFolder);

// Unpacks "update.zip" of `root` over `root`. The package is deleted once
// nothing in it is left to retry; otherwise it waits for the next start.
void UnpackUpdatePackage(const std::wstring& root);

// Both steps: the launcher's folder, then the working directory.
void ApplyPendingUpdate();

}  // namespace launcher
