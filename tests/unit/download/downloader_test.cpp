#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "scripted_server.h"
#include "test_files.h"
#include "wait_until.h"
#include "updater/download/downloader.h"
#include "updater/download/job_files.h"

namespace {

using namespace std::chrono_literals;

class TestJob : public Downloader {
 public:
  using Downloader::Downloader;
  ~TestJob() override { EndThreads(); }
  void DoInstall() override {}
};

// What the job told its owner.
struct Notifications {
  std::mutex lock;
  std::vector<std::uint32_t> retries;
  int failures = 0;

  void Watch(Downloader& job) {
    job.onRetry = [this](std::uint32_t n) {
      std::lock_guard<std::mutex> guard(lock);
      retries.push_back(n);
    };
    job.onFail = [this] {
      std::lock_guard<std::mutex> guard(lock);
      ++failures;
    };
  }

  bool Failed() {
    std::lock_guard<std::mutex> guard(lock);
    return failures > 0;
  }
};

// The Host line of a request.
std::string HostOf(const ScriptedExchange& e) {
  const std::string& request = e.Request();
  const std::size_t start = request.find("\r\nHost: ") + 8;
  return request.substr(start, request.find("\r\n", start) - start);
}

class Downloader_ : public testing::Test {
 protected:
  std::unique_ptr<TestJob> MakeJob(const std::string& host, const std::string& path, const std::string& md5,
                                   bool forced = false, TransferSettings settings = {}) {
    JobEnvironment environment{folder_.JobFolder(), [this] { clientClosings_.push_back(requestsAtClosing_()); },
                               std::move(settings)};
    auto job = std::make_unique<TestJob>(md5, host, path, forced, std::move(environment));
    notifications_.Watch(*job);
    return job;
  }

  // The job has no notification for success: the owner polls.
  void WaitForEnd(TestJob& job) { WaitUntil([&] { return job.downloaded || notifications_.Failed(); }); }

  bool PartsHold(std::uint64_t bytes) const {
    for (int i = 0; i < kSegmentCount; ++i) {
      if (CHttpDownload::GetPartSize(folder_.File("update.td" + std::to_string(i))) < bytes) return false;
    }
    return true;
  }

  // Runs the job to its end: a verified package or the final failure.
  void RunToEnd(TestJob& job) {
    testing::internal::CaptureStdout();
    ASSERT_TRUE(job.Start());
    WaitForEnd(job);
    testing::internal::GetCapturedStdout();
  }

  TempFolder folder_;
  Notifications notifications_;
  std::function<std::size_t()> requestsAtClosing_ = [] { return std::size_t{0}; };
  std::vector<std::size_t> clientClosings_;
};

TEST_F(Downloader_, TenFailedAttemptsAreReportedThenGivenUp) {
  WriteWholeFile(folder_.File(kPackageName), "old package");
  auto job = MakeJob(UnusedHost(), "/p.zip", "x");
  RunToEnd(*job);
  job.reset();
  EXPECT_EQ(notifications_.retries, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(notifications_.failures, 1);
  EXPECT_FALSE(FileExists(folder_.File(kPackageName)));
}

TEST_F(Downloader_, RetriesUntilAnAttemptSucceeds) {
  const std::string package = PatternBytes(1003, 8);
  ScriptedServer server([&](ScriptedExchange& e) {
    if (e.Index() < 2) return scripts::Answer(e, 404, "");
    scripts::ServeRange(e, package);
  });
  auto job = MakeJob(server.Host(), "/p.zip", Md5Of(package));
  RunToEnd(*job);
  EXPECT_TRUE(job->downloaded);
  job.reset();
  EXPECT_EQ(notifications_.retries, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_EQ(notifications_.failures, 0);
  EXPECT_EQ(ReadWholeFile(folder_.File(kPackageName)), package);
}

TEST_F(Downloader_, RedirectsAreFollowedWithoutCounting) {
  const std::string package = PatternBytes(1003, 8);
  ScriptedServer server([&](ScriptedExchange& e) {
    if (e.Request().rfind("GET /a ", 0) == 0) return scripts::Answer(e, 302, "Location: /b\r\n");
    if (e.Request().rfind("GET /b ", 0) == 0) return scripts::Answer(e, 301, "Location: http://" + HostOf(e) + "/c\r\n");
    scripts::ServeRange(e, package);
  });
  auto job = MakeJob(server.Host(), "/a", Md5Of(package));
  RunToEnd(*job);
  EXPECT_TRUE(job->downloaded);
  job.reset();
  EXPECT_TRUE(notifications_.retries.empty());
  const auto requests = server.Requests();
  ASSERT_GE(requests.size(), 3u);
  EXPECT_EQ(requests[2].rfind("GET /c HTTP/1.1\r\n", 0), 0u);
}

TEST_F(Downloader_, EndlessRedirectsCountAsFailedAttempts) {
  ScriptedServer server([](ScriptedExchange& e) { scripts::Answer(e, 302, "Location: /p.zip\r\n"); });
  auto job = MakeJob(server.Host(), "/p.zip", "x");
  RunToEnd(*job);
  job.reset();
  EXPECT_EQ(notifications_.retries, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(notifications_.failures, 1);
  // Each counted attempt: the first probe and ten redirects followed.
  EXPECT_EQ(server.Requests().size(), 110u);
}

TEST_F(Downloader_, ForcedJobClosesTheClientBeforeItsFirstRequest) {
  for (const bool forced : {false, true}) {
    SCOPED_TRACE(forced);
    const std::string package = PatternBytes(1003, 8);
    ScriptedServer server([&](ScriptedExchange& e) { scripts::ServeRange(e, package); });
    clientClosings_.clear();
    requestsAtClosing_ = [&server] { return server.Requests().size(); };
    auto job = MakeJob(server.Host(), "/p.zip", Md5Of(package), forced);
    RunToEnd(*job);
    job.reset();
    EXPECT_EQ(clientClosings_, forced ? std::vector<std::size_t>{0} : std::vector<std::size_t>{});
  }
}

// Segment answers wait until the test lets them go.
class Gate {
 public:
  void Open() {
    std::lock_guard<std::mutex> guard(lock_);
    open_ = true;
    changed_.notify_all();
  }
  void Pass() {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait_for(guard, 30s, [this] { return open_; });
  }

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  bool open_ = false;
};

TEST_F(Downloader_, ResumesThePartFilesOfAnEarlierRun) {
  const std::string package = PatternBytes(1003, 11);
  // Parts of 100, 0 (missing), 250 and 30 bytes of the segments at 0, 250, 500, 750.
  WriteWholeFile(folder_.File("update.td0"), package.substr(0, 100));
  WriteWholeFile(folder_.File("update.td2"), package.substr(500, 250));
  WriteWholeFile(folder_.File("update.td3"), package.substr(750, 30));
  Gate gate;
  ScriptedServer server([&](ScriptedExchange& e) {
    if (e.Index() > 0) gate.Pass();
    scripts::ServeRange(e, package);
  });
  auto job = MakeJob(server.Host(), "/p.zip", Md5Of(package));
  testing::internal::CaptureStdout();
  ASSERT_TRUE(job->Start());
  ASSERT_TRUE(WaitUntil([&] { return server.Requests().size() == 5; }));
  EXPECT_EQ(job->GetState().received, 380u);
  gate.Open();
  WaitForEnd(*job);
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(job->downloaded);
  EXPECT_EQ(ReadWholeFile(folder_.File(kPackageName)), package);
  std::multiset<std::uint64_t> starts;
  for (const std::string& request : server.Requests()) starts.insert(std::stoull(request.substr(request.find("bytes=") + 6)));
  EXPECT_EQ(starts, (std::multiset<std::uint64_t>{0, 100, 250, 750, 780}));
}

TEST_F(Downloader_, DestroyingTheJobEndsItsThreadsAndKeepsThePartsForTheNextRun) {
  const std::string package = PatternBytes(1003, 12);
  {
    ScriptedServer stalling([&](ScriptedExchange& e) {
      if (e.Index() == 0) return scripts::ServeRange(e, package);
      scripts::Answer(e, 206, "", package.substr(e.RangeStart(), 10));
      e.WaitForClientClose();
    });
    TransferSettings patient;
    patient.timings.stallLimit = 1h;
    auto job = MakeJob(stalling.Host(), "/p.zip", Md5Of(package), false, patient);
    testing::internal::CaptureStdout();
    ASSERT_TRUE(job->Start());
    EXPECT_TRUE(WaitUntil([&] { return PartsHold(10); }));
    job.reset();
    testing::internal::GetCapturedStdout();
  }
  EXPECT_TRUE(notifications_.retries.empty());
  EXPECT_EQ(notifications_.failures, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(CHttpDownload::GetPartSize(folder_.File("update.td" + std::to_string(i))), 10u);

  ScriptedServer server([&](ScriptedExchange& e) { scripts::ServeRange(e, package); });
  auto next = MakeJob(server.Host(), "/p.zip", Md5Of(package));
  RunToEnd(*next);
  EXPECT_TRUE(next->downloaded);
  EXPECT_EQ(ReadWholeFile(folder_.File(kPackageName)), package);
}

}  // namespace
