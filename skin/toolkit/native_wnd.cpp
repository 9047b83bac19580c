#include "skin/toolkit/native_wnd.h"

#include <exception>

#include "log/log_message.h"
#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/window_placement.h"

CNativeWnd::CNativeWnd() = default;

CNativeWnd::~CNativeWnd() { DestroyUnbound(); }

void CNativeWnd::DestroyUnbound() {
  if (hwnd_ == nullptr) return;
  const HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  if (!::IsWindow(hwnd)) return;
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd);
}

bool CNativeWnd::RegisterWindowClass() {
  WNDCLASSW wc{};
  wc.style = ClassStyle();
  wc.lpfnWndProc = &CNativeWnd::WindowProc;
  wc.hInstance = CSkinManager::GetInstance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = ClassName();
  return ::RegisterClassW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CNativeWnd::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
                        HMENU menu) {
  if (!RegisterWindowClass()) return nullptr;
  ::CreateWindowExW(exStyle, ClassName(), title, style, x, y, cx, cy, parent, menu, CSkinManager::GetInstance(), this);
  return hwnd_;
}

void CNativeWnd::Close(UINT code) {
  if (::IsWindow(hwnd_)) ::PostMessageW(hwnd_, WM_CLOSE, code, 0);
}

UINT CNativeWnd::RunModal() {
  if (!::IsWindow(hwnd_)) return 0;
  const HWND self = hwnd_;
  const HWND owner = ::GetWindow(self, GW_OWNER);
  ::ShowWindow(self, SW_SHOWNORMAL);
  if (owner != nullptr) ::EnableWindow(owner, FALSE);

  UINT result = 0;
  MSG msg{};
  bool quit = false;
  while (::IsWindow(self)) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got < 0) break;
    if (msg.message == WM_CLOSE && msg.hwnd == self) {
      result = static_cast<UINT>(msg.wParam);
      if (owner != nullptr) {
        ::EnableWindow(owner, TRUE);
        ::SetFocus(owner);
      }
    }
    if (!CSkinManager::PreTranslate(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  if (owner != nullptr) {
    ::EnableWindow(owner, TRUE);
    ::SetFocus(owner);
  }
  // The loop that runs outside this one must see the quit too.
  if (quit) ::PostQuitMessage(static_cast<int>(msg.wParam));
  return result;
}

void CNativeWnd::Center() {
  if (!::IsWindow(hwnd_)) return;
  RECT window{};
  ::GetWindowRect(hwnd_, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT reference = monitor.rcWork;
  const HWND owner = ::GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr && !::IsIconic(owner)) ::GetWindowRect(owner, &reference);
  const skin::Point at = skin::CenteredPosition(skin::FromRECT(reference),
                                                {window.right - window.left, window.bottom - window.top},
                                                skin::FromRECT(monitor.rcWork));
  ::SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CNativeWnd::Show(bool show, bool takeFocus) {
  if (!::IsWindow(hwnd_)) return;
  ::ShowWindow(hwnd_, show ? (takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

void CNativeWnd::SetIconFromResource(UINT id) {
  if (!::IsWindow(hwnd_)) return;
  const HINSTANCE module = CSkinManager::GetInstance();
  bigIcon_.Reset(static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                 ::GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR)));
  smallIcon_.Reset(static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                   LR_DEFAULTCOLOR)));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

LRESULT CNativeWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(hwnd_, msg, wParam, lParam);
}

BOOL CNativeWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(hwnd_, msg, wParam, lParam);
}

LRESULT CNativeWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(previousProc_, hwnd_, msg, wParam, lParam);
}

void CNativeWnd::OnFinalMessage(HWND) {}

LRESULT CALLBACK CNativeWnd::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    CNativeWnd* self = nullptr;
    if (msg == WM_NCCREATE) {
      self = static_cast<CNativeWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->hwnd_ = hwnd;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<CNativeWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      if (msg == WM_NCDESTROY && self != nullptr) {
        const LRESULT result = ::CallWindowProcW(self->previousProc_, hwnd, msg, wParam, lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnFinalMessage(hwnd);
        return result;
      }
    }
    if (self != nullptr) return self->HandleMessage(msg, wParam, lParam);
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  } catch (const std::exception& e) {
    LOG_ERROR << "window message " << msg << " failed: " << e.what();
  } catch (...) {
    LOG_ERROR << "window message " << msg << " failed";
  }
  return 0;
}
