#pragma once
// Unpacking a zip file into a folder on disk.

#include <string>

#include "unpack/archive_unpacker.h"

namespace unpack {

// `root` must exist; the report says what became of the entries.
UnpackReport ExtractZipFile(const std::wstring& zipPath, const std::wstring& root);

}  // namespace unpack
