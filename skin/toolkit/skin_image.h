#pragma once
// A decoded skin image as a top-down 32-bit DIB section with premultiplied
// alpha, and how an image name is found.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/toolkit/gdi_handles.h"
#include "skin/toolkit/skin_pixels.h"

struct SkinImage {
  skin::UniqueBitmap bitmap;
  const std::uint32_t* pixels = nullptr;  // the DIB's own memory
  int width = 0;
  int height = 0;
  bool hasTransparency = false;

  skin::PixelView View() const { return {pixels, width, height}; }
};

// Copies decoded pixels into a new DIB section; null when GDI refuses.
std::unique_ptr<SkinImage> CreateSkinImage(const skin::PixelImage& image);

// Finds and decodes an image: from the resource `name` of `resourceType`
// when a type is given, else through the skin source (a file under the
// resource path, or the archive entry of that name); failing that, `name`
// as a file path of its own. Null when nothing is found or decodable.
std::unique_ptr<SkinImage> LoadSkinImage(const std::wstring& name, const std::wstring& resourceType,
                                         std::uint32_t maskColour);
