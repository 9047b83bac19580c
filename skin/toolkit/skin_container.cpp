#include "skin/toolkit/skin_container.h"

#include <algorithm>
#include <cwchar>

#include "skin/toolkit/gdi_handles.h"
#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_values.h"

CSkinContainer::CSkinContainer() = default;

CSkinContainer::~CSkinContainer() { items_.clear(); }

void* CSkinContainer::FindInterface(const wchar_t* name) {
  if (std::wcscmp(name, L"IContainer") == 0) return static_cast<ISkinContainer*>(this);
  if (std::wcscmp(name, L"Container") == 0) return this;
  return CSkinControl::FindInterface(name);
}

CSkinControl* CSkinContainer::GetItemAt(int index) const {
  return index >= 0 && index < GetCount() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
}

int CSkinContainer::GetItemIndex(const CSkinControl* control) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == control) return static_cast<int>(i);
  }
  return -1;
}

bool CSkinContainer::Add(std::unique_ptr<CSkinControl> control) { return AddAt(std::move(control), GetCount()); }

bool CSkinContainer::AddAt(std::unique_ptr<CSkinControl> control, int index) {
  if (!control || index < 0 || index > GetCount()) return false;
  CSkinControl* child = control.get();
  child->BindManager(manager_, this, manager_ != nullptr);
  items_.insert(items_.begin() + index, std::move(control));
  if (IsVisible()) {
    NeedUpdate();
  } else {
    child->SetInternVisible(false);
  }
  return true;
}

bool CSkinContainer::Remove(CSkinControl* control) {
  const int index = GetItemIndex(control);
  if (index < 0) return false;
  std::unique_ptr<CSkinControl> removed = std::move(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  Discard(std::move(removed));
  NeedUpdate();
  return true;
}

void CSkinContainer::RemoveAll() {
  std::vector<std::unique_ptr<CSkinControl>> removed;
  removed.swap(items_);
  for (auto& child : removed) Discard(std::move(child));
  NeedUpdate();
}

void CSkinContainer::Discard(std::unique_ptr<CSkinControl> control) {
  if (manager_ != nullptr) manager_->AddDelayedCleanup(std::move(control));
  // Otherwise no event can be running on it, and it is deleted on return.
}

void CSkinContainer::SetInset(const skin::Rect& inset) {
  inset_ = inset;
  NeedUpdate();
}

void CSkinContainer::SetChildPadding(int padding) {
  childPadding_ = padding;
  NeedUpdate();
}

void CSkinContainer::BindManager(CSkinManager* manager, CSkinControl* parent, bool init) {
  CSkinControl::BindManager(manager, parent, init);
  for (auto& child : items_) child->BindManager(manager, this, init);
}

void CSkinContainer::SetVisible(bool visible) {
  if (visible_ == visible) return;
  CSkinControl::SetVisible(visible);
  for (auto& child : items_) child->SetInternVisible(IsVisible());
}

void CSkinContainer::SetInternVisible(bool visible) {
  CSkinControl::SetInternVisible(visible);
  for (auto& child : items_) child->SetInternVisible(IsVisible());
}

void CSkinContainer::SetPosition(const skin::Rect& rect, bool invalidate) {
  CSkinControl::SetPosition(rect, invalidate);
  if (items_.empty()) return;
  LayoutChildren(InnerRect());
}

void CSkinContainer::LayoutChildren(const skin::Rect& inner) {
  for (auto& child : items_) {
    if (child->IsVisible()) child->SetPosition(inner, false);
  }
}

std::vector<skin::LayoutItem*> CSkinContainer::LayoutItems() const {
  std::vector<skin::LayoutItem*> out;
  out.reserve(items_.size());
  for (const auto& child : items_) out.push_back(child.get());
  return out;
}

skin::Rect CSkinContainer::InnerRect() const {
  return {rect_.left + inset_.left, rect_.top + inset_.top, rect_.right - inset_.right, rect_.bottom - inset_.bottom};
}

CSkinControl* CSkinContainer::FindControlAt(POINT point) {
  if (!IsVisible() || !rect_.Contains({point.x, point.y})) return nullptr;
  if (InnerRect().Contains({point.x, point.y})) {
    // Later children lie on top.
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
      if (CSkinControl* hit = (*it)->FindControlAt(point)) return hit;
    }
  }
  return IsMouseEnabled() ? this : nullptr;
}

void CSkinContainer::ApplyAttribute(const wchar_t* name, const wchar_t* value) {
  if (std::wcscmp(name, L"inset") == 0) {
    SetInset(skin::ParseRect(value));
  } else if (std::wcscmp(name, L"childpadding") == 0) {
    SetChildPadding(skin::ParseNumber(value));
  } else {
    CSkinControl::ApplyAttribute(name, value);
  }
}

void CSkinContainer::Paint(HDC hdc, const skin::Rect& paintRect) {
  const skin::Rect own = skin::Intersect(paintRect, rect_);
  if (own.IsEmpty()) return;
  {
    skin::SavedDcState state(hdc);
    ::IntersectClipRect(hdc, own.left, own.top, own.right, own.bottom);
    CSkinControl::Paint(hdc, paintRect);
  }
  const skin::Rect inner = InnerRect();
  const skin::Rect childArea = skin::Intersect(paintRect, inner);
  if (items_.empty() || childArea.IsEmpty()) return;
  skin::SavedDcState state(hdc);
  ::IntersectClipRect(hdc, childArea.left, childArea.top, childArea.right, childArea.bottom);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    CSkinControl* child = items_[i].get();
    if (!child->IsVisible()) continue;
    if (skin::Intersect(child->GetRect(), childArea).IsEmpty()) continue;
    child->Paint(hdc, paintRect);
  }
}
