#pragma once
// Turns the command-line tail and the updater's folder into the update job.
// parseZipConf (UpdaterApp.cpp) adds the updater's own folder and the records.

#include <cstdint>
#include <filesystem>
#include <string>

#include "updater/app/zip_conf.h"

// `exeFolder` ends in a backslash (or is empty). Rejects nothing: absent
// options give empty values and a forcedUpdate of 0.
ZipConf BuildZipConf(const wchar_t* commandLineTail, const std::wstring& exeFolder);

// The text up to and including its last backslash; empty when it has none.
std::wstring FolderOf(const std::wstring& path);

// The forcedupdate text read like the C library's wide-to-int conversion:
// leading white space, an optional sign, the digits up to the first non-digit;
// 0 without leading digits; out-of-range values stop at the int32 limits.
std::int32_t ReadDecimal(const std::wstring& text);

// The narrow form of a wide path, in the user's code page.
std::string NarrowPathText(const std::filesystem::path& path);

// A path in double quotes, with "&" before every double quote or "&" in it.
std::string QuotedPathText(const std::filesystem::path& path);
