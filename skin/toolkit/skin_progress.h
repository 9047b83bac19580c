#pragma once
// A bar whose fore image covers the part of the control that the value
// fills, over the background image.

#include "skin/toolkit/progress_geometry.h"
#include "skin/toolkit/skin_label.h"

class CSkinProgress : public CSkinLabel {
 public:
  CSkinProgress();

  const wchar_t* ClassLabel() const override { return L"SkinProgress"; }
  void* FindInterface(const wchar_t* name) override;

  // Stored as given; the range is repaired and the value clamped at paint.
  void SetMinValue(int value);
  void SetMaxValue(int value);
  void SetValue(int value);
  int GetMinValue() const { return range_.minimum; }
  int GetMaxValue() const { return range_.maximum; }
  int GetValue() const { return range_.value; }
  void SetHorizontal(bool horizontal);
  void SetForeImage(const std::wstring& text);

  void ApplyAttribute(const wchar_t* name, const wchar_t* value) override;
  void PaintStatusImage(HDC hdc) override;

 private:
  skin::ProgressRange range_{0, 100, 0};
  skin::ProgressDirection direction_ = skin::ProgressDirection::Horizontal;
  ImageAttribute foreImage_;
};
