// Stand-in for the live-classroom client in tests and the demo. It answers to
// the client's names (copied as tavren.exe, tavrenclient.exe, wupclient.exe),
// serves the client's named pipe and records what it sees:
//   start <pid> <UTC time>, cmdline <text>, cwd <folder>, pipe <hex bytes>
// Environment: STANDIN_CLIENT_RECORD (record path), STANDIN_CLIENT_WINDOW=1
// (main window of class "fenlo"), STANDIN_CLIENT_LIFETIME_MS (end by itself).
#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tools/standin_client/pipe_server.h"
#include "tools/standin_client/record_file.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"fenlo";
constexpr wchar_t kMainWindowTitle[] = L"stand-in client";

std::wstring EnvironmentValue(const wchar_t* name) {
  wchar_t value[64] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
  return length < std::size(value) ? std::wstring(value, length) : std::wstring();
}

std::wstring CurrentDirectory() {
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  return std::wstring(buffer.data(), length < buffer.size() ? length : 0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void CreateMainWindow(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassW(&windowClass);
  CreateWindowExW(0, kMainWindowClass, kMainWindowTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200, nullptr,
                  nullptr, instance, nullptr);
}

// Until the lifetime ends (thread timer), the window closes, or someone ends us.
void RunMessageLoop(UINT lifetimeMs) {
  if (lifetimeMs > 0) SetTimer(nullptr, 0, lifetimeMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    const standin::RecordFile record = standin::RecordFile::FromEnvironment();
    record.AppendLine("start " + std::to_string(GetCurrentProcessId()) + " " + standin::UtcTimestamp());
    record.AppendLine("cmdline " + standin::ToUtf8(GetCommandLineW()));
    record.AppendLine("cwd " + standin::ToUtf8(CurrentDirectory()));

    std::thread([record] {
      try {
        standin::ServeClientPipe([&record](const std::vector<unsigned char>& message) {
          record.AppendLine("pipe " + standin::LowerHex(message.data(), message.size()));
        });
      } catch (...) {
        // Out of memory: the pipe is no longer served, the process lives on.
      }
    }).detach();

    if (EnvironmentValue(L"STANDIN_CLIENT_WINDOW") == L"1") CreateMainWindow(instance);
    const std::wstring lifetime = EnvironmentValue(L"STANDIN_CLIENT_LIFETIME_MS");
    RunMessageLoop(static_cast<UINT>(std::wcstoul(lifetime.c_str(), nullptr, 10)));
  } catch (...) {
    return 1;
  }
  // Returning ends the process, the pipe thread with it.
  return 0;
}
