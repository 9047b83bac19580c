#pragma once
// One image attribute of a control: its text, parsed and loaded at the
// first paint, and drawn over the control or a part of it.

#include <windows.h>

#include <string>

#include "skin/toolkit/image_description.h"
#include "skin/toolkit/skin_geometry.h"

class CSkinManager;
struct SkinImage;

class ImageAttribute {
 public:
  // A new text drops the loaded image; the same text keeps it.
  void SetText(const std::wstring& text);
  const std::wstring& Text() const { return text_; }
  bool IsEmpty() const { return text_.empty(); }

  // Draws the image over `controlRect` (or over `destOffsets`, offsets from
  // its top-left corner, in place of the attribute's own `dest`), limited
  // to `paintRect`. False when there is no image to draw.
  bool Draw(HDC hdc, CSkinManager& manager, const skin::Rect& controlRect, const skin::Rect& paintRect,
            const skin::Rect* destOffsets = nullptr);

 private:
  std::wstring text_;
  skin::ImageDescription description_;
  const SkinImage* image_ = nullptr;  // held by the manager's image cache
  bool loadAttempted_ = false;
};
