// The paint manager's share of a window procedure: painting, mouse, keys,
// timers, tooltips.
#include "skin/toolkit/skin_manager.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// Messages reflected to the child window that sent them arrive as this base
// plus their own number.
constexpr UINT kReflectedMessageBase = WM_USER + 0x1C00;

constexpr DWORD kDefaultHoverMs = 400;

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

HWND ReflectionTarget(UINT msg, LPARAM lParam) {
  if (lParam == 0) return nullptr;
  if (msg == WM_NOTIFY) return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
  return reinterpret_cast<HWND>(lParam);
}

}  // namespace

bool CSkinManager::MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintWindow_ == nullptr) return false;
  DeliverQueuedNotifications();
  for (std::size_t i = 0; i < messageFilters_.size(); ++i) {
    bool handled = false;
    const LRESULT filtered = messageFilters_[i]->MessageHandler(msg, wParam, lParam, handled);
    if (handled) {
      result = filtered;
      return true;
    }
  }

  bool handled = false;
  switch (msg) {
    case kSkinDelayedCleanupMessage:
      delayedCleanup_.clear();
      handled = true;
      break;
    case WM_CLOSE:
      OnClose();  // not handled: the window goes on closing
      break;
    case WM_ERASEBKGND:
      result = 1;
      handled = true;
      break;
    case WM_PAINT:
      handled = HandlePaint();
      result = 0;
      break;
    case WM_PRINTCLIENT:
      if (root_) {
        PrintClient(reinterpret_cast<HDC>(wParam), lParam);
        handled = true;
      }
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      if (minInfo_.cx > 0) info->ptMinTrackSize.x = minInfo_.cx;
      if (minInfo_.cy > 0) info->ptMinTrackSize.y = minInfo_.cy;
      if (maxInfo_.cx > 0) info->ptMaxTrackSize.x = maxInfo_.cx;
      if (maxInfo_.cy > 0) info->ptMaxTrackSize.y = maxInfo_.cy;
      break;
    }
    case WM_SIZE:
      if (focus_ != nullptr) SendEvent(focus_, UIEventKind::WindowSize, lastMouse_, wParam, lParam);
      if (root_) root_->NeedUpdate();
      break;
    case WM_TIMER:
      if (const auto* entry = timers_.FindLive(paintWindow_, wParam)) {
        SendEvent(static_cast<CSkinControl*>(entry->control), UIEventKind::Timer, lastMouse_, entry->controlTimerId, lParam);
      }
      break;
    case WM_SETCURSOR: {
      if (LOWORD(lParam) != HTCLIENT) break;
      if (mouseCaptured_) {
        handled = true;
        break;
      }
      POINT point{};
      ::GetCursorPos(&point);
      ::ScreenToClient(paintWindow_, &point);
      CSkinControl* control = FindControlAt(point);
      if (control == nullptr || (control->ControlFlags() & kControlWantsSetCursor) == 0) break;
      SendEvent(control, UIEventKind::SetCursor, point, wParam, lParam);
      result = TRUE;
      handled = true;
      break;
    }
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam), wParam, lParam);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      ::SetFocus(paintWindow_);
      const POINT point = PointOf(lParam);
      lastMouse_ = point;
      CSkinControl* control = FindControlAt(point);
      if (control == nullptr || control->GetManager() != this) break;
      captured_ = control;
      control->SetFocus();
      SetCapture();
      SendEvent(control, msg == WM_LBUTTONDOWN ? UIEventKind::ButtonDown : UIEventKind::RightButtonDown, point, wParam,
                lParam);
      break;
    }
    case WM_LBUTTONDBLCLK: {
      ::SetFocus(paintWindow_);
      const POINT point = PointOf(lParam);
      lastMouse_ = point;
      CSkinControl* control = FindControlAt(point);
      if (control == nullptr || control->GetManager() != this) break;
      SetCapture();
      captured_ = control;
      SendEvent(control, UIEventKind::DoubleClick, point, wParam, lParam);
      break;
    }
    case WM_LBUTTONUP: {
      const POINT point = PointOf(lParam);
      lastMouse_ = point;
      if (captured_ == nullptr) break;
      ReleaseCapture();
      // Cleared first: the click may run a modal loop that sees more clicks.
      CSkinControl* control = captured_;
      captured_ = nullptr;
      SendEvent(control, UIEventKind::ButtonUp, point, wParam, lParam);
      break;
    }
    case WM_CONTEXTMENU: {
      ReleaseCapture();
      if (captured_ == nullptr) break;
      CSkinControl* control = captured_;
      captured_ = nullptr;
      SendEvent(control, UIEventKind::ContextMenu, lastMouse_, wParam, lParam);
      break;
    }
    case WM_MOUSEWHEEL: {
      POINT point = PointOf(lParam);
      ::ScreenToClient(paintWindow_, &point);
      CSkinControl* control = FindControlAt(point);
      if (control == nullptr || control->GetManager() != this) break;
      const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
      SendEvent(control, UIEventKind::ScrollWheel, point, MAKEWPARAM(delta < 0 ? SB_LINEDOWN : SB_LINEUP, 0), lParam);
      ::SendMessageW(paintWindow_, WM_MOUSEMOVE, 0, MAKELPARAM(lastMouse_.x, lastMouse_.y));
      break;
    }
    case WM_MOUSEHOVER:
      OnMouseHover(PointOf(lParam));
      break;
    case WM_MOUSELEAVE:
      HideToolTip();
      if (mouseTracking_) ::SendMessageW(paintWindow_, WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
      mouseTracking_ = false;
      break;
    case WM_KEYDOWN:
      if (focus_ == nullptr) break;
      keyCaptured_ = focus_;
      SendEvent(focus_, UIEventKind::KeyDown, lastMouse_, wParam, lParam, static_cast<wchar_t>(wParam));
      break;
    case WM_KEYUP: {
      if (keyCaptured_ == nullptr) break;
      CSkinControl* control = keyCaptured_;
      keyCaptured_ = nullptr;
      SendEvent(control, UIEventKind::KeyUp, lastMouse_, wParam, lParam, static_cast<wchar_t>(wParam));
      break;
    }
    case WM_CHAR:
      if (focus_ != nullptr) SendEvent(focus_, UIEventKind::Char, lastMouse_, wParam, lParam, static_cast<wchar_t>(wParam));
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (HWND child = ReflectionTarget(msg, lParam)) {
        result = ::SendMessageW(child, kReflectedMessageBase + msg, wParam, lParam);
        handled = true;
      }
      break;
    default:
      break;
  }
  DeliverQueuedNotifications();
  return handled;
}

void CSkinManager::OnClose() {
  // Every control that saw a press or an entry sees it end.
  if (hot_ != nullptr) {
    CSkinControl* control = hot_;
    hot_ = nullptr;
    SendEvent(control, UIEventKind::MouseLeave, lastMouse_);
  }
  if (captured_ != nullptr) {
    CSkinControl* control = captured_;
    captured_ = nullptr;
    SendEvent(control, UIEventKind::ButtonUp, lastMouse_);
  }
  SetFocus(nullptr);
  if (HWND owner = ::GetWindow(paintWindow_, GW_OWNER)) ::SetFocus(owner);
}

void CSkinManager::OnMouseMove(POINT point, WPARAM wParam, LPARAM lParam) {
  if (!mouseTracking_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = paintWindow_;
    track.dwHoverTime = toolTip_ != nullptr
                            ? static_cast<DWORD>(::SendMessageW(toolTip_, TTM_GETDELAYTIME, TTDT_INITIAL, 0))
                            : kDefaultHoverMs;
    ::TrackMouseEvent(&track);
    mouseTracking_ = true;
  }
  lastMouse_ = point;
  CSkinControl* under = FindControlAt(point);
  if (under != nullptr && under->GetManager() != this) return;
  if (under != hot_) {
    if (hot_ != nullptr) {
      CSkinControl* old = hot_;
      hot_ = nullptr;
      SendEvent(old, UIEventKind::MouseLeave, point, wParam, lParam);
      HideToolTip();
    }
    if (under != nullptr) {
      hot_ = under;
      SendEvent(under, UIEventKind::MouseEnter, point, wParam, lParam);
    }
  }
  if (CSkinControl* target = captured_ != nullptr ? captured_ : under) {
    SendEvent(target, UIEventKind::MouseMove, point, wParam, lParam);
  }
}

void CSkinManager::OnMouseHover(POINT point) {
  mouseTracking_ = false;
  CSkinControl* under = FindControlAt(point);
  if (under == nullptr) return;
  if (hot_ != nullptr) SendEvent(hot_, UIEventKind::MouseHover, point);
  if (under->GetToolTip().empty()) return;

  toolTipText_ = under->GetToolTip();
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = paintWindow_;
  tool.uId = reinterpret_cast<UINT_PTR>(paintWindow_);
  tool.hinst = GetInstance();
  tool.lpszText = toolTipText_.data();
  tool.rect = skin::ToRECT(under->GetRect());
  if (toolTip_ == nullptr) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    toolTip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, paintWindow_, nullptr, GetInstance(),
                                 nullptr);
    if (toolTip_ == nullptr) return;
    ::SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  ::SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, under->GetToolTipWidth());
  ::SendMessageW(toolTip_, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageW(toolTip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void CSkinManager::HideToolTip() {
  if (toolTip_ == nullptr) return;
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = paintWindow_;
  tool.uId = reinterpret_cast<UINT_PTR>(paintWindow_);
  ::SendMessageW(toolTip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
