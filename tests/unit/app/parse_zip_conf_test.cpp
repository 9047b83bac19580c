#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/unit/app/recording_root_logger.h"
#include "updater/app/UpdaterApp.h"
#include "updater/app/process_op.h"

namespace {

TEST(ParseZipConf, DerivesFromThisProgramsFolderAndWritesFourTraceRecords) {
  TestRootLogger().TakeRecords();
  const ZipConf conf = parseZipConf(L"-url=http://h/p.zip -md5=ABC -pagecallparam=\"a b\" -forcedupdate=2");
  const std::wstring folder = GetExeFolder();
  EXPECT_EQ(conf.zipPath.wstring(), folder + L"update.zip");
  EXPECT_EQ(conf.urlHost, "h");
  EXPECT_EQ(conf.pageCallParam, "a b");
  EXPECT_EQ(conf.forcedUpdate, 2);

  const std::vector<RecordedLog> records = TestRootLogger().TakeRecords();
  ASSERT_EQ(records.size(), 4u);
  const std::string narrowFolder = WideToNarrow(folder);
  const struct {
    std::uint32_t line;
    std::string text;
  } expected[] = {
      {120, "zipPath: " + narrowFolder + "update.zip"},
      {121, "zipMd5: ABC"},
      {122, "clientDic: \"" + WideToNarrow(conf.clientDic.wstring()) + "\""},
      {123, "clientExePath: \"" + WideToNarrow(conf.clientExePath.wstring()) + "\""},
  };
  const std::regex header(R"(\[LOM\]\[T\]\[\d{4}-\d{1,2}-\d{1,2} \d{1,2}:\d{1,2}:\d{1,2}\] )");
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].fileName, "UpdaterApp.cpp");
    EXPECT_EQ(records[i].level, 0u);
    EXPECT_EQ(records[i].line, expected[i].line);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(records[i].text, match, header)) << records[i].text;
    EXPECT_EQ(match.position(0), 0);
    EXPECT_EQ(records[i].text.substr(match.length(0)), expected[i].text + "\n");
  }
}

TEST(GetExeFolder, IsTheFolderOfThisProgramWithItsBackslash) {
  const std::wstring folder = GetExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_NE(GetFileAttributesW((folder + L"app_win32_test.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
