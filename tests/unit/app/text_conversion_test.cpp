#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "updater/app/text_conversion.h"

namespace {

TEST(TextConversion, EmptyAndPlainAsciiTexts) {
  EXPECT_EQ(WideToNarrow(L""), "");
  EXPECT_EQ(NarrowToWide(""), L"");
  const std::wstring path = L"D:\\Apps\\Client\\temp\\update.td0";
  EXPECT_EQ(WideToNarrow(path), "D:\\Apps\\Client\\temp\\update.td0");
  EXPECT_EQ(NarrowToWide(WideToNarrow(path)), path);
  // Text after an embedded zero is not part of a C string.
  EXPECT_EQ(NarrowToWide(std::string("ab\0cd", 5)), L"ab");
  EXPECT_EQ(WideToNarrow(std::wstring(L"ab\0cd", 5)), "ab");
}

#ifndef _WIN32
// Natively the user's default locale comes from the environment; the Windows
// code pages are checked under Wine (code_page_test.cpp).
class Utf8Locale : public testing::Test {
 protected:
  void SetUp() override { setenv("LC_ALL", "C.UTF-8", 1); }
  void TearDown() override { unsetenv("LC_ALL"); }
};

TEST_F(Utf8Locale, ConvertsBothWaysAndNeverGivesAPrefixOfABrokenText) {
  EXPECT_EQ(WideToNarrow(L"D:\\\u5ba2\u6237\u7aef\\\U0001F600"), "D:\\\xe5\xae\xa2\xe6\x88\xb7\xe7\xab\xaf\\\xf0\x9f\x98\x80");
  EXPECT_EQ(NarrowToWide("caf\xc3\xa9"), L"caf\u00e9");
  EXPECT_EQ(NarrowToWide("D:\\ok\\\xff\\rest"), L"");
  EXPECT_EQ(NarrowToWide("truncated \xe5\xae"), L"");
  EXPECT_EQ(WideToNarrow(std::wstring(L"D:\\ok\\") + static_cast<wchar_t>(0xD800) + L"rest"), "");
}

TEST_F(Utf8Locale, TheLocaleSwitchStaysInForce) {
  WideToNarrow(L"x");
  EXPECT_STRNE(std::setlocale(LC_CTYPE, nullptr), "C");
}
#endif

}  // namespace
