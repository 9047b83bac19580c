#include "skin/toolkit/skin_button.h"

#include <cwchar>

#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_paint.h"
#include "skin/toolkit/skin_values.h"

namespace {

bool IsMouseEvent(UIEventKind kind) {
  switch (kind) {
    case UIEventKind::MouseMove:
    case UIEventKind::MouseLeave:
    case UIEventKind::MouseEnter:
    case UIEventKind::MouseHover:
    case UIEventKind::ButtonDown:
    case UIEventKind::ButtonUp:
    case UIEventKind::RightButtonDown:
    case UIEventKind::DoubleClick:
    case UIEventKind::ContextMenu:
    case UIEventKind::ScrollWheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

CSkinButton::CSkinButton() { textStyle_ = DT_SINGLELINE | DT_VCENTER | DT_CENTER; }

void* CSkinButton::FindInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Button") == 0 ? this : CSkinLabel::FindInterface(name);
}

UINT CSkinButton::ControlFlags() const {
  return (IsEnabled() ? kControlWantsSetCursor : 0) | (IsKeyboardEnabled() ? kControlTabStop : 0);
}

bool CSkinButton::Activate() {
  if (!CSkinLabel::Activate()) return false;
  if (manager_ != nullptr) manager_->SendNotify(this, L"click");
  return true;
}

void CSkinButton::SetEnabled(bool enabled) {
  CSkinLabel::SetEnabled(enabled);
  if (!enabled) state_ = 0;
}

void CSkinButton::SetHotTextColor(std::uint32_t argb) {
  hotTextColor_ = argb;
  Invalidate();
}

void CSkinButton::SetPushedTextColor(std::uint32_t argb) {
  pushedTextColor_ = argb;
  Invalidate();
}

void CSkinButton::SetFocusedTextColor(std::uint32_t argb) {
  focusedTextColor_ = argb;
  Invalidate();
}

void CSkinButton::SetHotBkColor(std::uint32_t argb) {
  hotBkColor_ = argb;
  Invalidate();
}

void CSkinButton::SetImage(ImageAttribute& image, const std::wstring& text) {
  image.SetText(text);
  Invalidate();
}

void CSkinButton::SetNormalImage(const std::wstring& text) { SetImage(normalImage_, text); }
void CSkinButton::SetHotImage(const std::wstring& text) { SetImage(hotImage_, text); }
void CSkinButton::SetPushedImage(const std::wstring& text) { SetImage(pushedImage_, text); }

skin::Size CSkinButton::EstimateSize(skin::Size) {
  if (fixed_.cy == 0) return {fixed_.cx, FontHeight() + 8};
  return fixed_;
}

void CSkinButton::HandleEvent(UIEvent& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.kind)) {
    if (parent_ != nullptr) parent_->HandleEvent(event);
    return;
  }
  switch (event.kind) {
    case UIEventKind::SetFocus:
    case UIEventKind::KillFocus:
      Invalidate();
      CSkinLabel::HandleEvent(event);
      return;
    case UIEventKind::KeyDown:
      if (IsKeyboardEnabled() && (event.key == VK_SPACE || event.key == VK_RETURN)) Activate();
      return;
    case UIEventKind::ButtonDown:
    case UIEventKind::DoubleClick:
      if (Inside(event.mouse) && IsEnabled()) {
        state_ |= kButtonPushed | kButtonCaptured;
        Invalidate();
      }
      return;
    case UIEventKind::MouseMove:
      if ((state_ & kButtonCaptured) != 0) {
        if (Inside(event.mouse)) {
          state_ |= kButtonPushed;
        } else {
          state_ &= ~kButtonPushed;
        }
        Invalidate();
      }
      return;
    case UIEventKind::ButtonUp:
      if ((state_ & kButtonCaptured) != 0) {
        state_ &= ~(kButtonPushed | kButtonCaptured);
        Invalidate();
        if (Inside(event.mouse)) Activate();
      }
      return;
    case UIEventKind::MouseEnter:
      if (IsEnabled()) {
        state_ |= kButtonHot;
        Invalidate();
      }
      return;
    case UIEventKind::MouseLeave:
      if (IsEnabled()) {
        state_ &= ~kButtonHot;
        Invalidate();
      }
      return;
    case UIEventKind::SetCursor:
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return;
    default:
      CSkinLabel::HandleEvent(event);
      return;
  }
}

void CSkinButton::ApplyAttribute(const wchar_t* name, const wchar_t* value) {
  const std::wstring key = name;
  if (key == L"normalimage") {
    SetImage(normalImage_, value);
  } else if (key == L"hotimage") {
    SetImage(hotImage_, value);
  } else if (key == L"pushedimage") {
    SetImage(pushedImage_, value);
  } else if (key == L"focusedimage") {
    SetImage(focusedImage_, value);
  } else if (key == L"disabledimage") {
    SetImage(disabledImage_, value);
  } else if (key == L"foreimage") {
    SetImage(foreImage_, value);
  } else if (key == L"hotforeimage") {
    SetImage(hotForeImage_, value);
  } else if (key == L"pushedforeimage") {
    SetImage(pushedForeImage_, value);
  } else if (key == L"hotbkcolor") {
    SetHotBkColor(skin::ParseColour(value));
  } else if (key == L"hottextcolor") {
    SetHotTextColor(skin::ParseColour(value));
  } else if (key == L"pushedtextcolor") {
    SetPushedTextColor(skin::ParseColour(value));
  } else if (key == L"focusedtextcolor") {
    SetFocusedTextColor(skin::ParseColour(value));
  } else {
    CSkinLabel::ApplyAttribute(name, value);
  }
}

void CSkinButton::PaintStatusImage(HDC hdc) {
  state_ = IsFocused() ? (state_ | kButtonFocused) : (state_ & ~kButtonFocused);
  state_ = IsEnabled() ? (state_ & ~kButtonDisabled) : (state_ | kButtonDisabled);

  // A state image falls back to the normal one when it draws nothing.
  auto stateImage = [&](ImageAttribute& image) {
    if (!DrawImage(hdc, image)) DrawImage(hdc, normalImage_);
  };
  if ((state_ & kButtonDisabled) != 0) {
    stateImage(disabledImage_);
  } else if ((state_ & kButtonPushed) != 0) {
    stateImage(pushedImage_);
    if (DrawImage(hdc, pushedForeImage_)) return;
  } else if ((state_ & kButtonHot) != 0) {
    stateImage(hotImage_);
    if (DrawImage(hdc, hotForeImage_)) return;
    if (hotBkColor_ != 0) {
      skin::FillColour(hdc, paintRect_, rect_, hotBkColor_);
      return;
    }
  } else if ((state_ & kButtonFocused) != 0) {
    stateImage(focusedImage_);
  } else {
    DrawImage(hdc, normalImage_);
  }
  DrawImage(hdc, foreImage_);
}

void CSkinButton::PaintText(HDC hdc) {
  ResolveTextColors();
  if (text_.empty()) return;
  std::uint32_t colour = IsEnabled() ? textColor_ : disabledTextColor_;
  if ((state_ & kButtonPushed) != 0 && pushedTextColor_ != 0) {
    colour = pushedTextColor_;
  } else if ((state_ & kButtonHot) != 0 && hotTextColor_ != 0) {
    colour = hotTextColor_;
  } else if ((state_ & kButtonFocused) != 0 && focusedTextColor_ != 0) {
    colour = focusedTextColor_;
  }
  DrawLabelText(hdc, colour, textStyle_);
}
