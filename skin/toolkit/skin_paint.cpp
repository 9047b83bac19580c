#include "skin/toolkit/skin_paint.h"

#include "skin/toolkit/gdi_handles.h"
#include "skin/toolkit/skin_values.h"

namespace skin {
namespace {

using AlphaBlendProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// msimg32 is loaded once and stays for the life of the process.
AlphaBlendProc SystemAlphaBlend() {
  static const AlphaBlendProc proc = [] {
    const HMODULE module = ::LoadLibraryW(L"msimg32.dll");
    return module != nullptr ? reinterpret_cast<AlphaBlendProc>(reinterpret_cast<void*>(::GetProcAddress(module, "AlphaBlend")))
                             : nullptr;
  }();
  return proc;
}

// Blends through a DIB copy of the target area.
void BlendInSoftware(HDC hdc, const Rect& dest, const SkinImage& image, const Rect& source, std::uint8_t fade) {
  const int width = dest.Width();
  const int height = dest.Height();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap copy(::CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueMemoryDc memory(::CreateCompatibleDC(hdc));
  if (!copy || bits == nullptr || !memory) return;
  SelectedObject selected(memory.Get(), copy.Get());
  ::BitBlt(memory.Get(), 0, 0, width, height, hdc, dest.left, dest.top, SRCCOPY);
  ::GdiFlush();
  BlendPremultiplied({static_cast<std::uint32_t*>(bits), width, height}, {0, 0, width, height}, image.View(), source, fade);
  ::BitBlt(hdc, dest.left, dest.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace

BlendRoute DefaultBlendRoute() { return SystemAlphaBlend() != nullptr ? BlendRoute::System : BlendRoute::Software; }

void DrawImagePieces(HDC hdc, const SkinImage& image, const std::vector<ImagePiece>& pieces, const Rect& paintRect,
                     std::uint8_t fade, BlendRoute route) {
  const bool composite = image.hasTransparency || fade < 255;
  const AlphaBlendProc alphaBlend = route == BlendRoute::System ? SystemAlphaBlend() : nullptr;
  UniqueMemoryDc memory(::CreateCompatibleDC(hdc));
  if (!memory) return;
  SelectedObject selected(memory.Get(), image.bitmap.Get());
  for (const ImagePiece& piece : pieces) {
    if (Intersect(piece.dest, paintRect).IsEmpty()) continue;
    const Rect& d = piece.dest;
    const Rect& s = piece.source;
    if (!composite) {
      ::SetStretchBltMode(hdc, COLORONCOLOR);
      ::StretchBlt(hdc, d.left, d.top, d.Width(), d.Height(), memory.Get(), s.left, s.top, s.Width(), s.Height(), SRCCOPY);
    } else if (alphaBlend != nullptr) {
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, fade, AC_SRC_ALPHA};
      alphaBlend(hdc, d.left, d.top, d.Width(), d.Height(), memory.Get(), s.left, s.top, s.Width(), s.Height(), blend);
    } else {
      BlendInSoftware(hdc, d, image, s, fade);
    }
  }
}

void FillColour(HDC hdc, const Rect& paintPart, const Rect& whole, std::uint32_t argb) {
  const std::uint32_t alpha = argb >> 24;
  if (alpha == 0) return;
  if (alpha == 255) {
    UniqueBrush brush(::CreateSolidBrush(ToColorRef(argb)));
    const RECT rc = ToRECT(paintPart);
    ::FillRect(hdc, &rc, brush.Get());
    return;
  }
  const unsigned char rgba[4] = {static_cast<unsigned char>(argb >> 16), static_cast<unsigned char>(argb >> 8),
                                 static_cast<unsigned char>(argb), static_cast<unsigned char>(alpha)};
  const auto image = CreateSkinImage(PremultiplyRgba(rgba, 1, 1, 0));
  if (image) DrawImagePieces(hdc, *image, {{whole, {0, 0, 1, 1}}}, whole, 255);
}

void DrawSkinText(HDC hdc, const Rect& rect, const std::wstring& text, std::uint32_t argb, HFONT font, UINT style) {
  if (text.empty()) return;
  const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColour = ::SetTextColor(hdc, ToColorRef(argb));
  SelectedObject selected(hdc, font);
  RECT rc = ToRECT(rect);
  ::DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rc, style | DT_NOPREFIX);
  ::SetTextColor(hdc, oldColour);
  ::SetBkMode(hdc, oldMode);
}

}  // namespace skin
