#include "updater/ui/update_run.h"

#include "updater/ui/shell_actions.h"
#include "updater/ui/tips_box_wnd.h"
#include "updater/ui/ui_texts.h"
#include "updater/ui/window_corner.h"

namespace {

// Only exactly 1 asks for the notice; other non-zero values are forced
// without it.
constexpr std::int32_t kForcedWithNotice = 1;  // the one value that shows the notice
constexpr const wchar_t* kClientMainWindowClass = L"fenlo";

void ShowForcedNotice() {
  const HWND client = ::FindWindowW(kClientMainWindowClass, nullptr);
  CTipsBoxWnd notice(client, TextsFor(UserUiLanguage()).forcedNotice, CTipsBoxWnd::kModeConfirmOnly);
  notice.Center();
  notice.RunModal();
}

void PlaceInCorner(HWND window) {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT own{};
  ::GetWindowRect(window, &own);
  const skin::Point corner =
      CornerPosition({work.left, work.top, work.right, work.bottom}, {own.left, own.top, own.right, own.bottom});
  ::SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

}  // namespace

void RunUpdateWindows(const ZipConf& conf, const UpdateRunHooks& hooks) {
  if (conf.forcedUpdate == kForcedWithNotice) {
    ShowForcedNotice();
    if (hooks.closeClient) hooks.closeClient();
  }
  CUpdaterWnd window(hooks.makeJob);
  window.Show(false);
  PlaceInCorner(window.GetHWND());
  window.StartUpdate(conf);
  window.Show(true, true);
  ::SetActiveWindow(window.GetHWND());
  ::SetForegroundWindow(window.GetHWND());
  CSkinManager::RunMessageLoop();
}
