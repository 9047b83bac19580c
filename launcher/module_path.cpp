#include "launcher/module_path.h"

namespace launcher {

std::wstring ModuleFilePath(HMODULE module) {
  // Longer than MAX_PATH works too: the buffer grows until the path fits.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
  }
  return {};
}

std::wstring FolderWithSeparator(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace launcher
