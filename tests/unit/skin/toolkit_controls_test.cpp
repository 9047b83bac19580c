// Labels, buttons and progress bars apart from painting: sizes, attribute
// effects, repaint requests and stored values.
#include <gtest/gtest.h>

#include "skin/toolkit/skin_button.h"
#include "skin/toolkit/skin_layouts.h"
#include "skin/toolkit/skin_progress.h"
#include "toolkit_test_window.h"

namespace {

using skin_test::TestWindow;

int DefaultFontHeight() {
  HDC dc = ::GetDC(nullptr);
  LOGFONTW lf{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  lf.lfCharSet = DEFAULT_CHARSET;
  HFONT font = ::CreateFontIndirectW(&lf);
  HGDIOBJ old = ::SelectObject(dc, font);
  TEXTMETRICW tm{};
  ::GetTextMetricsW(dc, &tm);
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

TEST(ControlSizes, WithoutAFixedHeightInAColumn) {
  TestWindow window(
      L"<Window size=\"200,200\"><VerticalLayout>"
      L"<Label name=\"label\" font=\"2\"/><Button name=\"button\"/><Progress name=\"progress\"/>"
      L"<Label name=\"fixed\" height=\"9\"/><VerticalLayout name=\"rest\"/>"
      L"</VerticalLayout></Window>");
  ASSERT_NE(window.Open(), nullptr);
  const int font = DefaultFontHeight();
  ASSERT_GT(font, 0);
  EXPECT_EQ(window.Find(L"label")->GetRect().Height(), font + 4);
  EXPECT_EQ(window.Find(L"button")->GetRect().Height(), font + 8);
  EXPECT_EQ(window.Find(L"progress")->GetRect().Height(), 12);
  EXPECT_EQ(window.Find(L"fixed")->GetRect().Height(), 9);
  EXPECT_EQ(window.Find(L"rest")->GetRect().bottom, 200);
}

TEST(LabelAttributes, AlignmentWordsChangeTheTextStyle) {
  const struct {
    const wchar_t* attributes;
    UINT expected;
  } cases[] = {
      {L"", DT_VCENTER},
      {L"align=\"center\"", DT_VCENTER | DT_CENTER},
      {L"align=\"right\"", DT_VCENTER | DT_RIGHT},
      {L"align=\"left\"", DT_VCENTER},
      {L"valign=\"top\"", DT_SINGLELINE},
      {L"valign=\"vcenter\"", DT_VCENTER | DT_SINGLELINE},
      {L"valign=\"bottom\"", DT_BOTTOM | DT_SINGLELINE},
      {L"align=\"center\" endellipsis=\"true\"", DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS},
      {L"endellipsis=\"True\"", DT_VCENTER},
  };
  for (const auto& c : cases) {
    TestWindow window(std::wstring(L"<Window><HorizontalLayout><Label name=\"l\" ") + c.attributes +
                      L"/></HorizontalLayout></Window>");
    ASSERT_NE(window.Open(), nullptr);
    EXPECT_EQ(window.FindAs<CSkinLabel>(L"l")->GetTextStyle(), c.expected) << static_cast<const void*>(c.attributes);
  }
}

TEST(ControlAttributes, VisibleIsTrueOnlyForExactlyTrue) {
  TestWindow window(
      L"<Window><HorizontalLayout><Label name=\"a\" visible=\"true\"/><Label name=\"b\" visible=\"True\"/>"
      L"<Label name=\"c\" visible=\"false\"/><Label name=\"d\"/></HorizontalLayout></Window>");
  ASSERT_NE(window.Open(), nullptr);
  EXPECT_TRUE(window.Find(L"a")->IsVisible());
  EXPECT_FALSE(window.Find(L"b")->IsVisible());
  EXPECT_FALSE(window.Find(L"c")->IsVisible());
  EXPECT_TRUE(window.Find(L"d")->IsVisible());
}

TEST(ControlRepaint, SameTextTwiceRepaintsNothingTheSecondTime) {
  TestWindow window(L"<Window size=\"100,40\"><HorizontalLayout><Label name=\"l\"/></HorizontalLayout></Window>");
  const HWND hwnd = window.Open();
  CSkinControl* label = window.Find(L"l");
  ::ValidateRect(hwnd, nullptr);
  label->SetText(L"first");
  RECT update{};
  EXPECT_TRUE(::GetUpdateRect(hwnd, &update, FALSE));
  ::ValidateRect(hwnd, nullptr);
  label->SetText(L"first");
  EXPECT_FALSE(::GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_EQ(label->GetText(), L"first");
}

TEST(ControlRepaint, InvalidationIsCutToTheAncestors) {
  // The row hangs below its 40-pixel column: only the visible part repaints.
  TestWindow window(
      L"<Window size=\"100,60\"><VerticalLayout><VerticalLayout height=\"40\">"
      L"<HorizontalLayout height=\"30\" padding=\"0,20,0,0\"><Label name=\"l\"/></HorizontalLayout>"
      L"</VerticalLayout></VerticalLayout></Window>");
  const HWND hwnd = window.Open();
  ::ValidateRect(hwnd, nullptr);
  window.Find(L"l")->SetText(L"x");
  RECT update{};
  ASSERT_TRUE(::GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_EQ(update.top, 20);
  EXPECT_EQ(update.bottom, 40);
}

TEST(ProgressValues, StoredAsGivenAndClampedAtPaint) {
  TestWindow window(
      L"<Window size=\"100,40\"><HorizontalLayout><Progress name=\"p\" min=\"10\" max=\"20\" value=\"5\"/>"
      L"</HorizontalLayout></Window>");
  const HWND hwnd = window.Open();
  auto* progress = window.FindAs<CSkinProgress>(L"p");
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->GetValue(), 10);  // painted once already
  progress->SetValue(150);
  EXPECT_EQ(progress->GetValue(), 150);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(progress->GetValue(), 20);
  progress->SetMaxValue(3);  // empty range: repaired at paint
  skin_test::Repaint(hwnd);
  EXPECT_EQ(progress->GetMaxValue(), 11);
  EXPECT_EQ(progress->GetValue(), 11);
}

TEST(ButtonState, DisablingClearsTheStateBits) {
  TestWindow window(L"<Window size=\"100,40\"><HorizontalLayout><Button name=\"b\"/></HorizontalLayout></Window>");
  const HWND hwnd = window.Open();
  auto* button = window.FindAs<CSkinButton>(L"b");
  skin_test::Mouse(hwnd, WM_MOUSEMOVE, 10, 10);
  skin_test::Mouse(hwnd, WM_LBUTTONDOWN, 10, 10);
  ASSERT_NE(button->GetButtonState() & kButtonPushed, 0u);
  button->SetEnabled(false);
  EXPECT_EQ(button->GetButtonState(), 0u);
  skin_test::Mouse(hwnd, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(window.Count(L"click b"), 0u);
  EXPECT_EQ(button->ControlFlags() & kControlWantsSetCursor, 0u);
  EXPECT_NE(button->ControlFlags() & kControlTabStop, 0u);
}

}  // namespace
