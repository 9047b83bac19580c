#include <gtest/gtest.h>

#include <string>

#include "log/wide_log_text.h"

namespace {

TEST(WideToLogText, WritesCodePage936WhateverTheProcessCodePage) {
  const struct {
    const wchar_t* wide;
    const char* narrow;
  } cases[] = {
      {L"", ""},
      {L"par: x", "par: x"},
      {L"\u4e2d\u6587 ok", "\xd6\xd0\xce\xc4 ok"},
      {L"tavren://class?id=\u8bfe", "tavren://class?id=\xbf\xce"},
      {L"\u0e01x", "?x"},  // a character code page 936 lacks
  };
  for (const auto& c : cases) EXPECT_EQ(qlog::WideToLogText(c.wide), c.narrow) << testing::PrintToString(std::wstring(c.wide));
}

}  // namespace
