#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/toolkit/skin_pixels.h"
#include "toolkit_png_fixture.h"

namespace {

using skin::PixelImage;
using skin::Rect;

TEST(SkinImageDecode, PremultipliesColoursAndFlagsTransparency) {
  const struct {
    const char* scenario;
    unsigned char r, g, b, a;
    std::uint32_t mask;
    std::uint32_t expected;
    bool transparent;
  } cases[] = {
      {"opaque pixel copied as is", 0x16, 0x94, 0xFF, 0xFF, 0, 0xFF1694FF, false},
      {"half alpha scales each colour", 200, 100, 51, 128, 0, 0x80643219, true},
      {"alpha 0 clears the colours", 255, 255, 255, 0, 0, 0x00000000, true},
      {"integer division truncates", 255, 1, 254, 254, 0, 0xFEFE00FD, true},
      {"mask colour becomes clear and transparent", 0xFF, 0x00, 0xFF, 0xFF, 0xFFFF00FF, 0x00000000, true},
      {"mask compares after premultiplication", 0xFF, 0x00, 0xFF, 0xFF, 0xFF0000FF, 0xFFFF00FF, false},
  };
  for (const auto& c : cases) {
    const std::vector<unsigned char> rgba = {c.r, c.g, c.b, c.a};
    const auto png = skin_test::MakeRgbaPng(1, 1, rgba);
    const auto image = skin::DecodeSkinImage(png.data(), png.size(), c.mask);
    ASSERT_TRUE(image.has_value()) << c.scenario;
    EXPECT_EQ(image->pixels.at(0), c.expected) << c.scenario << std::hex << " got " << image->pixels[0];
    EXPECT_EQ(image->hasTransparency, c.transparent) << c.scenario;
  }
}

unsigned char Lit(bool on) { return on ? 255 : 0; }

TEST(SkinImageDecode, KeepsSizeAndTopDownOrder) {
  // 2 x 3: rows red, green, blue; the first row comes first.
  std::vector<unsigned char> rgba;
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 2; ++col) rgba.insert(rgba.end(), {Lit(row == 0), Lit(row == 1), Lit(row == 2), 255});
  const auto png = skin_test::MakeRgbaPng(2, 3, rgba);
  const auto image = skin::DecodeSkinImage(png.data(), png.size(), 0);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->height, 3);
  EXPECT_EQ(image->pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFF0000, 0xFF00FF00, 0xFF00FF00, 0xFF0000FF,
                                                       0xFF0000FF}));
}

TEST(SkinImageDecode, RejectsWhatIsNotAnImage) {
  const auto png = skin_test::MakeRgbaPng(4, 4, std::vector<unsigned char>(64, 0x7F));
  const std::vector<unsigned char> truncated(png.begin(), png.begin() + 40);
  const std::vector<unsigned char> text = {'<', 'W', 'i', 'n', 'd', 'o', 'w', '/', '>'};
  EXPECT_FALSE(skin::DecodeSkinImage(truncated.data(), truncated.size(), 0).has_value());
  EXPECT_FALSE(skin::DecodeSkinImage(text.data(), text.size(), 0).has_value());
  EXPECT_FALSE(skin::DecodeSkinImage(nullptr, 0, 0).has_value());
}

PixelImage Solid(int w, int h, std::uint32_t pixel) {
  PixelImage image;
  image.width = w;
  image.height = h;
  image.pixels.assign(static_cast<std::size_t>(w) * h, pixel);
  image.hasTransparency = (pixel >> 24) != 0xFF;
  return image;
}

TEST(SoftwareBlend, SourceOverWithPremultipliedAlphaAndConstantAlpha) {
  const struct {
    const char* scenario;
    std::uint32_t source;
    std::uint8_t constantAlpha;
    std::uint32_t expected;  // over a 0xFF204060 background
  } cases[] = {
      {"opaque source replaces", 0xFF112233, 255, 0xFF112233},
      {"clear source keeps the background", 0x00000000, 255, 0xFF204060},
      {"half source mixes", 0x80400000, 255, 0xFF4F1F2F},
      {"constant alpha 0 draws nothing", 0xFF112233, 0, 0xFF204060},
  };
  for (const auto& c : cases) {
    std::vector<std::uint32_t> target(4, 0xFF204060);
    skin::BlendPremultiplied({target.data(), 2, 2}, {0, 0, 2, 2}, skin::ViewOf(Solid(1, 1, c.source)), {0, 0, 1, 1}, c.constantAlpha);
    EXPECT_EQ(target[3], c.expected) << c.scenario << std::hex << " got " << target[3];
  }
}

TEST(SoftwareBlend, StretchesTheSourcePartAndStaysInsideTheTarget) {
  // Image: left column A, right column B. Only the right column is the
  // source, stretched over a destination that hangs off the target.
  PixelImage image = Solid(2, 1, 0xFFAAAAAA);
  image.pixels[1] = 0xFFBBBBBB;
  std::vector<std::uint32_t> target(3 * 2, 0);
  skin::BlendPremultiplied({target.data(), 3, 2}, {1, -1, 5, 1}, skin::ViewOf(image), {1, 0, 2, 1}, 255);
  EXPECT_EQ(target, (std::vector<std::uint32_t>{0, 0xFFBBBBBB, 0xFFBBBBBB, 0, 0, 0}));
}

}  // namespace
