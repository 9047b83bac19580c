#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "layout_test_box.h"
#include "skin/toolkit/skin_values.h"

namespace {

using skin::Rect;

TEST(AttributeValues, Colours) {
  const struct {
    const wchar_t* text;
    std::uint32_t expected;
  } cases[] = {
      {L"#FF1694FF", 0xFF1694FF}, {L"#FFF8F8F8", 0xFFF8F8F8}, {L"  #ff333333", 0xFF333333},
      {L"FF000000", 0xFF000000},  {L"#00FFFFFF", 0x00FFFFFF}, {L"#12xyz", 0x12},
      {L"", 0},                   {L"##FF", 0},               {L"#1FFFFFFFFF", 0xFFFFFFFF},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::ParseColour(c.text), c.expected) << std::hex << c.expected;
}

TEST(AttributeValues, Numbers) {
  const struct {
    const wchar_t* text;
    int expected;
  } cases[] = {
      {L"14", 14},   {L" -5", -5},          {L"+7", 7},          {L"abc", 0},
      {L"", 0},      {L"12px", 12},         {L"99999999999", INT_MAX}, {L"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::ParseNumber(c.text), c.expected);
}

TEST(AttributeValues, RectanglesAndSizes) {
  const struct {
    const wchar_t* text;
    Rect expected;
  } cases[] = {
      {L"10,0,0,0", {10, 0, 0, 0}},
      {L"0,8,0,0", {0, 8, 0, 0}},
      {L"1;2 3x4", {1, 2, 3, 4}},        // any single separator
      {L"-1,-2,-3,-4", {-1, -2, -3, -4}},
      {L"10", {10, 0, 0, 0}},            // short values stop at the end
      {L"10,", {10, 0, 0, 0}},
      {L"", {0, 0, 0, 0}},
      {L"1,,3,4", {1, 0, 3, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::ParseRect(c.text), c.expected);
  EXPECT_EQ(skin::ParseSize(L"310,100"), (skin::Size{310, 100}));
  EXPECT_EQ(skin::ParseSize(L"420"), (skin::Size{420, 0}));
}

TEST(AttributeValues, FlagsAndNames) {
  EXPECT_TRUE(skin::ParseFlag(L"true"));
  EXPECT_FALSE(skin::ParseFlag(L"True"));
  EXPECT_FALSE(skin::ParseFlag(L"1"));
  EXPECT_FALSE(skin::ParseFlag(nullptr));

  EXPECT_TRUE(skin::EqualsIgnoringCase(L"HorizontalLayout", L"horizontallayout"));
  EXPECT_TRUE(skin::EqualsIgnoringCase(L"FONT", L"Font"));
  EXPECT_FALSE(skin::EqualsIgnoringCase(L"Label", L"Labels"));
  EXPECT_FALSE(skin::EqualsIgnoringCase(L"Label", L""));

  EXPECT_TRUE(skin::Contains(L"vcenter", L"center"));
  EXPECT_FALSE(skin::Contains(L"left", L"right"));

  EXPECT_EQ(skin::ToColorRef(0xFF1694FF), 0x00FF9416u);
  EXPECT_EQ(skin::ToColorRef(0x00FFFFFF), 0x00FFFFFFu);
}

}  // namespace
