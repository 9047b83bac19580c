// The three skin files of the package, built by the real builder into real
// windows: every rectangle their windows are known to have.
#include <gtest/gtest.h>

#include "layout_test_box.h"
#include "skin/toolkit/skin_layouts.h"
#include "toolkit_test_window.h"

namespace {

using skin::Rect;
using skin_test::TestWindow;

class SkinFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    // The package's files are copied next to the test program.
    CSkinSource::Process().SetResourcePath(CSkinManager::GetInstancePath() + L"skin_files\\");
  }

  static Rect WindowRect(HWND hwnd) {
    RECT rc{};
    ::GetWindowRect(hwnd, &rc);
    return {0, 0, rc.right - rc.left, rc.bottom - rc.top};
  }

  static Rect At(TestWindow& window, const wchar_t* name) {
    CSkinControl* control = window.Find(name);
    EXPECT_NE(control, nullptr) << "no control named " << static_cast<const void*>(name);
    return control != nullptr ? control->GetRect() : Rect{};
  }
};

TEST_F(SkinFiles, UpdaterWindowWhileDownloading) {
  TestWindow window(L"UpdaterWnd.xml");
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(WindowRect(hwnd), (Rect{0, 0, 310, 100}));
  EXPECT_EQ(window.Manager().GetCaptionRect(), (Rect{0, 0, 0, 20}));
  EXPECT_EQ(At(window, L"titleLabel"), (Rect{10, 0, 210, 30}));
  EXPECT_EQ(At(window, L"tipsLabel"), (Rect{10, 30, 310, 60}));
  EXPECT_EQ(At(window, L"downloadProgress"), (Rect{10, 74, 220, 77}));
  EXPECT_EQ(At(window, L"skipButton"), (Rect{229, 62, 300, 88}));
  EXPECT_FALSE(window.Find(L"closeButton")->IsVisible());
  EXPECT_FALSE(window.Find(L"installButton")->IsVisible());  // hidden with its row

  window.Find(L"closeButton")->SetVisible(true);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(At(window, L"closeButton"), (Rect{286, 8, 300, 22}));
}

TEST_F(SkinFiles, UpdaterWindowAfterTheRowsSwap) {
  TestWindow window(L"UpdaterWnd.xml");
  const HWND hwnd = window.Open();
  window.Find(L"progressLayout")->SetVisible(false);
  window.Find(L"buttonLayout")->SetVisible(true);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(At(window, L"buttonLayout"), (Rect{10, 60, 300, 100}));
  EXPECT_EQ(At(window, L"installButton"), (Rect{229, 64, 300, 90}));
  EXPECT_TRUE(window.Find(L"installButton")->IsVisible());
  EXPECT_FALSE(window.Find(L"skipButton")->IsVisible());
}

TEST_F(SkinFiles, UpdaterWindowForcedUpdateAndWidened) {
  TestWindow window(L"UpdaterWnd.xml");
  const HWND hwnd = window.Open();
  window.Find(L"skipButton")->SetVisible(false);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(At(window, L"downloadProgress"), (Rect{10, 74, 300, 77}));

  // Widened to 360 keeping the right edge: the layout follows the size.
  ::SetWindowPos(hwnd, nullptr, 0, 0, 360, 100, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  window.Find(L"closeButton")->SetVisible(true);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(At(window, L"closeButton"), (Rect{336, 8, 350, 22}));
  EXPECT_EQ(At(window, L"downloadProgress"), (Rect{10, 74, 350, 77}));
}

TEST_F(SkinFiles, TipsBox) {
  TestWindow window(L"TipsBoxWnd.xml");
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(WindowRect(hwnd), (Rect{0, 0, 310, 100}));
  EXPECT_EQ(At(window, L"closeButton"), (Rect{290, 8, 304, 22}));
  EXPECT_EQ(At(window, L"tipsLabel"), (Rect{18, 30, 310, 60}));
  EXPECT_EQ(At(window, L"cancelButton"), (Rect{144, 69, 216, 93}));
  EXPECT_EQ(At(window, L"confirmButton"), (Rect{224, 69, 296, 93}));

  window.Find(L"cancelButton")->SetVisible(false);
  skin_test::Repaint(hwnd);
  EXPECT_EQ(At(window, L"confirmButton"), (Rect{224, 69, 296, 93}));
}

TEST_F(SkinFiles, LaunchWindow) {
  TestWindow window(L"LaunchWnd.xml");
  const HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(WindowRect(hwnd), (Rect{0, 0, 420, 210}));
  EXPECT_EQ(window.Manager().GetCaptionRect(), (Rect{0, 0, 0, 32}));
  EXPECT_EQ(At(window, L"titleLabel").left, 10);
  EXPECT_EQ(At(window, L"closeButton"), (Rect{290, 8, 304, 22}));
  EXPECT_EQ(At(window, L"tipsLabel"), (Rect{0, 32, 420, 62}));
  EXPECT_EQ(At(window, L"launchButton"), (Rect{0, 62, 80, 98}));
}

TEST_F(SkinFiles, FontsWithoutIdRegisterNothing) {
  TestWindow window(L"TipsBoxWnd.xml");
  window.Open();
  CSkinManager& manager = window.Manager();
  for (int id : {0, 1, 2, 3}) EXPECT_EQ(manager.GetFont(id), manager.GetFont(-1)) << id;
}

TEST_F(SkinFiles, CaptionDragsOverLabelsAndLayoutsButNotOverButtons) {
  TestWindow window(L"LaunchWnd.xml");
  const HWND hwnd = window.Open();
  RECT at{};
  ::GetWindowRect(hwnd, &at);
  const struct {
    int x, y;
    LRESULT expected;
  } cases[] = {
      {50, 10, HTCAPTION},   // title label
      {286, 4, HTCAPTION},   // the close button's column, above the button
      {295, 12, HTCLIENT},   // close button
      {350, 31, HTCAPTION},  // last caption row, title bar
      {50, 32, HTCLIENT},    // below the caption
      {40, 80, HTCLIENT},    // launch button
  };
  for (const auto& c : cases) {
    const LRESULT hit = ::SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(at.left + c.x, at.top + c.y));
    EXPECT_EQ(hit, c.expected) << c.x << "," << c.y;
  }
}

}  // namespace
