#include "skin/toolkit/skin_label.h"

#include <cwchar>

#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_paint.h"
#include "skin/toolkit/skin_values.h"

CSkinLabel::CSkinLabel() = default;

void* CSkinLabel::FindInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Label") == 0 ? this : CSkinControl::FindInterface(name);
}

void CSkinLabel::SetTextColor(std::uint32_t argb) {
  textColor_ = argb;
  Invalidate();
}

void CSkinLabel::SetDisabledTextColor(std::uint32_t argb) {
  disabledTextColor_ = argb;
  Invalidate();
}

void CSkinLabel::SetFont(int id) {
  font_ = id;
  Invalidate();
}

void CSkinLabel::SetTextStyle(UINT style) {
  textStyle_ = style;
  Invalidate();
}

void CSkinLabel::SetTextPadding(const skin::Rect& padding) {
  textPadding_ = padding;
  Invalidate();
}

int CSkinLabel::FontHeight() const { return manager_ != nullptr ? manager_->GetFontHeight(font_) : 0; }

skin::Size CSkinLabel::EstimateSize(skin::Size) {
  if (fixed_.cy == 0) return {fixed_.cx, FontHeight() + 4};
  return fixed_;
}

void CSkinLabel::ApplyAttribute(const wchar_t* name, const wchar_t* value) {
  const std::wstring key = name;
  if (key == L"align") {
    // Each word is looked for in turn; later ones win where they disagree.
    if (skin::Contains(value, L"left")) textStyle_ &= ~(DT_CENTER | DT_RIGHT | DT_SINGLELINE);
    if (skin::Contains(value, L"center")) {
      textStyle_ &= ~DT_RIGHT;
      textStyle_ |= DT_CENTER;
    }
    if (skin::Contains(value, L"right")) {
      textStyle_ &= ~(DT_CENTER | DT_SINGLELINE);
      textStyle_ |= DT_RIGHT;
    }
  } else if (key == L"valign") {
    if (skin::Contains(value, L"top")) {
      textStyle_ &= ~(DT_VCENTER | DT_BOTTOM);
      textStyle_ |= DT_SINGLELINE;
    }
    if (skin::Contains(value, L"vcenter")) {
      textStyle_ &= ~DT_BOTTOM;
      textStyle_ |= DT_VCENTER | DT_SINGLELINE;
    }
    if (skin::Contains(value, L"bottom")) {
      textStyle_ &= ~DT_VCENTER;
      textStyle_ |= DT_BOTTOM | DT_SINGLELINE;
    }
  } else if (key == L"endellipsis") {
    if (skin::ParseFlag(value)) textStyle_ |= DT_END_ELLIPSIS;
  } else if (key == L"font") {
    SetFont(skin::ParseNumber(value));
  } else if (key == L"textcolor") {
    SetTextColor(skin::ParseColour(value));
  } else if (key == L"disabledtextcolor") {
    SetDisabledTextColor(skin::ParseColour(value));
  } else if (key == L"textpadding") {
    SetTextPadding(skin::ParseRect(value));
  } else {
    CSkinControl::ApplyAttribute(name, value);
  }
}

void CSkinLabel::ResolveTextColors() {
  if (manager_ == nullptr) return;
  if (textColor_ == 0) textColor_ = manager_->GetDefaultTextColor();
  if (disabledTextColor_ == 0) disabledTextColor_ = manager_->GetDefaultDisabledColor();
}

void CSkinLabel::PaintText(HDC hdc) {
  ResolveTextColors();
  if (text_.empty()) return;
  DrawLabelText(hdc, IsEnabled() ? textColor_ : disabledTextColor_, textStyle_ | DT_SINGLELINE);
}

void CSkinLabel::DrawLabelText(HDC hdc, std::uint32_t argb, UINT style) {
  if (manager_ == nullptr) return;
  const skin::Rect area{rect_.left + textPadding_.left, rect_.top + textPadding_.top, rect_.right - textPadding_.right,
                        rect_.bottom - textPadding_.bottom};
  skin::DrawSkinText(hdc, area, text_, argb, manager_->GetFont(font_), style);
}
