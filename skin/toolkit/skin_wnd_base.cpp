#include "skin/toolkit/skin_wnd_base.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "skin/toolkit/skin_builder.h"
#include "skin/toolkit/skin_tree.h"
#include "skin/toolkit/skin_values.h"
#include "skin/toolkit/window_placement.h"

namespace {

// The raw bytes of a resource of the program, or nothing.
bool FindResourceBytes(UINT id, const wchar_t* type, const void** bytes, DWORD* size) {
  const HMODULE module = CSkinManager::GetResourceInstance();
  const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (resource == nullptr) return false;
  const HGLOBAL loaded = ::LoadResource(module, resource);
  *size = ::SizeofResource(module, resource);
  *bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  return *bytes != nullptr && *size != 0;
}

// Controls under which a press in the caption band stays a press.
bool KeepsClicks(const CSkinControl& control) {
  for (const wchar_t* label : {L"SkinButton", L"SkinOption", L"SkinText"}) {
    if (skin::EqualsIgnoringCase(control.ClassLabel(), label)) return true;
  }
  return false;
}

}  // namespace

CSkinWndBase::CSkinWndBase() {
  OnNotifyType(L"click", [this](NotifyMsg& msg) { OnClick(msg); });
}

CSkinWndBase::~CSkinWndBase() {
  // Before the manager goes: the window's messages would still reach it.
  if (hwnd_ != nullptr) {
    OnFinalMessage(hwnd_);
    DestroyUnbound();
  }
}

void CSkinWndBase::Notify(NotifyMsg& msg) { RelayNotify(msg); }

LRESULT CSkinWndBase::MessageHandler(UINT msg, WPARAM wParam, LPARAM, bool& handled) {
  if (msg == WM_KEYDOWN) handled = OnDefaultKey(wParam);
  return 0;
}

std::unique_ptr<CSkinControl> CSkinWndBase::CreateControl(const wchar_t*) { return nullptr; }

void CSkinWndBase::OnClick(NotifyMsg& msg) {
  if (msg.sender == nullptr) return;
  const std::wstring& name = msg.sender->GetName();
  if (name == L"closebtn") {
    Close(IDOK);
  } else if (name == L"minbtn") {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (name == L"maxbtn") {
    SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  } else if (name == L"restorebtn") {
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
  }
}

bool CSkinWndBase::OnDefaultKey(WPARAM key) {
  if (key != VK_ESCAPE) return false;
  Close(IDOK);
  return true;
}

LRESULT CSkinWndBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = true;
  switch (msg) {
    case WM_CREATE: result = OnCreate(msg, wParam, lParam, handled); break;
    case WM_CLOSE: result = OnClose(msg, wParam, lParam, handled); break;
    case WM_DESTROY: result = OnDestroy(msg, wParam, lParam, handled); break;
    case WM_NCACTIVATE: result = OnNcActivate(msg, wParam, lParam, handled); break;
    case WM_NCCALCSIZE: result = OnNcCalcSize(msg, wParam, lParam, handled); break;
    case WM_NCPAINT: result = OnNcPaint(msg, wParam, lParam, handled); break;
    case WM_NCHITTEST: result = OnNcHitTest(msg, wParam, lParam, handled); break;
    case WM_GETMINMAXINFO: result = OnGetMinMaxInfo(msg, wParam, lParam, handled); break;
    case WM_MOUSEWHEEL: result = OnMouseWheel(msg, wParam, lParam, handled); break;
    case WM_MOUSEHOVER: result = OnMouseHover(msg, wParam, lParam, handled); break;
    case WM_SIZE: result = OnSize(msg, wParam, lParam, handled); break;
    case WM_CHAR: result = OnChar(msg, wParam, lParam, handled); break;
    case WM_SYSCOMMAND: result = OnSysCommand(msg, wParam, lParam, handled); break;
    case WM_KEYDOWN: result = OnKeyDown(msg, wParam, lParam, handled); break;
    case WM_KILLFOCUS: result = OnKillFocus(msg, wParam, lParam, handled); break;
    case WM_SETFOCUS: result = OnSetFocus(msg, wParam, lParam, handled); break;
    case WM_LBUTTONDOWN: result = OnLButtonDown(msg, wParam, lParam, handled); break;
    case WM_LBUTTONUP: result = OnLButtonUp(msg, wParam, lParam, handled); break;
    case WM_MOUSEMOVE: result = OnMouseMove(msg, wParam, lParam, handled); break;
    default: handled = false; break;
  }
  if (handled) return result;
  result = HandleCustomMessage(msg, wParam, lParam, handled);
  if (handled) return result;
  if (manager_.MessageHandler(msg, wParam, lParam, result)) return result;
  return CNativeWnd::HandleMessage(msg, wParam, lParam);
}

void CSkinWndBase::OnFinalMessage(HWND) {
  manager_.RemovePreMessageFilter(this);
  manager_.RemoveNotifier(this);
  VisitControlTree(manager_.GetRoot(), [this](CSkinControl& c) {
    manager_.ReapObjects(&c);
    return true;
  });
  manager_.Detach();
}

LRESULT CSkinWndBase::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  ::SetWindowLongPtrW(hwnd_, GWL_STYLE, WindowStyle() | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  manager_.Init(hwnd_);
  manager_.AddPreMessageFilter(this);
  if (!LoadSkin()) return 0;
  manager_.AddNotifier(this);
  manager_.SetTransparentBackground(true);
  InitWindow();
  return 0;
}

bool CSkinWndBase::LoadSkin() {
  CSkinSource& source = CSkinSource::Process();
  if (source.ResourcePath().empty()) source.SetResourcePath(CSkinManager::GetInstancePath() + SkinFolder());

  const SkinSourceType kind = SkinSourceKind();
  if (kind == SKIN_ZIPRESOURCE) {
    const void* bytes = nullptr;
    DWORD size = 0;
    if (!FindResourceBytes(SkinResourceId(), L"ZIPRES", &bytes, &size)) return false;
    // The first window installs the archive; later ones find it there.
    if (source.ZipName().empty()) source.SetResourceZip(bytes, size);
  } else if (kind == SKIN_ZIP && source.ZipName().empty()) {
    std::vector<unsigned char> archive;
    CSkinSource plainFiles;
    plainFiles.SetResourcePath(source.ResourcePath());
    if (plainFiles.ReadSkinFile(ZipFileName(), archive) == SkinReadStatus::Ok) {
      source.SetResourceZip(archive.data(), archive.size());
    }
  }

  CSkinBuilder builder;
  std::unique_ptr<CSkinControl> root;
  const std::wstring file = SkinFile();
  if (kind == SKIN_RESOURCE) {
    root = builder.Create(MAKEINTRESOURCEW(skin::ParseNumber(file.c_str())), L"xml", this, &manager_);
  } else {
    root = builder.Create(file.c_str(), nullptr, this, &manager_);
  }
  if (!root) {
    ::MessageBoxW(nullptr, L"加载资源文件失败", L"Tamsel", MB_OK | MB_ICONERROR);
    ::ExitProcess(1);
  }
  manager_.AttachRoot(std::move(root));
  return true;
}

LONG_PTR CSkinWndBase::WindowStyle() const { return ::GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION); }

LRESULT CSkinWndBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& handled) {
  handled = !::IsIconic(hwnd_);
  return wParam == 0 ? TRUE : FALSE;
}

LRESULT CSkinWndBase::OnNcCalcSize(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = true;
  if (!::IsZoomed(hwnd_)) return 0;  // no non-client area: the client is the window
  RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
  proposed->right = proposed->left + (monitor.rcWork.right - monitor.rcWork.left);
  proposed->bottom = proposed->top + (monitor.rcWork.bottom - monitor.rcWork.top);
  return WVR_REDRAW;
}

LRESULT CSkinWndBase::OnNcPaint(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  return 0;
}

LRESULT CSkinWndBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool& handled) {
  handled = true;
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ScreenToClient(hwnd_, &point);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  if (!skin::InCaptionBand(skin::FromRECT(client), manager_.GetCaptionRect(), {point.x, point.y})) return HTCLIENT;
  const CSkinControl* control = manager_.FindControlAt(point);
  return control != nullptr && !KeepsClicks(*control) ? HTCAPTION : HTCLIENT;
}

LRESULT CSkinWndBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& handled) {
  handled = false;  // the manager applies the skin's sizes after this
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMaxPosition.x = monitor.rcWork.left - monitor.rcMonitor.left;
  info->ptMaxPosition.y = monitor.rcWork.top - monitor.rcMonitor.top;
  info->ptMaxTrackSize.x = monitor.rcWork.right - monitor.rcWork.left;
  info->ptMaxTrackSize.y = monitor.rcWork.bottom - monitor.rcWork.top;
  info->ptMinTrackSize.x = manager_.GetMinInfo().cx;
  info->ptMinTrackSize.y = manager_.GetMinInfo().cy;
  return 0;
}

LRESULT CSkinWndBase::OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = true;
  if ((wParam & 0xFFF0) == SC_CLOSE) {
    ::SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    return 0;
  }
  return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
}

#define SKIN_UNHANDLED_MESSAGE(Handler)                                          \
  LRESULT CSkinWndBase::Handler(UINT, WPARAM, LPARAM, bool& handled) {          \
    handled = false;                                                             \
    return 0;                                                                    \
  }

SKIN_UNHANDLED_MESSAGE(OnClose)
SKIN_UNHANDLED_MESSAGE(OnDestroy)
SKIN_UNHANDLED_MESSAGE(OnMouseWheel)
SKIN_UNHANDLED_MESSAGE(OnMouseHover)
SKIN_UNHANDLED_MESSAGE(OnSize)
SKIN_UNHANDLED_MESSAGE(OnChar)
SKIN_UNHANDLED_MESSAGE(OnKeyDown)
SKIN_UNHANDLED_MESSAGE(OnKillFocus)
SKIN_UNHANDLED_MESSAGE(OnSetFocus)
SKIN_UNHANDLED_MESSAGE(OnLButtonDown)
SKIN_UNHANDLED_MESSAGE(OnLButtonUp)
SKIN_UNHANDLED_MESSAGE(OnMouseMove)
SKIN_UNHANDLED_MESSAGE(HandleCustomMessage)

#undef SKIN_UNHANDLED_MESSAGE
