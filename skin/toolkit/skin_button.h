#pragma once
// A label with state images (normal, hot, pushed, focused, disabled) that
// reports "click" when pressed and released inside it, or on Space/Enter.

#include <cstdint>

#include "skin/toolkit/skin_label.h"

// Button state bits.
constexpr UINT kButtonFocused = 0x01;
constexpr UINT kButtonDisabled = 0x04;
constexpr UINT kButtonHot = 0x08;
constexpr UINT kButtonPushed = 0x10;
constexpr UINT kButtonCaptured = 0x40;

class CSkinButton : public CSkinLabel {
 public:
  CSkinButton();

  const wchar_t* ClassLabel() const override { return L"SkinButton"; }
  void* FindInterface(const wchar_t* name) override;
  UINT ControlFlags() const override;
  bool Activate() override;
  void SetEnabled(bool enabled) override;
  UINT GetButtonState() const { return state_; }

  // 0 leaves the state's colour unused.
  void SetHotTextColor(std::uint32_t argb);
  void SetPushedTextColor(std::uint32_t argb);
  void SetFocusedTextColor(std::uint32_t argb);
  void SetHotBkColor(std::uint32_t argb);
  void SetNormalImage(const std::wstring& text);
  void SetHotImage(const std::wstring& text);
  void SetPushedImage(const std::wstring& text);

  // Without a fixed height: the font's height plus 8.
  skin::Size EstimateSize(skin::Size available) override;
  void HandleEvent(UIEvent& event) override;
  void ApplyAttribute(const wchar_t* name, const wchar_t* value) override;
  void PaintStatusImage(HDC hdc) override;
  void PaintText(HDC hdc) override;

 private:
  void SetImage(ImageAttribute& image, const std::wstring& text);
  bool Inside(const POINT& point) const { return rect_.Contains({point.x, point.y}); }

  UINT state_ = 0;
  std::uint32_t hotBkColor_ = 0;
  std::uint32_t hotTextColor_ = 0;
  std::uint32_t pushedTextColor_ = 0;
  std::uint32_t focusedTextColor_ = 0;
  ImageAttribute normalImage_;
  ImageAttribute hotImage_;
  ImageAttribute hotForeImage_;
  ImageAttribute pushedImage_;
  ImageAttribute pushedForeImage_;
  ImageAttribute focusedImage_;
  ImageAttribute disabledImage_;
  ImageAttribute foreImage_;
};
