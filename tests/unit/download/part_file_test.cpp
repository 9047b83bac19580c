#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "test_files.h"
#include "updater/download/http_download.h"

namespace {

TEST(AppendBody, CountsWhatThePartFileHeldBeforeAndAppends) {
  TempFolder folder;
  const std::string part = folder.File("update.td1");
  WriteWholeFile(part, std::string(300, 'o'));
  std::ofstream out;
  std::uint64_t written = 0;
  EXPECT_TRUE(CHttpDownload::AppendBody(part, "first", 300, written, out));
  EXPECT_EQ(written, 305u);
  EXPECT_TRUE(CHttpDownload::AppendBody(part, "second", 300, written, out));
  EXPECT_EQ(written, 311u);
  out.close();
  EXPECT_EQ(ReadWholeFile(part), std::string(300, 'o') + "firstsecond");
}

TEST(AppendBody, CreatesAMissingPartFile) {
  TempFolder folder;
  std::ofstream out;
  std::uint64_t written = 0;
  EXPECT_TRUE(CHttpDownload::AppendBody(folder.File("update.td0"), "body", 0, written, out));
  out.close();
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(ReadWholeFile(folder.File("update.td0")), "body");
}

TEST(AppendBody, FailsWhenThePartFileCannotBeOpened) {
  TempFolder folder;
  std::ofstream out;
  std::uint64_t written = 0;
  EXPECT_FALSE(CHttpDownload::AppendBody(folder.File("no-such-folder/update.td0"), "body", 7, written, out));
  EXPECT_EQ(written, 0u);
}

TEST(GetPartSize, SizesFilesAndTreatsMissingOnesAsEmpty) {
  TempFolder folder;
  EXPECT_EQ(CHttpDownload::GetPartSize(folder.File("missing")), 0u);
  WriteWholeFile(folder.File("empty"), "");
  EXPECT_EQ(CHttpDownload::GetPartSize(folder.File("empty")), 0u);
  WriteWholeFile(folder.File("some"), std::string(1003, 'x'));
  EXPECT_EQ(CHttpDownload::GetPartSize(folder.File("some")), 1003u);
}

TEST(GetPartSize, SizesFilesOfMoreThanFourGiB) {
  TempFolder folder;
  const std::uint64_t size = (std::uint64_t{5} << 30) + 1;
  {
    // Sparse where the file system allows it: only the last byte is written.
    std::ofstream out(folder.File("large"), std::ios::binary);
    out.seekp(static_cast<std::streamoff>(size - 1));
    out.put('x');
    ASSERT_TRUE(out.good());
  }
  EXPECT_EQ(CHttpDownload::GetPartSize(folder.File("large")), size);
}

}  // namespace
