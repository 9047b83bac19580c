// Narrow/wide conversions in the user's code page. ctest runs this program
// twice: with a Chinese (936) and with an English (1252) Unix locale, which
// Wine turns into the process's code page; each case runs under its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "updater/app/text_conversion.h"

namespace {

struct Conversion {
  std::wstring wide;
  std::string narrow;
};

void ExpectBothWays(const Conversion& c) {
  EXPECT_EQ(WideToNarrow(c.wide), c.narrow) << testing::PrintToString(c.wide);
  EXPECT_EQ(NarrowToWide(c.narrow), c.wide) << testing::PrintToString(c.narrow);
}

TEST(CodePage936, ChineseTextAndPathsConvertBothWays) {
  if (GetACP() != 936) GTEST_SKIP() << "code page " << GetACP();
  const Conversion cases[] = {
      {L"\u4e2d\u6587", "\xd6\xd0\xce\xc4"},
      {L"D:\\\u5ba2\u6237\u7aef\\temp\\", "D:\\\xbf\xcd\xbb\xa7\xb6\xcb\\temp\\"},
      {L"page=\u8bfe\u5802&id=7", "page=\xbf\xce\xcc\xc3&id=7"},
  };
  for (const Conversion& c : cases) ExpectBothWays(c);
}

TEST(CodePage936, TextsTheCodePageCannotHoldGiveEmptyStrings) {
  if (GetACP() != 936) GTEST_SKIP() << "code page " << GetACP();
  EXPECT_EQ(NarrowToWide("D:\\\xd6"), L"") << "a lead byte without its trail byte";
}

TEST(CodePage1252, WesternTextAndPathsConvertBothWays) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const Conversion cases[] = {
      {L"Caf\u00e9 \u00fcber", "Caf\xe9 \xfc" "ber"},
      {L"D:\\Programme\\Kl\u00e4ssen\\temp\\", "D:\\Programme\\Kl\xe4ssen\\temp\\"},
      {L"\u20ac", "\x80"},
  };
  for (const Conversion& c : cases) ExpectBothWays(c);
}

TEST(CodePage1252, TextsTheCodePageCannotHoldGiveNoCutPrefix) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  // Either the whole text with the code page's default character or nothing;
  // never a shortened path that would name another folder.
  const std::string narrow = WideToNarrow(L"D:\\Client\\\u4e2d\u6587\\temp\\");
  EXPECT_TRUE(narrow.empty() || narrow == "D:\\Client\\??\\temp\\") << narrow;
}

}  // namespace
