#pragma once
// The download job: up to ten counted attempts of a segmented, verified
// download on the job's worker thread, with notifications to its owner.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "updater/download/download_state.h"
#include "updater/download/http_download.h"
#include "updater/download/thread_base.h"
#include "updater/download/transfer_settings.h"

// What the job needs from the program around it.
struct JobEnvironment {
  std::string jobFolder;              // narrow text ending in a separator
  std::function<void()> closeClient;  // a forced job runs it before its first attempt
  TransferSettings transfer;
};

class Downloader : public ThreadBase {
 public:
  static constexpr std::uint32_t kCountedAttempts = 10;
  static constexpr int kMaxRedirectsInRow = 10;

  Downloader(std::string expectedMd5, std::string host, std::string path, bool forced, JobEnvironment environment);
  // Ends every thread of the job before its state goes; part files stay.
  // A derived job must call EndThreads() first in its own destructor: the
  // worker's call of Run() must be over before any destructor of this chain
  // changes the object's dynamic type.
  ~Downloader() override;

  virtual void DoInstall() = 0;

  // A copy of the progress record, for display.
  DownloadState GetState() const;

  // Called on the worker thread: after each failed counted attempt (0 to 9;
  // the next attempt waits for the call), and once after the last one.
  std::function<void(std::uint32_t)> onRetry;
  std::function<void()> onFail;

  // Set once a verified "update.zip" is in place.
  std::atomic<bool> downloaded{false};

 protected:
  void Run() override;
  // Closes every connection of the job and waits for its threads; returns at
  // once when they have already ended.
  void EndThreads();

 private:
  const bool forced_;
  std::string host_;
  std::string path_;
  const std::function<void()> closeClient_;
  const std::string packageFile_;
  DownloadState state_;
  std::shared_ptr<CHttpDownload> http_;
};
