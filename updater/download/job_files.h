#pragma once
// The files of a download in the job folder, and the few operations on them.
// Paths are narrow text (the system's ANSI code page on Windows).

#include <string>

inline constexpr const char* kMergeTargetName = "update.td";
inline constexpr const char* kPackageName = "update.zip";

// "update.td" followed by the segment's index.
std::string PartFileName(const std::string& jobFile, int index);

// Deletes a file; a missing one is no error.
void RemoveFile(const std::string& path);

// Gives `from` the name `to`, replacing a file of that name. False on failure.
bool MoveFileReplacing(const std::string& from, const std::string& to);
