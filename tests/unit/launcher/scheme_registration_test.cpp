#include "launcher/scheme_registration.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "launcher/module_path.h"

namespace launcher {
namespace {

TEST(WriteRegFun, StoresTheQuotedCommandAsAStringOfItsOwnLength) {
  WriteRegFun();
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"tavren\\shell\\open\\command", 0, KEY_READ, &key), ERROR_SUCCESS);
  wchar_t data[1024] = {};
  DWORD type = 0;
  DWORD size = sizeof(data);
  const LONG read = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  ASSERT_EQ(read, ERROR_SUCCESS);

  const std::wstring expected = L"\"" + ModuleFilePath(nullptr) + L"\" \"%1\"";
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(data), expected);
  EXPECT_EQ(size, (expected.size() + 1) * sizeof(wchar_t)) << "no zero characters after the command";
}

}  // namespace
}  // namespace launcher
