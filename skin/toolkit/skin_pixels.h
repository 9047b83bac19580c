#pragma once
// Skin images as 32-bit pixels: decoding, premultiplied alpha, the mask
// colour, and the software blend used when the system has no AlphaBlend.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/toolkit/skin_geometry.h"

namespace skin {

// Top-down rows of 0xAARRGGBB values (blue first in memory, as a 32-bit DIB
// holds them), colour channels premultiplied by alpha.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  bool hasTransparency = false;
};

// A read-only view of 32-bit pixels owned elsewhere (a PixelImage, a DIB).
struct PixelView {
  const std::uint32_t* pixels;
  int width;
  int height;
};

inline PixelView ViewOf(const PixelImage& image) { return {image.pixels.data(), image.width, image.height}; }

// Decodes an image file held in memory (PNG and the other formats of the
// decoder) into premultiplied pixels. A pixel equal to `maskColour` after
// premultiplication becomes fully transparent. Nothing on a decode failure.
std::optional<PixelImage> DecodeSkinImage(const unsigned char* data, std::size_t size, std::uint32_t maskColour);

// Converts straight RGBA bytes (4 per pixel, top-down) as above.
PixelImage PremultiplyRgba(const unsigned char* rgba, int width, int height, std::uint32_t maskColour);

// A writable view of 32-bit pixels owned elsewhere.
struct PixelSurface {
  std::uint32_t* pixels;
  int width;
  int height;
};

// Source-over of premultiplied pixels: `source` (a part of `image`) is
// scaled to `dest` (nearest pixel) on `target`, with `constantAlpha` as an
// extra opacity. Parts of `dest` outside the target are skipped.
void BlendPremultiplied(PixelSurface target, const Rect& dest, PixelView image, const Rect& source,
                        std::uint8_t constantAlpha);

}  // namespace skin
