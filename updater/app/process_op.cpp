#include "updater/app/process_op.h"

#include <windows.h>
#include <tlhelp32.h>

#include "log/log_message.h"
#include "platform/unique_handle.h"
#include "updater/app/bounded_wait.h"
#include "updater/app/process_name.h"
#include "updater/app/zip_conf_builder.h"

namespace {

constexpr DWORD kModulePathCapacity = 1024;
constexpr std::uint32_t kSnapshotErrorLine = 75;

// Ends the process; true when it was opened and ended.
bool EndProcess(std::uint32_t processId) {
  const platform::UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
  return process && TerminateProcess(process.get(), kClientKilledExitCode);
}

}  // namespace

std::wstring GetExeFolder() {
  wchar_t path[kModulePathCapacity] = {};
  GetModuleFileNameW(nullptr, path, kModulePathCapacity);
  path[kModulePathCapacity - 1] = L'\0';  // a cut path may come back unterminated
  return FolderOf(path);
}

std::uint32_t FindProcess_ByName(const std::string& name) {
  const platform::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  if (!Process32FirstW(snapshot.get(), &entry)) {
    const DWORD error = GetLastError();  // before the record's allocation can change it
    QLOG_RECORD(qlog::kError, kSnapshotErrorLine, "FindProcess_ByName") << "process32 first error: " << error;
    return 0;
  }
  do {
    entry.szExeFile[MAX_PATH - 1] = L'\0';
    if (SameExeName(entry.szExeFile, name)) return entry.th32ProcessID;
  } while (Process32NextW(snapshot.get(), &entry));
  return 0;
}

bool KillClientProcesses() {
  if (const std::uint32_t client = FindProcess_ByName(kClientProcessName)) EndProcess(client);
  const std::uint32_t sibling = FindProcess_ByName(kSiblingClientProcessName);
  return sibling != 0 && EndProcess(sibling);
}

bool CloseClientAndWait() {
  const auto clientGone = [] { return FindProcess_ByName(kClientProcessName) == 0; };
  if (KillClientProcesses()) return PollUntil(clientGone, kClientCloseLimitMs, kClientClosePollMs);
  return clientGone();
}
