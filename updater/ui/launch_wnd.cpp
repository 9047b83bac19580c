#include "updater/ui/launch_wnd.h"

CLaunchWnd::CLaunchWnd() { CreateMainWindow(); }

const wchar_t* CLaunchWnd::ClassName() const { return L"lom_updater_launch_wnd_class_name"; }

std::wstring CLaunchWnd::SkinFile() const { return L"LaunchWnd.xml"; }

// The launch button reads as "open the class again": it ends the window like
// the close button, after which the caller starts the launcher.
void CLaunchWnd::Notify(NotifyMsg& msg) {
  if (msg.type != L"click" || msg.sender == nullptr) return;
  const std::wstring& sender = msg.sender->GetName();
  if (sender == L"closeButton" || sender == L"launchButton") Close(kClosedByButton);
}
