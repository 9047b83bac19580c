// The paint cycle: layout when asked for, the pending focus, then the tree
// painted into an off-screen bitmap and the update rectangle copied out.
#include <vector>

#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_tree.h"

namespace {

constexpr COLORREF kUpdateFrameColour = RGB(220, 0, 0);

}  // namespace

bool CSkinManager::HandlePaint() {
  RECT update{};
  if (!::GetUpdateRect(paintWindow_, &update, FALSE)) return false;
  PAINTSTRUCT ps{};
  if (!root_) {
    ::BeginPaint(paintWindow_, &ps);
    ::EndPaint(paintWindow_, &ps);
    return true;
  }
  LayoutIfNeeded();
  if (focusNeeded_) SetNextTabControl(true);

  const HDC target = ::BeginPaint(paintWindow_, &ps);
  if (offscreenPaint_) {
    PaintOffscreen(target, ps.rcPaint);
  } else {
    root_->Paint(target, skin::FromRECT(ps.rcPaint));
  }
  ::EndPaint(paintWindow_, &ps);
  // A control that asked for a layout while painting gets it next time.
  if (updateNeeded_) ::InvalidateRect(paintWindow_, nullptr, FALSE);
  return true;
}

void CSkinManager::LayoutIfNeeded() {
  if (!updateNeeded_) return;
  updateNeeded_ = false;
  RECT client{};
  ::GetClientRect(paintWindow_, &client);
  if (::IsRectEmpty(&client)) return;
  if (root_->IsUpdateNeeded()) {
    // A new size: the buffers are rebuilt at the next paint.
    offscreenBitmap_.Reset();
    offscreenDc_.Reset();
    backgroundBitmap_.Reset();
    root_->SetPosition(skin::FromRECT(client), true);
  } else {
    // Only the controls that asked, each where it is; their subtrees
    // follow with them.
    std::vector<CSkinControl*> asked;
    VisitControlTree(root_.get(), [&asked](CSkinControl& c) {
      if (!c.IsVisible()) return false;
      if (!c.IsUpdateNeeded()) return true;
      asked.push_back(&c);
      return false;
    });
    for (CSkinControl* c : asked) c->SetPosition(c->GetRect(), true);
  }
  if (firstLayout_) {
    firstLayout_ = false;
    SendNotify(root_.get(), L"windowinit");
  }
}

void CSkinManager::PaintOffscreen(HDC target, const RECT& update) {
  RECT client{};
  ::GetClientRect(paintWindow_, &client);
  const HDC paintDc = GetPaintDC();
  if (!offscreenDc_) offscreenDc_.Reset(::CreateCompatibleDC(paintDc));
  if (!offscreenBitmap_) offscreenBitmap_.Reset(::CreateCompatibleBitmap(paintDc, client.right, client.bottom));
  if (!offscreenDc_ || !offscreenBitmap_) {
    root_->Paint(target, skin::FromRECT(update));
    return;
  }
  if (transparentBackground_ && !backgroundBitmap_) {
    // What the window showed before its first paint lies under every paint.
    backgroundBitmap_.Reset(::CreateCompatibleBitmap(paintDc, client.right, client.bottom));
    skin::UniqueMemoryDc copy(::CreateCompatibleDC(paintDc));
    if (backgroundBitmap_ && copy) {
      skin::SelectedObject selected(copy.Get(), backgroundBitmap_.Get());
      ::BitBlt(copy.Get(), 0, 0, client.right, client.bottom, paintDc, 0, 0, SRCCOPY);
    }
  }

  const int width = update.right - update.left;
  const int height = update.bottom - update.top;
  skin::SelectedObject selected(offscreenDc_.Get(), offscreenBitmap_.Get());
  {
    skin::SavedDcState state(offscreenDc_.Get());
    ::IntersectClipRect(offscreenDc_.Get(), update.left, update.top, update.right, update.bottom);
    if (backgroundBitmap_) {
      skin::UniqueMemoryDc background(::CreateCompatibleDC(paintDc));
      skin::SelectedObject backgroundSelected(background.Get(), backgroundBitmap_.Get());
      ::BitBlt(offscreenDc_.Get(), update.left, update.top, width, height, background.Get(), update.left, update.top,
               SRCCOPY);
    }
    root_->Paint(offscreenDc_.Get(), skin::FromRECT(update));
  }
  ::BitBlt(target, update.left, update.top, width, height, offscreenDc_.Get(), update.left, update.top, SRCCOPY);
  if (showUpdateRect_) {
    skin::UniquePen pen(::CreatePen(PS_SOLID, 1, kUpdateFrameColour));
    skin::SelectedObject penSelected(target, pen.Get());
    skin::SelectedObject brushSelected(target, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(target, update.left, update.top, update.right, update.bottom);
  }
}

void CSkinManager::PrintClient(HDC target, LPARAM flags) {
  RECT client{};
  ::GetClientRect(paintWindow_, &client);
  skin::SavedDcState state(target);
  root_->Paint(target, skin::FromRECT(client));
  if ((flags & PRF_CHILDREN) == 0) return;
  for (HWND child = ::GetWindow(paintWindow_, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT pos{};
    ::GetWindowRect(child, &pos);
    ::MapWindowPoints(HWND_DESKTOP, paintWindow_, reinterpret_cast<POINT*>(&pos), 2);
    ::SetWindowOrgEx(target, -pos.left, -pos.top, nullptr);
    ::SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(target), flags | PRF_NONCLIENT);
  }
}
