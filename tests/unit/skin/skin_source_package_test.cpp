// The skin package as the build zips it: the three skins with exactly their
// element trees, and every image at its size.

#include <gtest/gtest.h>

#include <cwchar>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "markup_outline.h"
#include "skin/markup/skin_markup.h"
#include "skin/markup/skin_source.h"

namespace {

// The build copies the archive next to the test programs, their working folder.
std::vector<unsigned char> PackageBytes() {
  std::ifstream in("skin_package.zip", std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SkinPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto bytes = PackageBytes();
    ASSERT_FALSE(bytes.empty()) << "skin_package.zip missing from the working folder";
    source_.SetResourceZip(bytes.data(), bytes.size());
  }
  std::wstring Outline(const wchar_t* skin) {
    CSkinMarkup doc;
    EXPECT_TRUE(doc.LoadFromFile(skin, MarkupEncoding::Utf8, source_)) << doc.ErrorMessage().c_str();
    return MarkupOutline(doc.Root());
  }

  CSkinSource source_;
};

const wchar_t kFonts[] =
    L"  Font name=\"微软雅黑\" size=\"13\" bold=\"false\"\n"
    L"  Font name=\"微软雅黑\" size=\"13\" bold=\"true\"\n"
    L"  Font name=\"微软雅黑\" size=\"14\" bold=\"false\"\n";

std::wstring ButtonImages(const std::wstring& stem) {
  return L" normalimage=\"" + stem + L"_n.png\" hotimage=\"" + stem + L"_h.png\" pushedimage=\"" + stem + L"_p.png\"";
}

TEST_F(SkinPackage, UpdaterWindowSkin) {
  const std::wstring expected =
      L"Window caption=\"0,0,0,20\" size=\"310,100\" visible=\"false\"\n" + std::wstring(kFonts) +
      L"  VerticalLayout\n"
      L"    HorizontalLayout height=\"30\" bkcolor=\"#FF1694FF\"\n"
      L"      HorizontalLayout padding=\"10,0,0,0\" width=\"200\"\n"
      L"        Label name=\"titleLabel\" text=\"升级助手\" font=\"2\" textcolor=\"#FFFFFFFF\"\n"
      L"      HorizontalLayout\n"
      L"      HorizontalLayout width=\"20\" inset=\"0,8,0,0\"\n"
      L"        Button name=\"closeButton\" tooltip=\"关闭\" visible=\"false\" padding=\"6,0,0,0\" width=\"14\""
      L" height=\"14\"" + ButtonImages(L"btn_close") + L"\n"
      L"    VerticalLayout bkcolor=\"#FFF8F8F8\"\n"
      L"      HorizontalLayout height=\"30\" padding=\"10,0,0,0\"\n"
      L"        Label name=\"tipsLabel\" text=\"\" font=\"2\" textcolor=\"#FF333333\"\n"
      L"      HorizontalLayout padding=\"10,0,0,0\"\n"
      L"        HorizontalLayout name=\"buttonLayout\" visible=\"false\"\n"
      L"          HorizontalLayout\n"
      L"          HorizontalLayout width=\"71\"\n"
      L"            Button name=\"installButton\" width=\"71\" height=\"26\" padding=\"0,4,0,0\"" +
      ButtonImages(L"btn_install") + L"\n"
      L"        HorizontalLayout name=\"progressLayout\"\n"
      L"          Progress name=\"downloadProgress\" height=\"3\" padding=\"0,14,0,0\" bkimage=\"progress_bg.png\""
      L" foreimage=\"progress_fg.png\" min=\"0\" max=\"100\" value=\"0\"\n"
      L"          Button name=\"skipButton\" width=\"71\" height=\"26\" padding=\"9,2,0,0\"" +
      ButtonImages(L"btn_skip") + L"\n"
      L"        HorizontalLayout width=\"10\"\n";
  EXPECT_EQ(Outline(L"UpdaterWnd.xml"), expected);
}

TEST_F(SkinPackage, TipsBoxSkin) {
  const std::wstring expected =
      L"Window caption=\"0,0,0,20\" size=\"310,100\"\n" + std::wstring(kFonts) +
      L"  Font name=\"微软雅黑\" size=\"15\" bold=\"false\"\n"
      L"  VerticalLayout\n"
      L"    HorizontalLayout height=\"30\" bkcolor=\"#FF1694FF\"\n"
      L"      HorizontalLayout padding=\"10,0,0,0\" width=\"274\"\n"
      L"        Label name=\"titleLabel\" text=\"提示\" font=\"2\" textcolor=\"#FFFFFFFF\"\n"
      L"      HorizontalLayout width=\"20\" inset=\"0,8,0,0\"\n"
      L"        Button name=\"closeButton\" tooltip=\"关闭\" padding=\"6,0,0,0\" width=\"14\" height=\"14\"" +
      ButtonImages(L"btn_close") + L"\n"
      L"    VerticalLayout bkcolor=\"#FFF8F8F8\"\n"
      L"      VerticalLayout\n"
      L"      HorizontalLayout height=\"30\" padding=\"18,0,0,0\"\n"
      L"        Label name=\"tipsLabel\" text=\"新版本将在下次启动时更新"
      L"，您也可以立即安装！\" font=\"3\" textcolor=\"#FF333333\"\n"
      L"      VerticalLayout\n"
      L"      HorizontalLayout padding=\"0,5,0,0\" height=\"36\"\n"
      L"        HorizontalLayout\n"
      L"        HorizontalLayout width=\"80\"\n"
      L"          Button name=\"cancelButton\" width=\"72\" height=\"24\" padding=\"4,4,0,0\"" +
      ButtonImages(L"btn_cancel") + L"\n"
      L"        HorizontalLayout width=\"90\"\n"
      L"          Button name=\"confirmButton\" width=\"72\" height=\"24\" padding=\"4,4,0,0\"" +
      ButtonImages(L"btn_common") + L"\n";
  EXPECT_EQ(Outline(L"TipsBoxWnd.xml"), expected);
}

TEST_F(SkinPackage, LaunchWindowSkin) {
  const std::wstring expected =
      L"Window caption=\"0,0,0,32\" size=\"420,210\" visible=\"false\"\n" + std::wstring(kFonts) +
      L"  VerticalLayout\n"
      L"    HorizontalLayout height=\"32\" bkcolor=\"#FF1694FF\"\n"
      L"      HorizontalLayout padding=\"10,0,0,0\" width=\"274\"\n"
      L"        Label name=\"titleLabel\" text=\"升级\" font=\"2\" textcolor=\"#FFFFFFFF\"\n"
      L"      HorizontalLayout width=\"20\" inset=\"0,8,0,0\"\n"
      L"        Button name=\"closeButton\" tooltip=\"关闭\" padding=\"6,0,0,0\" width=\"14\" height=\"14\"" +
      ButtonImages(L"btn_close") + L"\n"
      L"    VerticalLayout bkcolor=\"#FFF8F8F8\"\n"
      L"      HorizontalLayout height=\"30\" align=\"center\"\n"
      L"        Label name=\"tipsLabel\" text=\"升级完成，重新打开上课吧"
      L"！\" font=\"2\" textcolor=\"#FF333333\"\n"
      L"      HorizontalLayout align=\"center\"\n"
      L"        Button name=\"launchButton\" width=\"80\" height=\"36\"" +
      ButtonImages(L"btn_launch") + L"\n";
  EXPECT_EQ(Outline(L"LaunchWnd.xml"), expected);
}

// Width and height from a PNG's header; 0 x 0 when the bytes are no PNG.
std::pair<unsigned, unsigned> PngSize(const std::vector<unsigned char>& png) {
  static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin())) return {0, 0};
  auto big32 = [&](std::size_t at) {
    return unsigned(png[at]) << 24 | unsigned(png[at + 1]) << 16 | unsigned(png[at + 2]) << 8 | png[at + 3];
  };
  return {big32(16), big32(20)};
}

TEST_F(SkinPackage, ImagesHaveTheirSizes) {
  const struct {
    const wchar_t* stem;
    unsigned width, height;
  } buttons[] = {{L"btn_close", 14, 14},  {L"btn_skip", 71, 26},   {L"btn_install", 71, 26},
                 {L"btn_cancel", 72, 24}, {L"btn_common", 71, 26}, {L"btn_launch", 71, 26},
                 {L"btn_confirm", 72, 24}};
  std::vector<std::pair<std::wstring, std::pair<unsigned, unsigned>>> images = {
      {L"progress_bg.png", {40, 2}}, {L"progress_fg.png", {40, 2}}};
  for (const auto& b : buttons) {
    for (const wchar_t* look : {L"_n.png", L"_h.png", L"_p.png"}) {
      images.push_back({b.stem + std::wstring(look), {b.width, b.height}});
    }
  }
  for (const auto& [name, size] : images) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    std::vector<unsigned char> png;
    ASSERT_EQ(source_.ReadSkinFile(name, png), SkinReadStatus::Ok);
    EXPECT_EQ(PngSize(png), size);
  }
}

// Image attributes of every element, found in the package.
void ExpectImagesPresent(const CSkinSource& source, CSkinMarkupNode node) {
  for (; node.IsValid(); node = node.NextSibling()) {
    for (std::size_t i = 0; i < node.AttributeCount(); ++i) {
      const std::wstring name = node.AttributeName(i);
      if (name.size() < 5 || name.compare(name.size() - 5, 5, L"image") != 0) continue;
      std::vector<unsigned char> bytes;
      EXPECT_EQ(source.ReadSkinFile(node.AttributeValue(i), bytes), SkinReadStatus::Ok)
          << std::string(name.begin(), name.end());
    }
    ExpectImagesPresent(source, node.FirstChild());
  }
}

TEST_F(SkinPackage, EveryImageASkinNamesIsInThePackage) {
  for (const wchar_t* skin : {L"UpdaterWnd.xml", L"TipsBoxWnd.xml", L"LaunchWnd.xml"}) {
    CSkinMarkup doc;
    ASSERT_TRUE(doc.LoadFromFile(skin, MarkupEncoding::Utf8, source_));
    ExpectImagesPresent(source_, doc.Root());
  }
}

#ifdef _WIN32
// The test program links the resource object, as the updater does.
TEST(SkinPackageResource, ProgramCarriesThePackageAsZipResource102) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(102), L"ZIPRES");
  ASSERT_NE(found, nullptr);
  HGLOBAL loaded = LoadResource(nullptr, found);
  const DWORD size = SizeofResource(nullptr, found);
  const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + size), PackageBytes());

  CSkinSource source;
  source.SetResourceZip(bytes, size);
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromFile(L"updaterwnd.xml", MarkupEncoding::Utf8, source)) << doc.ErrorMessage().c_str();
  EXPECT_EQ(std::wstring(doc.Root().Name()), L"Window");
}
#endif

}  // namespace
