#include "launcher/open_command.h"

namespace launcher {

std::wstring FormatOpenCommand(std::wstring_view launcherPath) {
  std::wstring command = L"\"";
  command += launcherPath;
  command += L"\" \"%1\"";
  return command;
}

}  // namespace launcher
