#include "launcher/running_client.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>

#include "platform/system_services.h"
#include "platform/unique_handle.h"

namespace launcher {

namespace {

constexpr wchar_t kReopenPrompt[] = L"检测到程序正在运行，是否重新打开!";
constexpr wchar_t kReopenCaption[] = L"提示";
constexpr std::uint32_t kWaitAfterEndingMs = 1500;

}  // namespace

bool FindRunningClient(ClientPrompt prompt) {
  platform::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  if (!Process32FirstW(snapshot.get(), &entry)) return false;
  while (std::wcscmp(entry.szExeFile, kClientExecutable) != 0) {
    if (!Process32NextW(snapshot.get(), &entry)) return false;
  }
  if (prompt == ClientPrompt::Silent) return true;
  if (MessageBoxW(nullptr, kReopenPrompt, kReopenCaption, MB_OKCANCEL) != IDOK) return true;
  snapshot.reset();
  platform::UniqueHandle client(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
  if (client) TerminateProcess(client.get(), 0);
  platform::SleepMs(kWaitAfterEndingMs);
  return true;
}

}  // namespace launcher
