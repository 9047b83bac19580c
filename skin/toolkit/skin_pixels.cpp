#include "skin/toolkit/skin_pixels.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace skin {
namespace {

struct StbFree {
  void operator()(unsigned char* p) const { stbi_image_free(p); }
};

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

}  // namespace

PixelImage PremultiplyRgba(const unsigned char* rgba, int width, int height, std::uint32_t maskColour) {
  PixelImage image;
  image.width = width;
  image.height = height;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  image.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t r = rgba[i * 4], g = rgba[i * 4 + 1], b = rgba[i * 4 + 2];
    const std::uint32_t a = rgba[i * 4 + 3];
    if (a != 255) {
      r = r * a / 255;
      g = g * a / 255;
      b = b * a / 255;
      image.hasTransparency = true;
    }
    std::uint32_t pixel = a << 24 | r << 16 | g << 8 | b;
    if (pixel == maskColour) {
      pixel = 0;
      image.hasTransparency = true;
    }
    image.pixels[i] = pixel;
  }
  return image;
}

std::optional<PixelImage> DecodeSkinImage(const unsigned char* data, std::size_t size, std::uint32_t maskColour) {
  if (data == nullptr || size == 0 || size > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<unsigned char, StbFree> rgba(
      stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4));
  if (!rgba || width <= 0 || height <= 0) return std::nullopt;
  return PremultiplyRgba(rgba.get(), width, height, maskColour);
}

void BlendPremultiplied(PixelSurface target, const Rect& dest, PixelView image, const Rect& source,
                        std::uint8_t constantAlpha) {
  if (dest.IsEmpty() || source.IsEmpty() || image.pixels == nullptr) return;
  const Rect visible = Intersect(dest, Rect{0, 0, target.width, target.height});
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int sy = source.top + static_cast<int>(static_cast<std::int64_t>(y - dest.top) * source.Height() / dest.Height());
    if (sy < 0 || sy >= image.height) continue;
    for (int x = visible.left; x < visible.right; ++x) {
      const int sx = source.left + static_cast<int>(static_cast<std::int64_t>(x - dest.left) * source.Width() / dest.Width());
      if (sx < 0 || sx >= image.width) continue;
      const std::uint32_t s = image.pixels[static_cast<std::size_t>(sy) * image.width + sx];
      std::uint32_t& d = target.pixels[static_cast<std::size_t>(y) * target.width + x];
      // Scale the premultiplied source by the constant alpha, then source-over.
      std::uint32_t out = 0;
      const std::uint32_t sa = Channel(s, 24) * constantAlpha / 255;
      for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t sc = Channel(s, shift) * constantAlpha / 255;
        const std::uint32_t dc = Channel(d, shift);
        out |= std::min<std::uint32_t>(255, sc + dc * (255 - sa) / 255) << shift;
      }
      d = out;
    }
  }
}

}  // namespace skin
