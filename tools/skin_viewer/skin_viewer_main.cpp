// Opens one skin as a window, for tests and for a person to look at:
// prints the notifications of its controls and ends with the code that
// closed the window.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "log/qe_logger.h"
#include "skin/markup/skin_source.h"
#include "skin/markup/utf16_text.h"
#include "viewer_options.h"
#include "viewer_window.h"

qlog::QeLogger& qlog::RootLogger() {
  static QeLogger logger("SKV", QeLogger::Sinks::Debugger);
  return logger;
}

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  ::LocalFree(argv);
  return args;
}

int Run() {
  ViewerOptions options;
  std::wstring error;
  if (!ParseViewerOptions(Arguments(), options, error)) {
    std::fprintf(stderr, "skin_viewer: %s\n", Utf16ToUtf8(error).c_str());
    return 64;
  }
  if (!options.folder.empty()) CSkinSource::Process().SetResourcePath(options.folder);

  CViewerWnd window(options);
  if (window.GetHWND() == nullptr) {
    std::fprintf(stderr, "skin_viewer: no window\n");
    return 65;
  }
  if (options.position) {
    ::SetWindowPos(window.GetHWND(), nullptr, options.position->x, options.position->y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    window.Center();
  }
  const UINT result = window.RunModal();
  std::printf("result %u\n", result);
  std::fflush(stdout);
  return static_cast<int>(result);
}

}  // namespace

int main() {
  try {
    return Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_viewer: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "skin_viewer: failed\n");
  }
  return 70;
}
