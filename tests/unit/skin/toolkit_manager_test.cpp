// The paint manager: first layout and "windowinit", focus and Tab order,
// notifications, control timers, hit testing and the name map.
#include <gtest/gtest.h>

#include "skin/toolkit/skin_button.h"
#include "skin/toolkit/skin_layouts.h"
#include "toolkit_test_window.h"

namespace {

using skin_test::TestWindow;

// Tab stops in tree order: a, (hidden row: h), b, (disabled) d, c.
constexpr const wchar_t* kFocusSkin =
    L"<Window size=\"300,100\"><VerticalLayout>"
    L"<Label name=\"label\" height=\"20\"/>"
    L"<HorizontalLayout height=\"30\">"
    L"<Button name=\"a\" width=\"40\"/>"
    L"<HorizontalLayout name=\"row\" visible=\"false\"><Button name=\"h\" width=\"40\"/></HorizontalLayout>"
    L"<Button name=\"b\" width=\"40\"/><Button name=\"d\" width=\"40\"/><Button name=\"c\" width=\"40\"/>"
    L"</HorizontalLayout></VerticalLayout></Window>";

class FocusOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    hwnd_ = window_.Open();
    ASSERT_NE(hwnd_, nullptr);
    window_.Find(L"d")->SetEnabled(false);
  }
  std::wstring Focused() {
    CSkinControl* focus = window_.Manager().GetFocus();
    return focus != nullptr ? focus->GetName() : L"";
  }

  TestWindow window_{kFocusSkin};
  HWND hwnd_ = nullptr;
};

TEST_F(FocusOrder, FirstTabStopHoldsTheFocusFromTheFirstPaint) {
  EXPECT_EQ(Focused(), L"a");
  ASSERT_GE(window_.notes.size(), 2u);
  // The layout's notification comes first, then the focus.
  EXPECT_EQ(window_.notes[0], L"windowinit ");
  EXPECT_EQ(window_.notes[1], L"setfocus a");
}

TEST_F(FocusOrder, TabSkipsHiddenAndDisabledAndWraps) {
  std::vector<std::wstring> seen;
  for (int i = 0; i < 4; ++i) {
    skin_test::PressKey(hwnd_, VK_TAB);
    seen.push_back(Focused());
  }
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"b", L"c", L"a", L"b"}));

  std::vector<std::wstring> back;
  for (int i = 0; i < 3; ++i) {
    window_.Manager().SetNextTabControl(false);
    back.push_back(Focused());
  }
  EXPECT_EQ(back, (std::vector<std::wstring>{L"a", L"c", L"b"}));
}

TEST_F(FocusOrder, ShowingARowAddsItsButtonsInTreeOrder) {
  window_.Find(L"row")->SetVisible(true);
  skin_test::Repaint(hwnd_);
  skin_test::PressKey(hwnd_, VK_TAB);
  EXPECT_EQ(Focused(), L"h");
}

TEST_F(FocusOrder, HidingOrDisablingTheFocusedControlDropsTheFocus) {
  window_.Find(L"a")->SetVisible(false);
  EXPECT_EQ(Focused(), L"");
  EXPECT_EQ(window_.Count(L"killfocus a"), 1u);

  window_.Manager().SetFocus(window_.Find(L"b"));
  window_.Manager().SetFocus(window_.Find(L"d"));  // disabled: refuses, b has lost it
  EXPECT_EQ(Focused(), L"");
  window_.Manager().SetFocus(window_.Find(L"h"));  // hidden with its row
  EXPECT_EQ(Focused(), L"");
}

TEST_F(FocusOrder, SettingTheSameFocusTwiceNotifiesOnce) {
  window_.notes.clear();
  window_.Manager().SetFocus(window_.Find(L"c"));
  window_.Manager().SetFocus(window_.Find(L"c"));
  EXPECT_EQ(window_.notes, (std::vector<std::wstring>{L"killfocus a", L"setfocus c"}));
}

TEST(WindowInit, ArrivesOnceAfterTheFirstLayout) {
  TestWindow window(L"<Window size=\"100,50\"><VerticalLayout><Label name=\"l\"/></VerticalLayout></Window>");
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(window.Find(L"l")->GetRect().right, 100);  // laid out before it came
  skin_test::Repaint(hwnd);
  ::SetWindowPos(hwnd, nullptr, 0, 0, 150, 60, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(window.Find(L"l")->GetRect().right, 150);
  EXPECT_EQ(window.Count(L"windowinit "), 1u);
}

class Notifications : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(hwnd_ = window_.Open(), nullptr); }
  TestWindow window_{L"<Window size=\"100,50\"><HorizontalLayout><Button name=\"b\"/></HorizontalLayout></Window>"};
  HWND hwnd_ = nullptr;
};

TEST_F(Notifications, SynchronousGoesToTheSendersDelegatesThenToTheWindow) {
  CSkinControl* button = window_.Find(L"b");
  std::vector<std::wstring> order;
  button->AddNotifyDelegate([&order, this](NotifyMsg& msg) { order.push_back(L"delegate " + msg.type + L" " +
                                                                              std::to_wstring(window_.notes.size())); });
  window_.notes.clear();
  window_.Manager().SendNotify(button, L"custom", 7, 9);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"delegate custom 0"}));
  EXPECT_EQ(window_.notes, (std::vector<std::wstring>{L"custom b"}));
}

TEST_F(Notifications, AsynchronousWaitsForTheNextMessage) {
  window_.notes.clear();
  window_.Manager().SendNotify(window_.Find(L"b"), L"later", 0, 0, true);
  EXPECT_TRUE(window_.notes.empty());
  ::SendMessageW(hwnd_, WM_NULL, 0, 0);
  EXPECT_EQ(window_.notes, (std::vector<std::wstring>{L"later b"}));
}

TEST_F(Notifications, ControlTimersNotifyWithTheControlsOwnId) {
  CSkinManager& manager = window_.Manager();
  CSkinControl* button = window_.Find(L"b");
  ASSERT_TRUE(manager.SetTimer(button, 42, 10));
  EXPECT_FALSE(manager.SetTimer(button, 42, 10));  // already running
  std::vector<WPARAM> ids;
  button->AddNotifyDelegate([&ids](NotifyMsg& msg) {
    if (msg.type == L"timer") ids.push_back(msg.wParam);
  });
  const DWORD start = ::GetTickCount();
  while (ids.empty() && ::GetTickCount() - start < 5000) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    skin_test::PumpMessages();
  }
  ASSERT_FALSE(ids.empty());
  EXPECT_EQ(ids.front(), 42u);
  EXPECT_TRUE(manager.KillTimer(button, 42));
  EXPECT_FALSE(manager.KillTimer(button, 42));
  EXPECT_TRUE(manager.SetTimer(button, 42, 10));  // revived
  EXPECT_TRUE(manager.KillTimer(button, 42));
}

TEST(HitTesting, TopmostVisibleMouseEnabledControlAndDisabledOnesToo) {
  // Two overlapping rows in a plain column; the second lies later.
  TestWindow window(
      L"<Window size=\"100,100\"><VerticalLayout inset=\"5,5,5,5\">"
      L"<Button name=\"first\" height=\"40\"/><Button name=\"second\" height=\"40\"/>"
      L"<Button name=\"hidden\" height=\"10\" visible=\"false\"/>"
      L"</VerticalLayout></Window>");
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  CSkinManager& manager = window.Manager();
  CSkinControl* column = manager.GetRoot();
  window.Find(L"second")->SetEnabled(false);
  const struct {
    POINT point;
    CSkinControl* expected;
  } cases[] = {
      {{50, 20}, window.Find(L"first")},
      {{50, 60}, window.Find(L"second")},  // disabled controls are found
      {{2, 20}, column},                  // in the inset: the column itself
      {{50, 90}, column},                  // below the rows
      {{150, 20}, nullptr},                // outside the window
  };
  for (const auto& c : cases) EXPECT_EQ(manager.FindControlAt(c.point), c.expected) << c.point.x << "," << c.point.y;

  window.Find(L"first")->SetMouseEnabled(false);
  EXPECT_EQ(manager.FindControlAt({50, 20}), column);
}

TEST(NameMap, FirstControlOfANameWinsAndRemovedControlsLeave) {
  TestWindow window(
      L"<Window size=\"100,100\"><VerticalLayout name=\"col\">"
      L"<Button name=\"twin\" height=\"10\"/><Label name=\"twin\" height=\"10\"/>"
      L"<HorizontalLayout name=\"row\"><Button name=\"inner\"/></HorizontalLayout>"
      L"</VerticalLayout></Window>");
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_NE(window.FindAs<CSkinButton>(L"twin"), nullptr);
  auto* column = dynamic_cast<CSkinVLayout*>(window.Find(L"col"));
  ASSERT_NE(column, nullptr);
  ASSERT_TRUE(column->Remove(window.Find(L"row")));
  EXPECT_EQ(window.Find(L"row"), nullptr);
  EXPECT_EQ(window.Find(L"inner"), nullptr);
  skin_test::PumpMessages();  // the delayed deletion runs
  skin_test::Repaint(hwnd);
  EXPECT_EQ(column->GetCount(), 2);
}

}  // namespace
