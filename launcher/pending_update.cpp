#include "launcher/pending_update.h"

#include <windows.h>

#include "launcher/module_path.h"
#include "unpack/extract_zip_win32.h"

namespace launcher {

namespace {

constexpr const wchar_t* kUpdaterLeftovers[] = {
    L"temp\\Updater.exe", L"temp\\update.td0", L"temp\\update.td1",
    L"temp\\update.td2",  L"temp\\update.td3", L"temp\\update.td",
};
constexpr wchar_t kWaitingPackage[] = L"temp\\update.zip";
constexpr wchar_t kPackage[] = L"update.zip";

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring WithSeparator(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder;
}

std::wstring CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const DWORD length = GetCurrentDirectoryW(size, folder.data());
  folder.resize(length < size ? length : 0);
  return folder;
}

}  // namespace

bool GetLauncherFolder(std::wstring& folder) {
  folder = FolderWithSeparator(ModuleFilePath(nullptr));
  return !folder.empty();
}

void PromoteUpdatePackage(const std::wstring& installFolder) {
  for (const wchar_t* leftover : kUpdaterLeftovers) DeleteFileW((installFolder + leftover).c_str());
  const std::wstring waiting = installFolder + kWaitingPackage;
  if (!FileExists(waiting)) return;
  if (CopyFileW(waiting.c_str(), (installFolder + kPackage).c_str(), FALSE)) DeleteFileW(waiting.c_str());
}

void UnpackUpdatePackage(const std::wstring& root) {
  const std::wstring unpackRoot = WithSeparator(root);
  const std::wstring package = unpackRoot + kPackage;
  if (!FileExists(package)) return;
  if (unpack::ExtractZipFile(package, unpackRoot).NothingToRetry()) DeleteFileW(package.c_str());
}

void ApplyPendingUpdate() {
  std::wstring folder;
  if (GetLauncherFolder(folder)) PromoteUpdatePackage(folder);
  const std::wstring root = CurrentDirectory();
  if (!root.empty()) UnpackUpdatePackage(root);
}

}  // namespace launcher
