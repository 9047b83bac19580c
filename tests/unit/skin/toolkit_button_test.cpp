// Buttons driven by the window messages a user's mouse and keys produce.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "skin/toolkit/skin_button.h"
#include "toolkit_test_window.h"

namespace {

using skin_test::Mouse;
using skin_test::TestWindow;

// One button at 20..100 x 20..50 below a label, plus a second button.
constexpr const wchar_t* kSkin =
    L"<Window size=\"200,100\"><VerticalLayout>"
    L"<Label name=\"title\" height=\"20\" text=\"t\"/>"
    L"<HorizontalLayout height=\"30\"><Button name=\"ok\" padding=\"20,0,0,0\" width=\"80\"/>"
    L"<Button name=\"other\" width=\"40\"/></HorizontalLayout>"
    L"</VerticalLayout></Window>";

class ButtonEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    hwnd_ = window_.Open();
    ASSERT_NE(hwnd_, nullptr);
    button_ = window_.FindAs<CSkinButton>(L"ok");
    ASSERT_NE(button_, nullptr);
    window_.notes.clear();
  }

  TestWindow window_{kSkin};
  HWND hwnd_ = nullptr;
  CSkinButton* button_ = nullptr;
};

TEST_F(ButtonEvents, ClickNeedsPressAndReleaseInside) {
  const struct {
    const char* scenario;
    std::vector<std::tuple<UINT, int, int>> moves;
    std::size_t clicks;
  } cases[] = {
      {"press and release inside", {{WM_LBUTTONDOWN, 50, 30}, {WM_LBUTTONUP, 52, 31}}, 1},
      {"release outside", {{WM_LBUTTONDOWN, 50, 30}, {WM_MOUSEMOVE, 150, 30}, {WM_LBUTTONUP, 150, 30}}, 0},
      {"out and back in", {{WM_LBUTTONDOWN, 50, 30}, {WM_MOUSEMOVE, 150, 80}, {WM_MOUSEMOVE, 60, 40},
                           {WM_LBUTTONUP, 60, 40}}, 1},
      {"pressed outside, released inside", {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 50, 30}}, 0},
      {"pressed on the padding beside it", {{WM_LBUTTONDOWN, 10, 30}, {WM_LBUTTONUP, 10, 30}}, 0},
      {"double click counts its release", {{WM_LBUTTONDBLCLK, 50, 30}, {WM_LBUTTONUP, 50, 30}}, 1},
  };
  for (const auto& c : cases) {
    window_.notes.clear();
    for (const auto& [msg, x, y] : c.moves) Mouse(hwnd_, msg, x, y);
    EXPECT_EQ(window_.Count(L"click ok"), c.clicks) << c.scenario;
    EXPECT_EQ(button_->GetButtonState() & (kButtonPushed | kButtonCaptured), 0u) << c.scenario;
  }
}

TEST_F(ButtonEvents, StateFollowsThePointer) {
  Mouse(hwnd_, WM_MOUSEMOVE, 50, 30);
  EXPECT_EQ(button_->GetButtonState() & kButtonHot, kButtonHot);
  Mouse(hwnd_, WM_LBUTTONDOWN, 50, 30);
  EXPECT_EQ(button_->GetButtonState() & (kButtonPushed | kButtonCaptured), kButtonPushed | kButtonCaptured);
  Mouse(hwnd_, WM_MOUSEMOVE, 150, 80);  // still captured, no longer pushed
  EXPECT_EQ(button_->GetButtonState() & (kButtonPushed | kButtonCaptured | kButtonHot), kButtonCaptured);
  Mouse(hwnd_, WM_MOUSEMOVE, 50, 30);
  EXPECT_EQ(button_->GetButtonState() & (kButtonPushed | kButtonHot), kButtonPushed | kButtonHot);
  Mouse(hwnd_, WM_LBUTTONUP, 50, 30);
  EXPECT_EQ(button_->GetButtonState() & (kButtonPushed | kButtonCaptured), 0u);
  // The pointer leaving the window ends hot.
  ::SendMessageW(hwnd_, WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
  EXPECT_EQ(button_->GetButtonState() & kButtonHot, 0u);
}

TEST_F(ButtonEvents, DisabledButtonNeitherPushesNorClicks) {
  button_->SetEnabled(false);
  Mouse(hwnd_, WM_MOUSEMOVE, 50, 30);
  Mouse(hwnd_, WM_LBUTTONDOWN, 50, 30);
  Mouse(hwnd_, WM_LBUTTONUP, 50, 30);
  EXPECT_EQ(window_.Count(L"click ok"), 0u);
  EXPECT_EQ(button_->GetButtonState() & (kButtonPushed | kButtonHot), 0u);
  EXPECT_FALSE(button_->Activate());
}

TEST_F(ButtonEvents, SpaceAndEnterClickTheFocusedButtonOthersDoNot) {
  // The first tab stop took the focus at the first paint.
  ASSERT_EQ(window_.Manager().GetFocus(), button_);
  const struct {
    WPARAM key;
    std::size_t clicks;
  } cases[] = {{VK_SPACE, 1}, {VK_RETURN, 1}, {'A', 0}, {VK_DOWN, 0}};
  for (const auto& c : cases) {
    window_.notes.clear();
    skin_test::PressKey(hwnd_, c.key);
    EXPECT_EQ(window_.Count(L"click ok"), c.clicks) << c.key;
  }
  button_->SetKeyboardEnabled(false);
  window_.notes.clear();
  skin_test::PressKey(hwnd_, VK_SPACE);
  EXPECT_EQ(window_.Count(L"click ok"), 0u);
}

TEST_F(ButtonEvents, PressingFocusesWhatLiesUnderThePointer) {
  Mouse(hwnd_, WM_LBUTTONDOWN, 120, 30);
  Mouse(hwnd_, WM_LBUTTONUP, 120, 30);
  EXPECT_EQ(window_.Manager().GetFocus(), window_.Find(L"other"));
  EXPECT_EQ(window_.Count(L"killfocus ok"), 1u);
  EXPECT_EQ(window_.Count(L"setfocus other"), 1u);
  EXPECT_EQ(window_.Count(L"click other"), 1u);
}

TEST_F(ButtonEvents, ClosingEndsHotAndPressedStates) {
  Mouse(hwnd_, WM_MOUSEMOVE, 50, 30);
  Mouse(hwnd_, WM_LBUTTONDOWN, 50, 30);
  Mouse(hwnd_, WM_MOUSEMOVE, 150, 80);  // released outside, as the close arrives
  Mouse(hwnd_, WM_MOUSEMOVE, 50, 30);
  Mouse(hwnd_, WM_MOUSEMOVE, 150, 80);
  ::SendMessageW(hwnd_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(hwnd_));
  EXPECT_EQ(window_.Count(L"click ok"), 0u);
  EXPECT_EQ(window_.Count(L"killfocus ok"), 1u);
}

}  // namespace
