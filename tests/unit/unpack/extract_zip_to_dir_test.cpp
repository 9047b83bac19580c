// The zlib.dll export as the updater calls it, bound through the import table.
#include "zlibdll/extract_zip_to_dir.h"

#include <gtest/gtest.h>

#include "zip_fixture.h"

namespace {

namespace fs = std::filesystem;
using unpack_test::ReadFileText;
using unpack_test::ScratchFolder;

TEST(ExtractZipToDir, UnpacksIntoTheFolderAndSaysWhetherEverythingWasWritten) {
  ScratchFolder scratch;
  const fs::path zip = scratch.path() / "update.zip";
  const fs::path target = scratch.path() / "client";  // missing: created
  unpack_test::WriteZip(zip, {{"TAVREN/app.txt", "v2"}, {"TAVREN/sub/x.bin", "x"}});

  const std::wstring folderWithSeparator = target.wstring() + L"\\";
  EXPECT_EQ(ExtractZipToDir(zip.c_str(), folderWithSeparator.c_str(), 0), 1);
  EXPECT_EQ(ReadFileText(target / "TAVREN" / "app.txt"), "v2");
  EXPECT_EQ(ReadFileText(target / "TAVREN" / "sub" / "x.bin"), "x");
}

TEST(ExtractZipToDir, ReportsWhatCouldNotBeDone) {
  ScratchFolder scratch;
  const fs::path zip = scratch.path() / "update.zip";
  const std::wstring target = (scratch.path() / "out").wstring();
  unpack_test::WriteZip(zip, {{"ok.txt", "ok"}, {"../escape.txt", "x"}});

  EXPECT_EQ(ExtractZipToDir(zip.c_str(), target.c_str(), 0), 0) << "an entry was not written";
  EXPECT_EQ(ReadFileText(fs::path(target) / "ok.txt"), "ok");
  EXPECT_FALSE(fs::exists(scratch.path() / "escape.txt"));

  EXPECT_EQ(ExtractZipToDir((scratch.path() / "missing.zip").c_str(), target.c_str(), 0), 0);
  EXPECT_EQ(ExtractZipToDir(zip.c_str(), target.c_str(), 1), 0) << "options other than 0 are refused";
  EXPECT_EQ(ExtractZipToDir(nullptr, target.c_str(), 0), 0);
  EXPECT_EQ(ExtractZipToDir(zip.c_str(), nullptr, 0), 0);
}

}  // namespace
