// Native window and window base: the modal loop and its result, closing,
// centring, an absent skin archive, and leaving the routing when destroyed.
#include <gtest/gtest.h>

#include "toolkit_test_window.h"

namespace {

using skin_test::TestWindow;

constexpr const wchar_t* kSkin =
    L"<Window size=\"310,100\" caption=\"0,0,0,20\"><VerticalLayout>"
    L"<HorizontalLayout height=\"30\"><Button name=\"close\" width=\"20\"/></HorizontalLayout>"
    L"</VerticalLayout></Window>";

// Sees a window's messages as they reach its manager.
class Recorder : public IMessageFilter {
 public:
  explicit Recorder(HWND owner) : owner_(owner) {}
  LRESULT MessageHandler(UINT msg, WPARAM, LPARAM, bool&) override {
    if (msg == kProbe) ownerEnabledDuringRun = ::IsWindowEnabled(owner_) != FALSE;
    return 0;
  }
  static constexpr UINT kProbe = WM_APP + 5;
  bool ownerEnabledDuringRun = true;

 private:
  HWND owner_;
};

TEST(RunModal, ReturnsTheCodeOfTheWmCloseThatEndedIt) {
  const struct {
    const char* scenario;
    std::vector<std::pair<UINT, WPARAM>> posted;
    UINT expected;
  } cases[] = {
      {"close with 1", {{WM_CLOSE, 1}}, 1},
      {"close with 2", {{WM_CLOSE, 2}}, 2},
      {"the first close decides", {{WM_CLOSE, 2}, {WM_CLOSE, 1}}, 2},
      {"system close gives 0", {{WM_SYSCOMMAND, SC_CLOSE}}, 0},
      {"Escape closes with 1 by default", {{WM_KEYDOWN, VK_ESCAPE}}, 1},
  };
  for (const auto& c : cases) {
    TestWindow window(kSkin);
    const HWND hwnd = window.Open();
    ASSERT_NE(hwnd, nullptr) << c.scenario;
    for (const auto& [msg, wParam] : c.posted) ::PostMessageW(hwnd, msg, wParam, 0);
    EXPECT_EQ(window.RunModal(), c.expected) << c.scenario;
    EXPECT_FALSE(::IsWindow(hwnd)) << c.scenario;
    skin_test::PumpMessages();  // a later close finds no window
  }
}

TEST(RunModal, DisablesTheOwnerWhileItRuns) {
  TestWindow owner(kSkin);
  const HWND ownerWnd = owner.Open();
  TestWindow box(kSkin);
  const HWND boxWnd = box.Open(ownerWnd);
  ASSERT_NE(boxWnd, nullptr);
  Recorder recorder(ownerWnd);
  box.Manager().AddMessageFilter(&recorder);
  ::PostMessageW(boxWnd, Recorder::kProbe, 0, 0);
  box.Close(3);
  EXPECT_EQ(box.RunModal(), 3u);
  EXPECT_FALSE(recorder.ownerEnabledDuringRun);
  EXPECT_TRUE(::IsWindowEnabled(ownerWnd));
}

TEST(RunModal, QuitEndsItAndIsPostedAgain) {
  TestWindow window(kSkin);
  const HWND hwnd = window.Open();
  ::PostQuitMessage(5);
  EXPECT_EQ(window.RunModal(), 0u);
  EXPECT_TRUE(::IsWindow(hwnd));  // the quit does not close the window
  MSG msg{};
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
}

TEST(Center, OverTheWorkAreaOrTheOwnerAndKeptInside) {
  TestWindow window(kSkin);
  const HWND hwnd = window.Open();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  window.Center();
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  EXPECT_EQ(rc.left, (work.left + work.right) / 2 - 155);
  EXPECT_EQ(rc.top, (work.top + work.bottom) / 2 - 50);
  EXPECT_EQ(rc.right - rc.left, 310);

  // Over an owner near the corner: pulled back inside the work area.
  TestWindow owner(kSkin);
  const HWND ownerWnd = owner.Open();
  ::SetWindowPos(ownerWnd, nullptr, work.left, work.top, 40, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  TestWindow box(kSkin);
  const HWND boxWnd = box.Open(ownerWnd);
  box.Center();
  ::GetWindowRect(boxWnd, &rc);
  EXPECT_EQ(rc.left, work.left);
  EXPECT_EQ(rc.top, work.top);
}

TEST(WindowBase, BorderlessWithTheWholeWindowAsClient) {
  TestWindow window(kSkin);
  const HWND hwnd = window.Open(nullptr, WS_OVERLAPPEDWINDOW);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CAPTION, 0);
  RECT client{}, outer{};
  ::GetClientRect(hwnd, &client);
  ::GetWindowRect(hwnd, &outer);
  EXPECT_EQ(client.right, outer.right - outer.left);
  EXPECT_EQ(client.bottom, outer.bottom - outer.top);
  EXPECT_EQ(client.right, 310);
}

TEST(WindowBase, WithoutTheZipResourceTheWindowStaysEmpty) {
  TestWindow window(L"UpdaterWnd.xml", SKIN_ZIPRESOURCE, 102);
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(window.Manager().GetRoot(), nullptr);
  EXPECT_TRUE(window.notes.empty());
  EXPECT_TRUE(CSkinSource::Process().ZipName().empty());
}

TEST(WindowBase, DestroyedWindowsLeaveTheRouting) {
  TestWindow window(kSkin);
  const HWND hwnd = window.Open();
  MSG tab{hwnd, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(CSkinManager::PreTranslate(&tab));
  ::DestroyWindow(hwnd);
  EXPECT_EQ(window.GetHWND(), nullptr);
  EXPECT_FALSE(CSkinManager::PreTranslate(&tab));
}

TEST(WindowBase, AnObjectGoneBeforeItsWindowTakesTheWindowWithIt) {
  HWND hwnd = nullptr;
  {
    TestWindow window(kSkin);
    hwnd = window.Open();
  }
  EXPECT_FALSE(::IsWindow(hwnd));
  skin_test::PumpMessages();
}

}  // namespace
