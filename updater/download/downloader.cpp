#include "updater/download/downloader.h"

#include "updater/download/download_result.h"
#include "updater/download/job_files.h"

using namespace download_result;

Downloader::Downloader(std::string expectedMd5, std::string host, std::string path, bool forced,
                       JobEnvironment environment)
    : forced_(forced),
      host_(std::move(host)),
      path_(std::move(path)),
      closeClient_(std::move(environment.closeClient)),
      packageFile_(environment.jobFolder + kPackageName),
      http_(std::make_shared<CHttpDownload>(environment.jobFolder, std::move(environment.transfer))) {
  state_.expectedMd5 = std::move(expectedMd5);
}

Downloader::~Downloader() { EndThreads(); }

void Downloader::EndThreads() {
  http_->Stop();
  Join();
}

DownloadState Downloader::GetState() const {
  std::lock_guard<std::mutex> guard(http_->TransferLock());
  return state_;
}

void Downloader::Run() {
  RemoveFile(packageFile_);
  if (forced_ && closeClient_) closeClient_();
  std::uint32_t attempt = 0;
  int redirectsInRow = 0;
  for (;;) {
    const int result = http_->DownloadFile(host_, path_, state_);
    if (result == kDownloadOk) {
      downloaded = true;
      return;
    }
    // The owner is going away: nobody to tell.
    if (http_->IsStopped()) return;
    if (result == kRedirected && ++redirectsInRow <= kMaxRedirectsInRow) continue;
    redirectsInRow = 0;
    if (onRetry) onRetry(attempt);
    if (++attempt == kCountedAttempts) {
      if (onFail && !http_->IsStopped()) onFail();
      return;
    }
  }
}
