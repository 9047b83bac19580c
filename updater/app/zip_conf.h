#pragma once
// The update job record: what to download, how to check it, where it goes.

#include <cstdint>
#include <filesystem>
#include <string>

struct ZipConf {
  std::filesystem::path zipPath;        // "update.zip" next to the updater
  std::string zipMd5;                   // expected digest, as given
  std::filesystem::path clientDic;      // two levels above the updater's folder
  std::filesystem::path clientExePath;  // the launcher, one level above
  bool launchAfterInstall = true;
  std::string urlHost;                  // "host" or "host:port"
  std::string urlPath;                  // from the first "/" on
  std::wstring pageCallParam;           // parameters for the launcher, kept wide
  std::int32_t forcedUpdate = 0;        // non-zero: forced
};
