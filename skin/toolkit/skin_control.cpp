#include "skin/toolkit/skin_control.h"

#include <cwchar>

#include "skin/toolkit/skin_container.h"
#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_paint.h"
#include "skin/toolkit/skin_values.h"

CSkinControl::CSkinControl() = default;

CSkinControl::~CSkinControl() {
  // The manager must not keep pointing at a control that is gone.
  if (manager_ != nullptr) manager_->ReapObjects(this);
}

void* CSkinControl::FindInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Control") == 0 ? this : nullptr;
}

ISkinContainer* CSkinControl::AsContainer() { return static_cast<ISkinContainer*>(FindInterface(L"IContainer")); }

bool CSkinControl::Activate() { return IsVisible() && IsEnabled(); }

void CSkinControl::BindManager(CSkinManager* manager, CSkinControl* parent, bool init) {
  manager_ = manager;
  parent_ = parent;
  if (init && manager != nullptr) manager->RegisterName(this);
}

void CSkinControl::SetText(const std::wstring& text) {
  if (text_ == text) return;
  text_ = text;
  Invalidate();
}

void CSkinControl::SetPosition(const skin::Rect& rect, bool invalidate) {
  skin::Rect placed = rect;
  if (placed.right < placed.left) placed.right = placed.left;
  if (placed.bottom < placed.top) placed.bottom = placed.top;
  const skin::Rect old = rect_;
  rect_ = placed;
  updateNeeded_ = false;
  if (!invalidate || manager_ == nullptr || !IsVisible()) return;
  skin::Rect area = skin::Union(old, placed);
  for (CSkinControl* p = parent_; p != nullptr; p = p->parent_) {
    if (!p->IsVisible()) return;
    area = skin::Intersect(area, p->rect_);
    if (area.IsEmpty()) return;
  }
  manager_->Invalidate(area);
}

void CSkinControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (!IsVisible() && manager_ != nullptr && manager_->GetFocus() == this) manager_->SetFocus(nullptr);
  NeedParentUpdate();
}

void CSkinControl::SetInternVisible(bool visible) {
  internVisible_ = visible;
  if (!IsVisible() && manager_ != nullptr && manager_->GetFocus() == this) manager_->SetFocus(nullptr);
}

void CSkinControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Invalidate();
}

void CSkinControl::SetFocus() {
  if (manager_ != nullptr) manager_->SetFocus(this);
}

CSkinControl* CSkinControl::FindControlAt(POINT point) {
  return IsVisible() && IsMouseEnabled() && rect_.Contains({point.x, point.y}) ? this : nullptr;
}

void CSkinControl::HandleEvent(UIEvent& event) {
  switch (event.kind) {
    case UIEventKind::SetCursor:
      ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
      return;
    case UIEventKind::SetFocus:
      focused_ = true;
      Invalidate();
      return;
    case UIEventKind::KillFocus:
      focused_ = false;
      Invalidate();
      return;
    case UIEventKind::Timer:
      if (manager_ != nullptr) manager_->SendNotify(this, L"timer", event.wParam, event.lParam);
      return;
    default:
      if (parent_ != nullptr) parent_->HandleEvent(event);
      return;
  }
}

void CSkinControl::ApplyAttribute(const wchar_t* name, const wchar_t* value) {
  const std::wstring key = name;
  if (key == L"name") {
    SetName(value);
  } else if (key == L"text") {
    SetText(value);
  } else if (key == L"tooltip") {
    SetToolTip(value);
  } else if (key == L"visible") {
    SetVisible(skin::ParseFlag(value));
  } else if (key == L"width") {
    SetFixedWidth(skin::ParseNumber(value));
  } else if (key == L"height") {
    SetFixedHeight(skin::ParseNumber(value));
  } else if (key == L"padding") {
    SetPadding(skin::ParseRect(value));
  } else if (key == L"bkcolor") {
    SetBkColor(skin::ParseColour(value));
  } else if (key == L"bkimage") {
    SetBkImage(value);
  }
}

skin::Size CSkinControl::EstimateSize(skin::Size) { return fixed_; }

void CSkinControl::SetFixedWidth(int cx) {
  if (cx < 0) return;
  fixed_.cx = cx;
  NeedParentUpdate();
}

void CSkinControl::SetFixedHeight(int cy) {
  if (cy < 0) return;
  fixed_.cy = cy;
  NeedParentUpdate();
}

void CSkinControl::SetPadding(const skin::Rect& padding) {
  padding_ = padding;
  NeedParentUpdate();
}

void CSkinControl::SetBkColor(std::uint32_t argb) {
  if (bkColor_ == argb) return;
  bkColor_ = argb;
  Invalidate();
}

void CSkinControl::SetBkImage(const std::wstring& text) {
  if (bkImage_.Text() == text) return;
  bkImage_.SetText(text);
  Invalidate();
}

void CSkinControl::NeedUpdate() {
  if (!IsVisible()) return;
  updateNeeded_ = true;
  Invalidate();
  if (manager_ != nullptr) manager_->NeedUpdate();
}

void CSkinControl::NeedParentUpdate() {
  if (parent_ != nullptr) {
    parent_->NeedUpdate();
    parent_->Invalidate();
  } else {
    NeedUpdate();
  }
  if (manager_ != nullptr) manager_->NeedUpdate();
}

void CSkinControl::Invalidate() {
  if (!IsVisible() || manager_ == nullptr) return;
  skin::Rect area = rect_;
  for (CSkinControl* p = parent_; p != nullptr; p = p->parent_) {
    area = skin::Intersect(area, p->rect_);
    if (area.IsEmpty()) return;
  }
  manager_->Invalidate(area);
}

void CSkinControl::RunNotifyDelegates(NotifyMsg& msg) {
  // By index: a delegate may add another.
  for (std::size_t i = 0; i < notifyDelegates_.size(); ++i) notifyDelegates_[i](msg);
}

void CSkinControl::Paint(HDC hdc, const skin::Rect& paintRect) {
  paintRect_ = skin::Intersect(paintRect, rect_);
  if (paintRect_.IsEmpty()) return;
  PaintBkColor(hdc);
  PaintBkImage(hdc);
  PaintStatusImage(hdc);
  PaintText(hdc);
  PaintBorder(hdc);
}

void CSkinControl::PaintBkColor(HDC hdc) { skin::FillColour(hdc, paintRect_, rect_, bkColor_); }

void CSkinControl::PaintBkImage(HDC hdc) { DrawImage(hdc, bkImage_); }

bool CSkinControl::DrawImage(HDC hdc, ImageAttribute& image, const skin::Rect* destOffsets) {
  return manager_ != nullptr && image.Draw(hdc, *manager_, rect_, paintRect_, destOffsets);
}
