#include "updater/ui/shell_actions.h"

#include <windows.h>
#include <shellapi.h>

std::wstring DownloadPageAddress() { return std::wstring(L"https://") + kProductSiteHost + kDownloadPagePath; }

std::uint16_t UserUiLanguage() { return GetUserDefaultUILanguage(); }

void OpenDownloadPage() {
  const std::wstring address = DownloadPageAddress();
  ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

void StartProgram(const std::filesystem::path& program, const std::wstring& parameters) {
  ShellExecuteW(nullptr, L"open", program.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
}
