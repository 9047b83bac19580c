#include "launcher/scheme_registration.h"

#include <windows.h>

#include <cstdio>

#include "launcher/launcher_records.h"
#include "launcher/module_path.h"
#include "launcher/open_command.h"

namespace launcher {

namespace {

constexpr wchar_t kCommandKey[] = L"tavren\\shell\\open\\command";

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* receive() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

void WriteRegFun() {
  const std::wstring launcherPath = ModuleFilePath(nullptr);
  if (launcherPath.empty()) {
    std::wprintf(L"GetModuleFileName failed w/err 0x%08lx\n", GetLastError());
    return;
  }
  RegistryKey key;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      key.receive(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  // The value is the command and its one terminating zero: Wine's shell takes
  // zero characters stored after it for part of the command and refuses it.
  const std::wstring command = FormatOpenCommand(launcherPath);
  const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()), bytes) !=
      ERROR_SUCCESS) {
    LAUNCHER_RECORD(107, "WriteRegFun") << "set reg failure: ";
  }
}

}  // namespace launcher
