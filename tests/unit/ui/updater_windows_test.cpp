// The updater's windows as real Win32 windows with the shipped skins: the
// tips box's modes, the keys that close the modal windows, and the updater
// window turning every close into the end of the message loop.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/toolkit/skin_manager.h"
#include "updater/ui/launch_wnd.h"
#include "updater/ui/tips_box_wnd.h"
#include "updater/ui/updater_wnd.h"

namespace {

class UpdaterWindows : public testing::Test {
 protected:
  static void SetUpTestSuite() { CSkinManager::SetInstance(::GetModuleHandleW(nullptr)); }
};

}  // namespace

TEST_F(UpdaterWindows, TipsBoxModeDecidesCancelButtonAndConfirmText) {
  struct Case {
    int mode;
    bool cancelVisible;
    std::wstring confirmText;
  };
  const std::vector<Case> cases = {
      {CTipsBoxWnd::kModeConfirmOnly, false, L"\u786e\u5b9a"},
      {CTipsBoxWnd::kModeWithCancel, true, L"\u786e\u5b9a"},
      {CTipsBoxWnd::kModeCallerConfirmText, false, L""},
      {3, true, L"\u786e\u5b9a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    CTipsBoxWnd box(nullptr, L"message text", c.mode);
    ASSERT_NE(box.GetHWND(), nullptr);
    ASSERT_NE(box.ConfirmButton(), nullptr);
    EXPECT_EQ(box.ConfirmButton()->GetText(), c.confirmText);
    EXPECT_EQ(box.Manager().FindControl(L"cancelButton")->IsVisible(), c.cancelVisible);
    EXPECT_EQ(box.Manager().FindControl(L"tipsLabel")->GetText(), L"message text");
  }
}

// Enter also reaches the focused close button, whose click comes second: the
// first WM_CLOSE decides the result.
TEST_F(UpdaterWindows, EscapeAndEnterCloseTheModalWindowsWithTheirCodes) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<CNativeWnd>()> make;
    WPARAM key;
    UINT result;
  };
  const auto tipsBox = [] { return std::make_unique<CTipsBoxWnd>(nullptr, L"t", CTipsBoxWnd::kModeConfirmOnly); };
  const auto launchWindow = [] { return std::make_unique<CLaunchWnd>(); };
  const std::vector<Case> cases = {
      {"tips box, Escape", tipsBox, VK_ESCAPE, 2},
      {"tips box, Enter", tipsBox, VK_RETURN, 1},
      {"launch window, Escape", launchWindow, VK_ESCAPE, 2},
      {"launch window, Enter", launchWindow, VK_RETURN, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto window = c.make();
    ASSERT_NE(window->GetHWND(), nullptr);
    window->PostMessage(WM_KEYDOWN, c.key, 0);
    EXPECT_EQ(window->RunModal(), c.result);
  }
}

TEST_F(UpdaterWindows, UpdaterWindowEndsTheLoopOnCloseAndStaysAlive) {
  for (const UINT message : {UINT(WM_CLOSE), UINT(WM_QUIT)}) {
    SCOPED_TRACE(message);
    CUpdaterWnd window([](const ZipConf&) { return std::shared_ptr<ZipDownloader>(); });
    ASSERT_NE(window.GetHWND(), nullptr);
    window.SendMessage(message, 2, 0);
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_TRUE(::IsWindow(window.GetHWND()));
  }
}
