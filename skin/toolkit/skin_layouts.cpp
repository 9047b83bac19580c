#include "skin/toolkit/skin_layouts.h"

#include <cwchar>

void* CSkinVLayout::FindInterface(const wchar_t* name) {
  return std::wcscmp(name, L"VerticalLayout") == 0 ? this : CSkinContainer::FindInterface(name);
}

void CSkinVLayout::LayoutChildren(const skin::Rect& inner) {
  skin::ArrangeChildren(skin::LayoutAxis::Vertical, inner, GetChildPadding(), LayoutItems());
}

void* CSkinHLayout::FindInterface(const wchar_t* name) {
  return std::wcscmp(name, L"HorizontalLayout") == 0 ? this : CSkinContainer::FindInterface(name);
}

void CSkinHLayout::LayoutChildren(const skin::Rect& inner) {
  skin::ArrangeChildren(skin::LayoutAxis::Horizontal, inner, GetChildPadding(), LayoutItems());
}
