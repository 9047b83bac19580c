#include "launcher/pending_update.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "zip_fixture.h"

namespace launcher {
namespace {

namespace fs = std::filesystem;
using unpack_test::ReadFileText;
using unpack_test::ScratchFolder;
using unpack_test::WriteFileText;

// An installation folder, optionally with characters no ANSI code page has.
class PendingUpdateTest : public ::testing::TestWithParam<const wchar_t*> {
 protected:
  PendingUpdateTest() {
    fs::create_directories(install_ / "temp");
  }
  std::wstring Folder() const { return install_.wstring() + L"\\"; }
  std::vector<std::string> TempListing() const {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(install_ / "temp")) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScratchFolder scratch_;
  fs::path install_ = scratch_.path() / GetParam();
};

TEST_P(PendingUpdateTest, PromoteClearsLeftoversAndMovesThePackage) {
  for (const char* name : {"Updater.exe", "update.td0", "update.td1", "update.td2", "update.td3", "update.td"}) {
    WriteFileText(install_ / "temp" / name, "leftover");
  }
  WriteFileText(install_ / "temp" / "keep.log", "not the updater's");
  WriteFileText(install_ / "temp" / "update.zip", "new package");
  WriteFileText(install_ / "update.zip", "older package");

  PromoteUpdatePackage(Folder());

  EXPECT_EQ(TempListing(), std::vector<std::string>{"keep.log"});
  EXPECT_EQ(ReadFileText(install_ / "update.zip"), "new package");
}

TEST_P(PendingUpdateTest, PromoteKeepsThePackageInTempWhenTheCopyFails) {
  WriteFileText(install_ / "temp" / "update.zip", "new package");
  WriteFileText(install_ / "update.zip", "older package");
  HANDLE held = CreateFileW((install_ / "update.zip").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  PromoteUpdatePackage(Folder());
  CloseHandle(held);

  EXPECT_EQ(ReadFileText(install_ / "temp" / "update.zip"), "new package");
  EXPECT_EQ(ReadFileText(install_ / "update.zip"), "older package");
}

TEST_P(PendingUpdateTest, UnpackDeletesThePackageOnlyWhenNothingIsLeftToRetry) {
  unpack_test::WriteZip(install_ / "update.zip", {{"bin/app.dll", "v2"}, {"../outside.txt", "refused"}});
  UnpackUpdatePackage(install_.wstring());
  EXPECT_EQ(ReadFileText(install_ / "bin" / "app.dll"), "v2");
  EXPECT_FALSE(fs::exists(install_ / "update.zip")) << "a refused name is never retried";
  EXPECT_FALSE(fs::exists(scratch_.path() / "outside.txt"));

  unpack_test::WriteZip(install_ / "update.zip", {{"bin/app.dll", "v3"}, {"readme.txt", "v3"}});
  HANDLE held = CreateFileW((install_ / "bin" / "app.dll").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  UnpackUpdatePackage(install_.wstring());
  CloseHandle(held);
  EXPECT_EQ(ReadFileText(install_ / "bin" / "app.dll"), "v2");
  EXPECT_EQ(ReadFileText(install_ / "readme.txt"), "v3");
  EXPECT_TRUE(fs::exists(install_ / "update.zip")) << "kept for the next start";

  UnpackUpdatePackage(install_.wstring() + L"\\");
  EXPECT_EQ(ReadFileText(install_ / "bin" / "app.dll"), "v3");
  EXPECT_FALSE(fs::exists(install_ / "update.zip"));
}

TEST_P(PendingUpdateTest, UnreadableAndEmptyPackagesAreDeleted) {
  WriteFileText(install_ / "update.zip", "not a zip archive");
  UnpackUpdatePackage(install_.wstring());
  EXPECT_FALSE(fs::exists(install_ / "update.zip"));

  unpack_test::WriteZip(install_ / "update.zip", {});
  UnpackUpdatePackage(install_.wstring());
  EXPECT_FALSE(fs::exists(install_ / "update.zip"));

  UnpackUpdatePackage(install_.wstring());  // no package: nothing happens
  EXPECT_EQ(TempListing(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Folders, PendingUpdateTest, ::testing::Values(L"install", L"安装 Ωmega ü"));

}  // namespace
}  // namespace launcher
