#pragma once
// A line of text in a colour and font of the window's manager.

#include <cstdint>

#include "skin/toolkit/skin_control.h"

class CSkinLabel : public CSkinControl {
 public:
  CSkinLabel();

  const wchar_t* ClassLabel() const override { return L"SkinLabel"; }
  void* FindInterface(const wchar_t* name) override;

  // 0 stands for the manager's default text colour.
  void SetTextColor(std::uint32_t argb);
  std::uint32_t GetTextColor() const { return textColor_; }
  void SetDisabledTextColor(std::uint32_t argb);
  void SetFont(int id);
  int GetFont() const { return font_; }
  void SetTextStyle(UINT style);
  UINT GetTextStyle() const { return textStyle_; }
  void SetTextPadding(const skin::Rect& padding);

  // Without a fixed height: the font's height plus 4.
  skin::Size EstimateSize(skin::Size available) override;
  void ApplyAttribute(const wchar_t* name, const wchar_t* value) override;
  void PaintText(HDC hdc) override;

 protected:
  // Fills in the manager's colours for 0 (kept from then on).
  void ResolveTextColors();
  // The height of the label's font, 0 without a manager.
  int FontHeight() const;
  void DrawLabelText(HDC hdc, std::uint32_t argb, UINT style);

  std::uint32_t textColor_ = 0;
  std::uint32_t disabledTextColor_ = 0;
  int font_ = -1;
  UINT textStyle_ = DT_VCENTER;
  skin::Rect textPadding_{};
};
