#include <gtest/gtest.h>

#include <string>

#include "updater/app/zip_conf_builder.h"

namespace {

TEST(ZipConf, BuildsEveryFieldFromTheOptionsAndTheFolder) {
  const ZipConf conf = BuildZipConf(L"-url=http://dl.example.test:8080/dir/file.zip -md5=ABC -pagecallparam=P -forcedupdate=1",
                                    L"D:\\Apps\\Client\\temp\\");
  EXPECT_EQ(conf.zipPath.wstring(), L"D:\\Apps\\Client\\temp\\update.zip");
  EXPECT_EQ(conf.zipMd5, "ABC");
  EXPECT_EQ(conf.clientDic.wstring(), L"D:\\Apps\\");
  EXPECT_EQ(conf.clientExePath.wstring(), L"D:\\Apps\\Client\\TAVRENLaunch.exe");
  EXPECT_TRUE(conf.launchAfterInstall);
  EXPECT_EQ(conf.urlHost, "dl.example.test:8080");
  EXPECT_EQ(conf.urlPath, "/dir/file.zip");
  EXPECT_EQ(conf.pageCallParam, "P");
  EXPECT_EQ(conf.forcedUpdate, 1);

  const ZipConf copy = conf;
  EXPECT_EQ(copy.clientExePath, conf.clientExePath);
  EXPECT_EQ(copy.urlPath, conf.urlPath);
}

TEST(ZipConf, NoOptionsStillDerivesTheFolders) {
  const ZipConf conf = BuildZipConf(L"", L"D:\\Apps\\Client\\temp\\");
  EXPECT_EQ(conf.urlHost, "");
  EXPECT_EQ(conf.urlPath, "");
  EXPECT_EQ(conf.zipMd5, "");
  EXPECT_EQ(conf.pageCallParam, "");
  EXPECT_EQ(conf.forcedUpdate, 0);
  EXPECT_EQ(conf.clientDic.wstring(), L"D:\\Apps\\");
  EXPECT_EQ(conf.zipPath.wstring(), L"D:\\Apps\\Client\\temp\\update.zip");
  EXPECT_EQ(BuildZipConf(nullptr, L"D:\\A\\B\\").clientExePath.wstring(), L"D:\\A\\TAVRENLaunch.exe");
}

TEST(ZipConf, FoldersNearTheDriveRoot) {
  const struct {
    const wchar_t* exeFolder;
    const wchar_t* clientDic;
    const wchar_t* clientExePath;
    const wchar_t* zipPath;
  } cases[] = {
      {L"D:\\Apps\\Client\\temp\\", L"D:\\Apps\\", L"D:\\Apps\\Client\\TAVRENLaunch.exe", L"D:\\Apps\\Client\\temp\\update.zip"},
      {L"D:\\Client\\temp\\", L"D:\\", L"D:\\Client\\TAVRENLaunch.exe", L"D:\\Client\\temp\\update.zip"},
      {L"D:\\X\\", L"", L"D:\\TAVRENLaunch.exe", L"D:\\X\\update.zip"},
      {L"D:\\", L"", L"TAVRENLaunch.exe", L"D:\\update.zip"},
      {L"", L"", L"TAVRENLaunch.exe", L"update.zip"},
      {L"\\\\server\\share\\Client\\temp\\", L"\\\\server\\share\\", L"\\\\server\\share\\Client\\TAVRENLaunch.exe",
       L"\\\\server\\share\\Client\\temp\\update.zip"},
  };
  for (const auto& c : cases) {
    const ZipConf conf = BuildZipConf(L"-url=h/x", c.exeFolder);
    EXPECT_EQ(conf.clientDic.wstring(), c.clientDic) << testing::PrintToString(std::wstring(c.exeFolder));
    EXPECT_EQ(conf.clientExePath.wstring(), c.clientExePath) << testing::PrintToString(std::wstring(c.exeFolder));
    EXPECT_EQ(conf.zipPath.wstring(), c.zipPath);
  }
}

TEST(ZipConf, OnlyTheExactPlainSchemeIsRemovedFromTheAddress) {
  const struct {
    const wchar_t* url;
    const char* host;
    const char* path;
  } cases[] = {
      {L"http://H/dir/file.zip", "H", "/dir/file.zip"},
      {L"https://H/x.zip", "https:", "//H/x.zip"},
      {L"HTTP://H/x.zip", "HTTP:", "//H/x.zip"},
      {L"H", "", "H"},
      {L"http://H", "", "H"},
      {L"http://", "", ""},
      {L"/p.zip", "", "/p.zip"},
      {L"x http://H/p", "x http:", "//H/p"},
      {L"http://http://H/p", "http:", "//H/p"},
  };
  for (const auto& c : cases) {
    const ZipConf conf = BuildZipConf((L"-url=\"" + std::wstring(c.url) + L"\"").c_str(), L"D:\\A\\B\\");
    EXPECT_EQ(conf.urlHost, c.host) << testing::PrintToString(std::wstring(c.url));
    EXPECT_EQ(conf.urlPath, c.path) << testing::PrintToString(std::wstring(c.url));
  }
}

TEST(ZipConf, ForcedUpdateReadsLikeTheLibraryDecimalConversion) {
  const struct {
    const wchar_t* text;
    std::int32_t value;
  } cases[] = {
      {L"1", 1},         {L"01", 1},     {L"-3", -3},       {L"yes", 0},       {L"", 0},
      {L"+7", 7},        {L" \t12x", 12}, {L"2.9", 2},       {L"- 1", 0},       {L"--1", 0},
      {L"2147483647", 2147483647},       {L"2147483648", 2147483647},         {L"99999999999999999999", 2147483647},
      {L"-2147483648", -2147483647 - 1}, {L"-99999999999999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadDecimal(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
  EXPECT_EQ(BuildZipConf(L"-forcedupdate=\" 2\"", L"").forcedUpdate, 2);
}

TEST(ZipConf, QuotedPathEscapesQuotesAndAmpersands) {
  const struct {
    const wchar_t* path;
    const char* quoted;
  } cases[] = {
      {L"D:\\Apps\\", "\"D:\\Apps\\\""},
      {L"D:\\R&D\\", "\"D:\\R&&D\\\""},
      {L"D:\\a\"b\\", "\"D:\\a&\"b\\\""},
      {L"&\"&", "\"&&&\"&&\""},
      {L"", "\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedPathText(std::wstring(c.path)), c.quoted);
}

TEST(ExeFolder, TextUpToTheLastBackslash) {
  EXPECT_EQ(FolderOf(L"D:\\Apps\\Client\\temp\\Updater.exe"), L"D:\\Apps\\Client\\temp\\");
  EXPECT_EQ(FolderOf(L"D:\\Updater.exe"), L"D:\\");
  EXPECT_EQ(FolderOf(L"Updater.exe"), L"");
  EXPECT_EQ(FolderOf(L"D:/Apps/Updater.exe"), L"");
}

}  // namespace
