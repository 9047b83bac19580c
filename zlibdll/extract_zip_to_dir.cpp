#include "zlibdll/extract_zip_to_dir.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "unpack/extract_zip_win32.h"

extern "C" int __cdecl ExtractZipToDir(const wchar_t* zipPath, const wchar_t* folder, int options) {
  if (zipPath == nullptr || folder == nullptr || options != 0) return 0;
  try {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(folder), ignored);
    return unpack::ExtractZipFile(zipPath, folder).AllWritten() ? 1 : 0;
  } catch (...) {
    // Nothing may cross the library boundary.
    return 0;
  }
}
