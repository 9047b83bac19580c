// One download attempt: probe, four segment threads with their watchdog,
// merge, length and digest checks, and the rename to "update.zip".

#include "updater/download/http_download.h"

#include <array>
#include <system_error>
#include <thread>
#include <vector>

#include "updater/download/download_result.h"
#include "updater/download/job_files.h"
#include "updater/download/md5.h"
#include "updater/download/package_merge.h"
#include "updater/download/stall_watchdog.h"

using namespace download_result;

CHttpDownload::CHttpDownload(std::string jobFolder, TransferSettings settings)
    : jobFolder_(std::move(jobFolder)), settings_(std::move(settings)) {}

CHttpDownload::~CHttpDownload() { Stop(); }

void CHttpDownload::Stop() { control_.connections.Shutdown(); }

bool CHttpDownload::IsStopped() const { return control_.connections.IsShutDown(); }

int CHttpDownload::RunSegments(std::array<SegmentTask, kSegmentCount>& tasks) {
  StallWatchdog watchdog(control_.activityCount, settings_.timings, [this] { control_.connections.CloseAll(); });
  std::vector<std::thread> threads;
  threads.reserve(tasks.size());
  int result = kDownloadOk;
  try {
    for (SegmentTask& task : tasks) threads.push_back(settings_.startThread(Guarded([&task] { SegmentProc(task); })));
    watchdog.Start(settings_.startThread);
  } catch (const std::system_error&) {
    // Without all of its threads the attempt cannot succeed: end the others.
    control_.connections.CloseAll();
    result = kThreadNotCreated;
  }
  for (std::thread& thread : threads) thread.join();
  watchdog.Finish();
  control_.activityCount = 0;
  return result;
}

int CHttpDownload::DownloadFile(std::string& host, std::string& path, DownloadState& state) {
  // A watchdog of the previous attempt may have closed the connections.
  control_.connections.Reopen();
  {
    std::lock_guard<std::mutex> guard(control_.transferLock);
    state.jobFile = jobFolder_ + kMergeTargetName;
  }
  const std::int64_t length = GetContentLength(host, path, state);
  if (length <= 0) return length == kProbeRedirected ? kRedirected : kProbeFailed;

  const SegmentPlan plan = SplitIntoSegments(static_cast<std::uint64_t>(length));
  std::array<SegmentTask, kSegmentCount> tasks;
  for (int i = 0; i < kSegmentCount; ++i) {
    tasks[i].host = host;
    tasks[i].path = path;
    tasks[i].start = plan[i].start;
    tasks[i].end = plan[i].end;
    tasks[i].partFile = PartFileName(state.jobFile, i);
    tasks[i].state = &state;
    tasks[i].control = &control_;
  }
  const int transferred = RunSegments(tasks);
  if (transferred != kDownloadOk) return transferred;
  // Closed from outside: keep the part files for the next run.
  if (IsStopped()) return kStopped;

  const MergeOutcome merged = MergeParts(state.jobFile, plan);
  if (merged.result != kDownloadOk) return merged.result;
  const auto forgetProgress = [&] {
    RemoveFile(state.jobFile);
    std::lock_guard<std::mutex> guard(control_.transferLock);
    state.received = 0;
  };
  if (GetPartSize(state.jobFile) != static_cast<std::uint64_t>(length)) {
    forgetProgress();
    return kLengthMismatch;
  }
  if (!DigestTextsMatch(merged.digest, state.expectedMd5)) {
    forgetProgress();
    return kDigestMismatch;
  }
  if (!MoveFileReplacing(state.jobFile, jobFolder_ + kPackageName)) {
    RemoveFile(state.jobFile);
    return kRenameFailed;
  }
  return kDownloadOk;
}
