#include "launcher/open_command.h"

#include <algorithm>

namespace launcher {

std::wstring FormatOpenCommand(std::wstring_view launcherPath) {
  std::wstring command = L"\"";
  command += launcherPath;
  command += L"\" \"%1\"";
  return command;
}

std::vector<wchar_t> OpenCommandValue(std::wstring_view command) {
  std::vector<wchar_t> value(std::max(kOpenCommandChars, command.size() + 1), L'\0');
  std::copy(command.begin(), command.end(), value.begin());
  return value;
}

}  // namespace launcher
