#include "updater/ui/lom_wnd_base.h"

#include "updater/ui/shell_actions.h"
#include "updater/ui/ui_texts.h"

void CLomWndBase::CreateMainWindow() {
  Create(nullptr, TextsFor(UserUiLanguage()).windowTitle, WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE,
         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
  SetIconFromResource(kIconResourceId);
}

UINT CLomWndBase::ClassStyle() const { return CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS; }

std::wstring CLomWndBase::SkinFolder() const { return std::wstring(); }

SkinSourceType CLomWndBase::SkinSourceKind() const { return SKIN_ZIPRESOURCE; }

UINT CLomWndBase::SkinResourceId() const { return kSkinResourceId; }

LRESULT CLomWndBase::MessageHandler(UINT msg, WPARAM wParam, LPARAM, bool&) {
  if (msg != WM_KEYDOWN) return 0;
  if (wParam == VK_ESCAPE) Close(kCloseByEscape);
  if (wParam == VK_RETURN) Close(kCloseByEnter);
  return 0;
}
