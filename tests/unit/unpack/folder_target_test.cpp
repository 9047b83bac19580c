#include "unpack/folder_target_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "unpack/entry_attributes.h"
#include "unpack/extract_zip_win32.h"
#include "zip_fixture.h"

namespace unpack {
namespace {

namespace fs = std::filesystem;
using unpack_test::FixtureEntry;
using unpack_test::ReadFileText;
using unpack_test::ScratchFolder;
using unpack_test::WriteFileText;

DWORD AttributesOf(const fs::path& path) { return GetFileAttributesW(path.c_str()); }

std::uint64_t WriteTicks(const fs::path& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// Everything below `folder`, relative, in a sorted list.
std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& item : fs::recursive_directory_iterator(folder)) names.push_back(fs::relative(item.path(), folder).generic_u8string());
  std::sort(names.begin(), names.end());
  return names;
}

class ExtractZipFileTest : public ::testing::Test {
 protected:
  UnpackReport Extract(const std::vector<FixtureEntry>& entries) {
    WriteZip(zip_, entries);
    return ExtractZipFile(zip_.wstring(), root_.wstring());
  }
  static void WriteZip(const fs::path& path, const std::vector<FixtureEntry>& entries) {
    unpack_test::WriteZip(path, entries);
  }

  ScratchFolder scratch_;
  fs::path zip_ = scratch_.path() / "package.zip";
  fs::path root_ = [this] {
    fs::create_directories(scratch_.path() / "install");
    return scratch_.path() / "install";
  }();
};

TEST_F(ExtractZipFileTest, WritesTreeWithNamesAttributesAndTimes) {
  FixtureEntry readOnly{"bin/ro.dll", "ro"};
  readOnly.external = unpack_test::kUnixReadOnlyFile;
  FixtureEntry hidden{"cfg/h.ini", "h"};
  hidden.madeBy = unpack_test::kMadeByDos;
  hidden.external = kHidden | kArchive;
  FixtureEntry stamped{"t.txt", "t"};
  stamped.centralExtra = unpack_test::ExtendedTimestampBlock(1, {1600000000});
  const UnpackReport report =
      Extract({{"a/b/c.txt", "deep"}, readOnly, hidden, stamped, {"\xE8\xAF\xBE\xE5\xA0\x82/\xE6\x96\x87.txt", "zh"}});

  EXPECT_TRUE(report.AllWritten());
  EXPECT_EQ(ReadFileText(root_ / "a" / "b" / "c.txt"), "deep");
  EXPECT_EQ(ReadFileText(root_ / L"课堂" / L"文.txt"), "zh");
  EXPECT_TRUE(AttributesOf(root_ / "bin" / "ro.dll") & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(AttributesOf(root_ / "a" / "b" / "c.txt") & FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(AttributesOf(root_ / "cfg" / "h.ini") & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(WriteTicks(root_ / "t.txt"), UnixSecondsToTicks(1600000000));
  const std::vector<std::string> expected = {"a", "a/b", "a/b/c.txt", "bin", "bin/ro.dll", "cfg", "cfg/h.ini",
                                             "t.txt", "\xE8\xAF\xBE\xE5\xA0\x82",
                                             "\xE8\xAF\xBE\xE5\xA0\x82/\xE6\x96\x87.txt"};
  EXPECT_EQ(Listing(root_), expected);
}

TEST_F(ExtractZipFileTest, ReplacesExistingFilesReadOnlyOnesToo) {
  fs::create_directories(root_ / "d");
  WriteFileText(root_ / "d" / "old.txt", "old content that is longer");
  WriteFileText(root_ / "locked.txt", "old");
  SetFileAttributesW((root_ / "locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_TRUE(Extract({{"d/old.txt", "new"}, {"locked.txt", "new too"}}).AllWritten());
  EXPECT_EQ(ReadFileText(root_ / "d" / "old.txt"), "new");
  EXPECT_EQ(ReadFileText(root_ / "locked.txt"), "new too");
  EXPECT_FALSE(AttributesOf(root_ / "locked.txt") & FILE_ATTRIBUTE_READONLY);
}

TEST_F(ExtractZipFileTest, FailedEntryLeavesTheOldFileAsItWas) {
  WriteFileText(root_ / "busy.dll", "old busy");
  WriteFileText(root_ / "crc.txt", "old crc");
  SetFileAttributesW((root_ / "crc.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  FixtureEntry damaged{"crc.txt", "new data with a bad checksum"};
  damaged.wrongChecksum = true;
  FixtureEntry damagedNew{"new.txt", "a new read-only file with a bad checksum"};
  damagedNew.wrongChecksum = true;
  damagedNew.external = unpack_test::kUnixReadOnlyFile;

  // Held open without sharing, as a running program holds its files.
  HANDLE held = CreateFileW((root_ / "busy.dll").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const UnpackReport report = Extract({{"busy.dll", "new busy"}, damaged, damagedNew, {"free.txt", "free"}});
  CloseHandle(held);

  EXPECT_EQ(report.failed, 3u);
  EXPECT_EQ(report.written, 1u);
  EXPECT_EQ(ReadFileText(root_ / "busy.dll"), "old busy");
  EXPECT_EQ(ReadFileText(root_ / "crc.txt"), "old crc");
  EXPECT_TRUE(AttributesOf(root_ / "crc.txt") & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ReadFileText(root_ / "free.txt"), "free");
  const std::vector<std::string> expected = {"busy.dll", "crc.txt", "free.txt"};
  EXPECT_EQ(Listing(root_), expected) << "no partial files are left behind";
}

TEST_F(ExtractZipFileTest, NothingIsWrittenOutsideTheRoot) {
  const UnpackReport report = Extract({{"../outside.txt", "x"},
                                       {"..\\..\\Windows\\x.dll", "in"},
                                       {"/abs.txt", "in"},
                                       {"C:\\drive.txt", "in"},
                                       {"a/../../outside2.txt", "x"},
                                       {"a/..", "x"},
                                       {"s.txt:ads", "x"},
                                       {"NUL", "x"},
                                       {"a/. ./z.txt", "x"}});
  EXPECT_EQ(report.refused, 6u);
  EXPECT_EQ(report.failed, 0u);
  const std::vector<std::string> inside = {"Windows", "Windows/x.dll", "abs.txt", "drive.txt"};
  EXPECT_EQ(Listing(root_), inside);
  const std::vector<std::string> scratch = {"install", "install/Windows", "install/Windows/x.dll", "install/abs.txt",
                                            "install/drive.txt", "package.zip"};
  EXPECT_EQ(Listing(scratch_.path()), scratch);
}

TEST_F(ExtractZipFileTest, FileWhereAFolderMustGoFailsThatEntry) {
  WriteFileText(root_ / "a", "a file named like the folder");
  const UnpackReport report = Extract({{"a/b.txt", "x"}, {"c.txt", "y"}});
  EXPECT_EQ(report.failed, 1u);
  EXPECT_EQ(ReadFileText(root_ / "a"), "a file named like the folder");
  EXPECT_EQ(ReadFileText(root_ / "c.txt"), "y");
}

TEST_F(ExtractZipFileTest, MissingOrDamagedArchiveIsNotOpened) {
  EXPECT_FALSE(ExtractZipFile((scratch_.path() / "none.zip").wstring(), root_.wstring()).opened);
  WriteFileText(zip_, "not a zip archive");
  const UnpackReport report = ExtractZipFile(zip_.wstring(), root_.wstring());
  EXPECT_FALSE(report.opened);
  EXPECT_FALSE(report.AllWritten());
  EXPECT_TRUE(report.NothingToRetry());
}

}  // namespace
}  // namespace unpack
