// What the controls put on the screen, read back through WM_PRINTCLIENT:
// colours, images (blended, stretched, masked, cut), state images, the
// progress bar and text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "skin/toolkit/skin_button.h"
#include "skin/toolkit/skin_paint.h"
#include "skin/toolkit/skin_progress.h"
#include "toolkit_png_fixture.h"
#include "toolkit_test_window.h"

namespace {

using skin_test::Snapshot;
using skin_test::TestWindow;

std::vector<unsigned char> SolidPng(int w, int h, unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
  std::vector<unsigned char> rgba;
  for (int i = 0; i < w * h; ++i) rgba.insert(rgba.end(), {r, g, b, a});
  return skin_test::MakeRgbaPng(w, h, rgba);
}

// Colours compared channel by channel, within a blend's rounding.
::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 2) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) {
      return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

class Painting : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write(L"red.png", SolidPng(4, 4, 255, 0, 0, 255));
    folder_.Write(L"half_red.png", SolidPng(4, 4, 255, 0, 0, 128));
    folder_.Write(L"grey.png", SolidPng(40, 2, 0xCC, 0xCC, 0xCC, 255));
    folder_.Write(L"blue.png", SolidPng(40, 2, 0x16, 0x94, 0xFF, 255));
    folder_.Write(L"green.png", SolidPng(4, 4, 0, 200, 0, 255));
    folder_.Write(L"yellow.png", SolidPng(4, 4, 255, 255, 0, 255));
    // Left half magenta (the mask colour), right half red.
    std::vector<unsigned char> masked;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) masked.insert(masked.end(), {255, 0, static_cast<unsigned char>(x < 2 ? 255 : 0), 255});
    folder_.Write(L"masked.png", skin_test::MakeRgbaPng(4, 4, masked));
    // Top half red, bottom half green.
    std::vector<unsigned char> halves;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        halves.insert(halves.end(), {static_cast<unsigned char>(y < 2 ? 255 : 0), static_cast<unsigned char>(y < 2 ? 0 : 200), 0, 255});
    folder_.Write(L"halves.png", skin_test::MakeRgbaPng(4, 4, halves));
    CSkinSource::Process().SetResourcePath(folder_.Path());
  }

  // One control of `tag` with `attributes`, 40 by 40 at the top-left corner
  // of a white 100 by 50 window. Font 9 is large enough for solid strokes.
  Snapshot PaintOne(const std::wstring& tag, const std::wstring& attributes) {
    window_ = std::make_unique<TestWindow>(L"<Window size=\"100,50\"><Font id=\"9\" name=\"Tahoma\" size=\"28\" bold=\"true\"/>"
                                           L"<HorizontalLayout bkcolor=\"#FFFFFFFF\"><" + tag +
                                           L" name=\"c\" width=\"40\" height=\"40\" " + attributes +
                                           L"/></HorizontalLayout></Window>");
    hwnd_ = window_->Open();
    return skin_test::Render(hwnd_);
  }

  skin_test::TempFolder folder_;
  std::unique_ptr<TestWindow> window_;
  HWND hwnd_ = nullptr;
};

TEST_F(Painting, BackgroundColours) {
  const struct {
    const wchar_t* colour;
    std::uint32_t expected;
  } cases[] = {
      {L"#FF1694FF", 0x1694FF},
      {L"#FFF8F8F8", 0xF8F8F8},
      {L"#00FF0000", 0xFFFFFF},  // alpha 0 draws nothing
      {L"#80FF0000", 0xFF7F7F},  // half blended over white
  };
  for (const auto& c : cases) {
    const Snapshot shot = PaintOne(L"Label", std::wstring(L"bkcolor=\"") + c.colour + L"\"");
    EXPECT_TRUE(Near(shot.At(20, 20), c.expected)) << static_cast<const void*>(c.colour);
    EXPECT_EQ(shot.At(60, 20), 0xFFFFFFu);
  }
}

TEST_F(Painting, ImageAttributes) {
  const struct {
    const char* scenario;
    const wchar_t* image;
    std::uint32_t inside;      // at (5,5)
    std::uint32_t elsewhere;   // at (30,30)
  } cases[] = {
      {"plain name, stretched over the control", L"red.png", 0xFF0000, 0xFF0000},
      {"half transparent image is blended", L"half_red.png", 0xFF7F7F, 0xFF7F7F},
      {"fade makes an opaque image half", L"file='red.png' fade='128'", 0xFF7F7F, 0xFF7F7F},
      {"dest places it in a part", L"file='red.png' dest='0,0,10,10'", 0xFF0000, 0xFFFFFF},
      {"mask colour becomes clear", L"file='masked.png' mask='#FFFF00FF'", 0xFFFFFF, 0xFF0000},
      {"source takes a part of the image", L"file='halves.png' source='0,2,4,4'", 0x00C800, 0x00C800},
      {"a missing image draws nothing", L"nothing.png", 0xFFFFFF, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    const Snapshot shot = PaintOne(L"Label", std::wstring(L"bkimage=\"") + c.image + L"\"");
    EXPECT_TRUE(Near(shot.At(5, 5), c.inside)) << c.scenario;
    EXPECT_TRUE(Near(shot.At(30, 30), c.elsewhere)) << c.scenario;
  }
}

TEST_F(Painting, AnImageNamedByItsOwnPathIsFoundOutsideTheSkinFolder) {
  skin_test::TempFolder elsewhere;
  elsewhere.Write(L"far.png", SolidPng(2, 2, 0, 200, 0, 255));
  const Snapshot shot = PaintOne(L"Label", L"bkimage=\"" + elsewhere.Path() + L"far.png\"");
  EXPECT_TRUE(Near(shot.At(20, 20), 0x00C800));
}

TEST(SoftwareBlend, MatchesTheSystemBlend) {
  const auto png = SolidPng(2, 2, 200, 40, 90, 100);
  const auto decoded = skin::DecodeSkinImage(png.data(), png.size(), 0);
  ASSERT_TRUE(decoded.has_value());
  const auto image = CreateSkinImage(*decoded);
  ASSERT_NE(image, nullptr);
  std::uint32_t results[2] = {};
  const skin::BlendRoute routes[2] = {skin::BlendRoute::System, skin::BlendRoute::Software};
  for (int i = 0; i < 2; ++i) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HBITMAP dib = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = ::SelectObject(dc, dib);
    std::fill_n(static_cast<std::uint32_t*>(bits), 400, 0xFF306090u);
    skin::DrawImagePieces(dc, *image, {{{0, 0, 20, 20}, {0, 0, 2, 2}}}, {0, 0, 20, 20}, 200, routes[i]);
    ::GdiFlush();
    results[i] = static_cast<const std::uint32_t*>(bits)[10 * 20 + 10] & 0xFFFFFF;
    ::SelectObject(dc, old);
    ::DeleteObject(dib);
    ::DeleteDC(dc);
  }
  EXPECT_TRUE(Near(results[1], results[0]));
  EXPECT_FALSE(Near(results[0], 0x306090, 10));  // something was drawn
}

TEST_F(Painting, ButtonStateImages) {
  PaintOne(L"Button", L"normalimage=\"red.png\" hotimage=\"green.png\" pushedimage=\"yellow.png\"");
  auto look = [this] {
    skin_test::Repaint(hwnd_);
    return skin_test::Render(hwnd_).At(20, 20);
  };
  // The button holds the focus (first tab stop) and has no focused image.
  EXPECT_TRUE(Near(look(), 0xFF0000)) << "normal";
  skin_test::Mouse(hwnd_, WM_MOUSEMOVE, 20, 20);
  EXPECT_TRUE(Near(look(), 0x00C800)) << "hot";
  skin_test::Mouse(hwnd_, WM_LBUTTONDOWN, 20, 20);
  EXPECT_TRUE(Near(look(), 0xFFFF00)) << "pushed";
  skin_test::Mouse(hwnd_, WM_LBUTTONUP, 20, 20);
  EXPECT_TRUE(Near(look(), 0x00C800)) << "hot again";
  window_->Find(L"c")->SetEnabled(false);
  EXPECT_TRUE(Near(look(), 0xFF0000)) << "disabled without a disabled image";
}

TEST_F(Painting, ButtonWithoutAHotImageShowsTheNormalOne) {
  PaintOne(L"Button", L"normalimage=\"red.png\"");
  skin_test::Mouse(hwnd_, WM_MOUSEMOVE, 20, 20);
  skin_test::Repaint(hwnd_);
  EXPECT_TRUE(Near(skin_test::Render(hwnd_).At(20, 20), 0xFF0000));
}

TEST_F(Painting, ProgressFillsItsValuesShareOfTheWidth) {
  const struct {
    int value;
    int filled;  // pixels of the fore image from the left
  } cases[] = {{37, 99}, {150, 270}, {-5, 0}, {100, 270}, {1, 2}};
  for (const auto& c : cases) {
    window_ = std::make_unique<TestWindow>(
        L"<Window size=\"300,20\"><HorizontalLayout bkcolor=\"#FFFFFFFF\">"
        L"<Progress name=\"p\" width=\"270\" height=\"3\" padding=\"10,5,0,0\" bkimage=\"grey.png\""
        L" foreimage=\"blue.png\" value=\"" + std::to_wstring(c.value) + L"\"/></HorizontalLayout></Window>");
    hwnd_ = window_->Open();
    const Snapshot shot = skin_test::Render(hwnd_);
    if (c.filled > 0) {
      EXPECT_EQ(shot.At(10 + c.filled - 1, 6), 0x1694FFu) << c.value;
    }
    if (c.filled < 270) {
      EXPECT_EQ(shot.At(10 + c.filled, 6), 0xCCCCCCu) << c.value;
    }
    EXPECT_EQ(shot.At(5, 6), 0xFFFFFFu) << c.value;
    EXPECT_EQ(shot.At(100, 9), 0xFFFFFFu) << c.value;  // 3 pixels high
  }
}

// How many pixels of the control's area are near `colour`.
int CountNear(const Snapshot& shot, std::uint32_t colour, int right, int bottom) {
  int n = 0;
  for (int y = 0; y < bottom; ++y)
    for (int x = 0; x < right; ++x) n += Near(shot.At(x, y), colour, 8) ? 1 : 0;
  return n;
}

TEST_F(Painting, TextColours) {
  const struct {
    const char* scenario;
    const wchar_t* attributes;
    bool disabled;
    std::uint32_t colour;
  } cases[] = {
      {"label colour", L"font=\"9\" text=\"MW\" textcolor=\"#FF333333\"", false, 0x333333},
      {"label without colour draws black", L"font=\"9\" text=\"MW\"", false, 0x000000},
      {"colour alpha is ignored for text", L"font=\"9\" text=\"MW\" textcolor=\"#00CC0000\"", false, 0xCC0000},
      {"disabled colour", L"font=\"9\" text=\"MW\" textcolor=\"#FF333333\" disabledtextcolor=\"#FF00AA00\"", true, 0x00AA00},
  };
  for (const auto& c : cases) {
    PaintOne(L"Label", c.attributes);
    if (c.disabled) {
      window_->Find(L"c")->SetEnabled(false);
      skin_test::Repaint(hwnd_);
    }
    const Snapshot shot = skin_test::Render(hwnd_);
    EXPECT_GT(CountNear(shot, c.colour, 40, 40), 3) << c.scenario;
  }
}

TEST_F(Painting, HotTextColourWithoutAlphaStillDraws) {
  PaintOne(L"Button", L"font=\"9\" text=\"MW\" bkcolor=\"#FF000080\"");
  auto* button = window_->FindAs<CSkinButton>(L"c");
  button->SetHotTextColor(0x00FFFFFF);
  skin_test::Mouse(hwnd_, WM_MOUSEMOVE, 20, 20);
  skin_test::Repaint(hwnd_);
  EXPECT_GT(CountNear(skin_test::Render(hwnd_), 0xFFFFFF, 40, 40), 3);
}

TEST_F(Painting, ChineseTextHasGlyphsInTheDefaultFont) {
  PaintOne(L"Label", L"text=\"升级助手\"");
  HDC dc = ::GetDC(hwnd_);
  HGDIOBJ old = ::SelectObject(dc, window_->Manager().GetFont(2));
  WORD glyphs[4] = {};
  ASSERT_EQ(::GetGlyphIndicesW(dc, L"升级助手", 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 4u);
  ::SelectObject(dc, old);
  ::ReleaseDC(hwnd_, dc);
  for (WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF);
}

}  // namespace
