#include "tests/unit/app/standin_copy.h"

#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

std::wstring ThisProgramsFolder() {
  std::vector<wchar_t> path(32768);
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  const std::wstring text(path.data(), length);
  return text.substr(0, text.rfind(L'\\') + 1);
}

// Unit tests live in <tree>\tests, the helpers in <tree>\tools.
std::wstring StandinClientExe() { return ThisProgramsFolder() + L"..\\tools\\standin_client.exe"; }

std::wstring NewFolder() {
  static std::atomic<unsigned> counter{0};
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"standin-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(counter++) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

StandinCopy::StandinCopy(const std::wstring& fileName, MainWindow window)
    : folder_(NewFolder()), exe_(folder_ + fileName) {
  if (!CopyFileW(StandinClientExe().c_str(), exe_.c_str(), FALSE)) throw std::runtime_error("cannot copy the stand-in");
  SetEnvironmentVariableW(L"STANDIN_CLIENT_WINDOW", window == MainWindow::Yes ? L"1" : nullptr);
  std::wstring commandLine = L"\"" + exe_ + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const BOOL started = CreateProcessW(exe_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      folder_.c_str(), &startup, &info);
  SetEnvironmentVariableW(L"STANDIN_CLIENT_WINDOW", nullptr);
  if (!started) throw std::runtime_error("cannot start the stand-in");
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  pid_ = info.dwProcessId;
}

StandinCopy::~StandinCopy() {
  if (ExitCodeAfter(0) == STILL_ACTIVE) {
    TerminateProcess(process_.get(), 0);
    WaitForSingleObject(process_.get(), 5000);
  }
  DeleteFileW(exe_.c_str());
  DeleteFileW((exe_ + L".record").c_str());
  RemoveDirectoryW(folder_.c_str());
}

DWORD StandinCopy::ExitCodeAfter(DWORD waitMs) const {
  WaitForSingleObject(process_.get(), waitMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}
