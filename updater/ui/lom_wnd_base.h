#pragma once
// What the updater's three windows share: skins from the program's zip
// resource, their class style, and Escape/Enter closing the window.

#include "skin/toolkit/skin_button.h"
#include "skin/toolkit/skin_label.h"
#include "skin/toolkit/skin_layouts.h"
#include "skin/toolkit/skin_progress.h"
#include "skin/toolkit/skin_wnd_base.h"

class CLomWndBase : public CSkinWndBase {
 public:
  static constexpr UINT kSkinResourceId = 102;
  static constexpr WORD kIconResourceId = 101;
  // Close codes the key filter posts.
  static constexpr UINT kCloseByEnter = 1;
  static constexpr UINT kCloseByEscape = 2;

 protected:
  CLomWndBase() = default;

  // The parameters of the two main windows: no owner, a visible overlapped
  // window (the skin strips its caption), title by language, icon 101.
  void CreateMainWindow();

  UINT ClassStyle() const override;
  std::wstring SkinFolder() const override;
  SkinSourceType SkinSourceKind() const override;
  UINT SkinResourceId() const override;
  // Sees every key first, in the main loop and in modal loops alike; posts
  // WM_CLOSE for Escape and Enter but lets the key go on.
  LRESULT MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
};
