// exit_code_of <program> [arguments...]: runs the program, prints "pid <id>"
// once it runs and "exit <code>" when it has ended. Tests use it to see the
// exit code a process was ended with, which Wine does not pass to Unix.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring out = L"\"";
  for (wchar_t c : argument) {
    if (c == L'"') out += L'\\';
    out += c;
  }
  return out + L"\"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: exit_code_of <program> [arguments...]\n");
    return 2;
  }
  std::wstring commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? L" " : L"") + Quoted(argv[i]);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("failed %lu\n", GetLastError());
    return 1;
  }
  std::printf("pid %lu\n", process.dwProcessId);
  std::fflush(stdout);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  std::printf("exit %lu\n", code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
