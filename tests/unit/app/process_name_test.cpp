#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "updater/app/process_name.h"

namespace {

TEST(SameExeName, ComparesWholeFileNamesWithoutRegardToAsciiCase) {
  const struct {
    const wchar_t* exeFile;
    std::string_view name;
    bool same;
  } cases[] = {
      {L"tavrenclient.exe", "tavrenclient.exe", true},
      {L"TAVRENCLIENT.EXE", "tavrenclient.exe", true},
      {L"TavrenClient.Exe", "TAVRENCLIENT.exe", true},
      {L"xtavrenclient.exe", "tavrenclient.exe", false},
      {L"tavrenclient.exe.bak", "tavrenclient.exe", false},
      {L"tavrenclient.ex", "tavrenclient.exe", false},
      {L"wupclient.exe", "tavrenclient.exe", false},
      {L"", "", true},
      {L"", "a", false},
      // Beyond ASCII nothing is folded, and a name byte of 0x80 or above never matches.
      {L"caf\u00e9.exe", "caf\xe9.exe", false},
      {L"\u00e9", "\xe9", false},
      {L"CAF\u00c9.EXE", "caf\u00e9.exe", false},
      // A wide character must not match by its low byte alone.
      {L"a\u0100", std::string_view("a\0", 2), false},
      {L"\u0141", "A", false},
      {L"[@`{", "[@`{", true},
      {L"@", "`", false},
      {L"[", "{", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SameExeName(c.exeFile, c.name), c.same)
        << testing::PrintToString(std::wstring(c.exeFile)) << " vs " << testing::PrintToString(std::string(c.name));
  }
}

}  // namespace
