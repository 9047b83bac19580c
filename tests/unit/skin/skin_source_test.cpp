#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "skin/markup/skin_markup.h"
#include "skin/markup/skin_source.h"
#include "skin_source_zip_writer.h"

namespace {

namespace fs = std::filesystem;
using Method = TestZipEntry::Method;

std::string Text(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A document of exactly the given size in bytes.
std::string DocumentOfSize(std::size_t size) { return "<a>" + std::string(size - 7, 'x') + "</a>"; }

// A fresh folder under the temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = fs::temp_directory_path() / (std::string("skin_source_") + test + "_" + std::to_string(std::random_device()()));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  void Write(const fs::path& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  // The folder as a resource path; "/" is understood on every system.
  std::wstring ResourcePath() const { return path_.wstring() + L"/"; }

 private:
  fs::path path_;
};

TEST(SkinSource, ResourcePathAlwaysEndsInASeparator) {
  const struct {
    const wchar_t* given;
    const wchar_t* kept;
  } cases[] = {
      {L"", L""},
      {L"C:\\Program Files\\Client", L"C:\\Program Files\\Client\\"},
      {L"C:\\Client\\", L"C:\\Client\\"},
      {L"skins/", L"skins/"},
  };
  for (const auto& c : cases) {
    CSkinSource source;
    source.SetResourcePath(c.given);
    EXPECT_EQ(source.ResourcePath(), c.kept);
  }
}

TEST(SkinSource, FirstInstalledArchiveStaysForGood) {
  const auto first = MakeTestZip({{"skin.xml", "<first/>"}});
  const auto second = MakeTestZip({{"skin.xml", "<second/>"}, {"other.xml", "<other/>"}});
  CSkinSource source;
  EXPECT_EQ(source.ZipName(), L"");
  source.SetResourceZip(first.data(), first.size());
  EXPECT_EQ(source.ZipName(), L"membuffer");
  source.SetResourceZip(second.data(), second.size());

  std::vector<unsigned char> bytes;
  ASSERT_EQ(source.ReadSkinFile(L"skin.xml", bytes), SkinReadStatus::Ok);
  EXPECT_EQ(Text(bytes), "<first/>");
  EXPECT_EQ(source.ReadSkinFile(L"other.xml", bytes), SkinReadStatus::NotInZip);
}

TEST(SkinSource, FindsArchiveEntriesRegardlessOfLetterCase) {
  const auto zip = MakeTestZip({
      {"UpdaterWnd.xml", "<Window/>", Method::Deflated},
      {"btn_close_n.png", "png bytes", Method::Stored},
      {"\xE7\x9A\xAE\xE8\x82\xA4.xml", "<skin/>", Method::Deflated},  // a non-ASCII name
  });
  CSkinSource source;
  source.SetResourceZip(zip.data(), zip.size());
  const struct {
    const wchar_t* name;
    const char* content;
  } cases[] = {
      {L"UpdaterWnd.xml", "<Window/>"},   {L"updaterwnd.xml", "<Window/>"}, {L"UPDATERWND.XML", "<Window/>"},
      {L"Btn_Close_N.PNG", "png bytes"}, {L"\u76AE\u80A4.xml", "<skin/>"},  {L"\u76AE\u80A4.XML", "<skin/>"},
  };
  for (const auto& c : cases) {
    std::vector<unsigned char> bytes;
    EXPECT_EQ(source.ReadSkinFile(c.name, bytes), SkinReadStatus::Ok) << Text(bytes);
    EXPECT_EQ(Text(bytes), c.content);
  }
}

TEST(SkinSource, PlainFilesComeFromTheResourcePath) {
  TempFolder folder;
  folder.Write("skin.xml", "<plain/>");
  folder.Write(fs::u8path("\xE7\x9A\xAE\xE8\x82\xA4.xml"), "<chinese/>");
  CSkinSource source;
  source.SetResourcePath(folder.ResourcePath());
  std::vector<unsigned char> bytes;
  ASSERT_EQ(source.ReadSkinFile(L"skin.xml", bytes), SkinReadStatus::Ok);
  EXPECT_EQ(Text(bytes), "<plain/>");
  ASSERT_EQ(source.ReadSkinFile(L"\u76AE\u80A4.xml", bytes), SkinReadStatus::Ok);
  EXPECT_EQ(Text(bytes), "<chinese/>");
  // An image name that is not found there is tried as a path of its own.
  ASSERT_EQ(CSkinSource::ReadPlainFile(folder.ResourcePath() + L"skin.xml", bytes), SkinReadStatus::Ok);
  EXPECT_EQ(Text(bytes), "<plain/>");
}

// LoadFromFile names each failure of reading the file in its error text.
TEST(SkinSourceLoad, FailuresOfAPlainFile) {
  TempFolder folder;
  folder.Write("empty.xml", "");
  folder.Write("exact.xml", DocumentOfSize(CSkinSource::kMaxFileBytes));
  folder.Write("over.xml", DocumentOfSize(CSkinSource::kMaxFileBytes + 1));
  CSkinSource source;
  source.SetResourcePath(folder.ResourcePath());
  const struct {
    const wchar_t* name;
    const wchar_t* error;  // "" when it loads
  } cases[] = {
      {L"missing.xml", L"Error opening file"},
      {L"empty.xml", L"File is empty"},
      {L"exact.xml", L""},
      {L"over.xml", L"File too large"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CSkinMarkup doc;
    EXPECT_EQ(doc.LoadFromFile(c.name, MarkupEncoding::Utf8, source), *c.error == 0);
    EXPECT_EQ(doc.ErrorMessage(), c.error);
  }
}

TEST(SkinSourceLoad, FailuresOfAnArchiveEntry) {
  const auto zip = MakeTestZip({
      {"empty.xml", "", Method::Stored},
      {"exact.xml", DocumentOfSize(CSkinSource::kMaxFileBytes), Method::Deflated},
      {"over.xml", DocumentOfSize(CSkinSource::kMaxFileBytes + 1), Method::Deflated},
      {"damaged.xml", "<a>text</a>", Method::Deflated, true},
      {"damaged_stored.xml", "<a>text</a>", Method::Stored, true},
      {"good.xml", "<a>text</a>", Method::Stored},
  });
  CSkinSource source;
  source.SetResourceZip(zip.data(), zip.size());
  const struct {
    const wchar_t* name;
    const wchar_t* error;
  } cases[] = {
      {L"missing.xml", L"Could not find ziped file"},
      {L"", L"Could not find ziped file"},
      {L"empty.xml", L"File is empty"},
      {L"exact.xml", L""},
      {L"over.xml", L"File too large"},
      {L"damaged.xml", L"Could not unzip file"},
      {L"damaged_stored.xml", L"Could not unzip file"},
      {L"good.xml", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CSkinMarkup doc;
    EXPECT_EQ(doc.LoadFromFile(c.name, MarkupEncoding::Utf8, source), *c.error == 0);
    EXPECT_EQ(doc.ErrorMessage(), c.error);
  }
}

TEST(SkinSourceLoad, ArchiveThatCannotBeOpened) {
  const std::string cases[] = {"", "not a zip archive at all",
                               std::string("PK\x05\x06", 4) + std::string(18, '\xFF')};
  for (const std::string& bytes : cases) {
    CSkinSource source;
    source.SetResourceZip(bytes.data(), bytes.size());
    CSkinMarkup doc;
    EXPECT_FALSE(doc.LoadFromFile(L"UpdaterWnd.xml", MarkupEncoding::Utf8, source));
    EXPECT_EQ(doc.ErrorMessage(), L"Error opening zip file");
  }
}

TEST(SkinSourceLoad, ReadsTheRequestedEncoding) {
  const std::string utf16le("\xFF\xFE<\0a\0/\0>\0", 10);
  const auto zip = MakeTestZip({{"wide.xml", utf16le}});
  CSkinSource source;
  source.SetResourceZip(zip.data(), zip.size());
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromFile(L"wide.xml", MarkupEncoding::Utf16, source));
  EXPECT_EQ(std::wstring(doc.Root().Name()), L"a");
  EXPECT_FALSE(doc.LoadFromFile(L"wide.xml", MarkupEncoding::Utf8, source));
}

}  // namespace
