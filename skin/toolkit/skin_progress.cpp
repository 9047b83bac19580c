#include "skin/toolkit/skin_progress.h"

#include <cwchar>

#include "skin/toolkit/skin_values.h"

CSkinProgress::CSkinProgress() {
  fixed_.cy = 12;
  textStyle_ = DT_SINGLELINE | DT_CENTER;
}

void* CSkinProgress::FindInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Progress") == 0 ? this : CSkinLabel::FindInterface(name);
}

void CSkinProgress::SetMinValue(int value) {
  range_.minimum = value;
  Invalidate();
}

void CSkinProgress::SetMaxValue(int value) {
  range_.maximum = value;
  Invalidate();
}

void CSkinProgress::SetValue(int value) {
  range_.value = value;
  Invalidate();
}

void CSkinProgress::SetHorizontal(bool horizontal) {
  direction_ = horizontal ? skin::ProgressDirection::Horizontal : skin::ProgressDirection::Vertical;
  Invalidate();
}

void CSkinProgress::SetForeImage(const std::wstring& text) {
  foreImage_.SetText(text);
  Invalidate();
}

void CSkinProgress::ApplyAttribute(const wchar_t* name, const wchar_t* value) {
  const std::wstring key = name;
  if (key == L"foreimage") {
    SetForeImage(value);
  } else if (key == L"hor") {
    SetHorizontal(skin::ParseFlag(value));
  } else if (key == L"min") {
    SetMinValue(skin::ParseNumber(value));
  } else if (key == L"max") {
    SetMaxValue(skin::ParseNumber(value));
  } else if (key == L"value") {
    SetValue(skin::ParseNumber(value));
  } else if (key == L"isstretchfore") {
    // Accepted; the fore image is always stretched over the filled part.
  } else {
    CSkinLabel::ApplyAttribute(name, value);
  }
}

void CSkinProgress::PaintStatusImage(HDC hdc) {
  range_ = skin::NormalizedProgress(range_);
  const skin::Rect dest =
      skin::ProgressForeDestination(range_, {rect_.Width(), rect_.Height()}, direction_);
  DrawImage(hdc, foreImage_, &dest);
}
