#pragma once
// Drawing primitives of the controls: images (alpha-blended or stretched),
// colour fills and single texts.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/toolkit/image_description.h"
#include "skin/toolkit/skin_image.h"

namespace skin {

// How images with transparency reach the target.
enum class BlendRoute {
  System,    // AlphaBlend of msimg32, when the system has it
  Software,  // the toolkit's own blend
};

// The route this process uses: decided once, by looking AlphaBlend up.
BlendRoute DefaultBlendRoute();

// Draws the pieces of an image that meet `paintRect`. Images with
// transparency, or a fade below 255, are composited; opaque ones stretched.
void DrawImagePieces(HDC hdc, const SkinImage& image, const std::vector<ImagePiece>& pieces, const Rect& paintRect,
                     std::uint8_t fade, BlendRoute route = DefaultBlendRoute());

// Background colour: nothing at alpha 0; a solid fill of `paintPart` at
// alpha 255; otherwise the colour blended over `whole`.
void FillColour(HDC hdc, const Rect& paintPart, const Rect& whole, std::uint32_t argb);

// One text in the colour's red, green and blue, transparent background,
// with DrawText's `style` plus DT_NOPREFIX.
void DrawSkinText(HDC hdc, const Rect& rect, const std::wstring& text, std::uint32_t argb, HFONT font, UINT style);

}  // namespace skin
