// Runs one download job in the driver's own folder and reports on standard
// output: its process id, progress once a second, each retry, the outcome
// ("downloaded" or "failed").
//
//   download_driver URL MD5 [--forced]
//
// Exit code 0 when a verified "update.zip" is in place, 1 when the job gave
// up, 2 on a wrong command line.

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "platform/process_facts.h"
#include "updater/download/console_text.h"
#include "updater/download/downloader.h"

namespace {

class DriverJob : public Downloader {
 public:
  using Downloader::Downloader;
  ~DriverJob() override { EndThreads(); }
  void DoInstall() override {}
};

// "http://" is optional; the host runs up to the first "/".
void SplitUrl(std::string url, std::string& host, std::string& path) {
  static const std::string kScheme = "http://";
  if (url.compare(0, kScheme.size(), kScheme) == 0) url.erase(0, kScheme.size());
  const std::size_t slash = url.find('/');
  host = slash == std::string::npos ? std::string() : url.substr(0, slash);
  path = slash == std::string::npos ? url : url.substr(slash);
}

void PrintProgress(const DownloadState& state) {
  std::uint64_t percent = state.total == 0 ? 0 : state.received * 100 / state.total;
  if (percent > 100) percent = 100;
  WriteStdout("progress " + std::to_string(state.received) + "/" + std::to_string(state.total) + " " +
              std::to_string(percent) + "%\n");
}

int RunDriver(int argc, char** argv) {
  if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--forced") != 0)) {
    WriteStdout("usage: download_driver URL MD5 [--forced]\n");
    return 2;
  }
  std::string host;
  std::string path;
  SplitUrl(argv[1], host, path);
  const std::string folder = platform::ExecutableFolder();
  WriteStdout("pid " + std::to_string(platform::CurrentProcessId()) + "\n");

  JobEnvironment environment;
  environment.jobFolder = folder;
  environment.closeClient = [] { WriteStdout("close client\n"); };
  std::atomic<bool> failed{false};
  DriverJob job(argv[2], host, path, argc == 4, std::move(environment));
  job.onRetry = [](std::uint32_t attempt) { WriteStdout("retry " + std::to_string(attempt) + "\n"); };
  job.onFail = [&failed] { failed = true; };
  if (!job.Start()) {
    WriteStdout("failed: no worker thread\n");
    return 1;
  }

  auto nextReport = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!job.downloaded && !failed) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (std::chrono::steady_clock::now() >= nextReport) {
      PrintProgress(job.GetState());
      nextReport += std::chrono::seconds(1);
    }
  }
  PrintProgress(job.GetState());
  if (failed) {
    WriteStdout("failed\n");
    return 1;
  }
  // The job verified the digest while merging: no second pass over the package.
  WriteStdout("downloaded\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return RunDriver(argc, argv);
  } catch (const std::exception& e) {
    WriteStdout(std::string("failed: ") + e.what() + "\n");
    return 1;
  }
}
