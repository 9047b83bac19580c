#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "scripted_server.h"
#include "test_files.h"
#include "wait_until.h"
#include "updater/download/download_result.h"
#include "updater/download/http_download.h"
#include "updater/download/job_files.h"

namespace {

using namespace download_result;
using namespace std::chrono_literals;

// Short deadlines for the cases where the watchdog has to act; every other
// case keeps the real ones, so that a slow machine never trips it.
TransferSettings QuickWatchdog() {
  TransferSettings settings;
  settings.timings.firstChunkLook = 100ms;
  settings.timings.stallLimit = 500ms;
  return settings;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Range starts of the requests after the probe.
std::multiset<std::uint64_t> SegmentStarts(const ScriptedServer& server) {
  std::multiset<std::uint64_t> starts;
  const auto requests = server.Requests();
  for (std::size_t i = 1; i < requests.size(); ++i) {
    const std::size_t at = requests[i].find("Range: bytes=");
    starts.insert(std::stoull(requests[i].substr(at + 13)));
  }
  return starts;
}

class DownloadFile_ : public testing::Test {
 protected:
  int Download(const std::string& host, const std::string& expectedMd5, TransferSettings settings = {}) {
    CHttpDownload http(folder_.JobFolder(), std::move(settings));
    return Download(http, host, expectedMd5);
  }

  int Download(CHttpDownload& http, const std::string& host, const std::string& expectedMd5) {
    host_ = host;
    state_.expectedMd5 = expectedMd5;
    testing::internal::CaptureStdout();
    const int result = http.DownloadFile(host_, path_, state_);
    printed_ = testing::internal::GetCapturedStdout();
    return result;
  }

  TempFolder folder_;
  DownloadState state_;
  std::string host_;
  std::string path_ = "/p.zip";
  std::string printed_;
};

TEST_F(DownloadFile_, LeavesTheVerifiedPackageAsUpdateZip) {
  const struct {
    std::size_t size;
    bool upperCaseDigest;
    std::multiset<std::uint64_t> starts;
  } cases[] = {
      {1003, false, {0, 250, 500, 750}},
      {(1u << 20) + 3, true, {0, 262144, 524288, 786432}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    const std::string package = PatternBytes(c.size, 9);
    std::string digest = Md5Of(package);
    if (c.upperCaseDigest) std::transform(digest.begin(), digest.end(), digest.begin(), ::toupper);
    ScriptedServer server([&](ScriptedExchange& e) { scripts::ServeRange(e, package); });
    ASSERT_EQ(Download(server.Host(), digest), kDownloadOk);
    EXPECT_EQ(ReadWholeFile(folder_.File(kPackageName)), package);
    EXPECT_EQ(FilesIn(folder_.JobFolder()), std::vector<std::string>{kPackageName});
    EXPECT_EQ(state_.total, c.size);
    EXPECT_EQ(state_.jobFile, folder_.File(kMergeTargetName));
    EXPECT_EQ(SegmentStarts(server), c.starts);
    RemoveFile(folder_.File(kPackageName));
  }
}

TEST_F(DownloadFile_, FailedChecksLeaveNoFilesAndForgetTheProgress) {
  const std::string package = PatternBytes(1003, 4);
  std::string corrupted = package;
  corrupted[600] ^= 1;
  const std::string shorter = package.substr(0, 900);
  const struct {
    const char* name;
    ScriptedServer::Script script;
    int result;
    TransferSettings settings;
  } cases[] = {
      {"wrong bytes", [&](ScriptedExchange& e) { scripts::ServeRange(e, corrupted); }, kDigestMismatch, {}},
      {"fewer bytes than the probe announced",
       [&](ScriptedExchange& e) {
         if (e.Index() == 0) return scripts::Answer(e, 206, "Content-Range: bytes 0-1002/1003\r\n");
         scripts::ServeRange(e, shorter);
       },
       kLengthMismatch, {}},
      {"segments stall after a few bytes",
       [&](ScriptedExchange& e) {
         if (e.Index() == 0) return scripts::ServeRange(e, package);
         scripts::Answer(e, 206, "", package.substr(e.RangeStart(), 10));
         e.WaitForClientClose();
       },
       kLengthMismatch, QuickWatchdog()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(c.script);
    EXPECT_EQ(Download(server.Host(), Md5Of(package), c.settings), c.result);
    EXPECT_EQ(FilesIn(folder_.JobFolder()), std::vector<std::string>{});
    EXPECT_EQ(state_.received, 0u);
  }
}

TEST_F(DownloadFile_, MissingPartsFailTheMerge) {
  const std::string tiny = "abc";
  const std::string package = PatternBytes(1003, 4);
  const struct {
    const char* name;
    ScriptedServer::Script script;
    std::string digest;
    TransferSettings settings;
  } cases[] = {
      // Its first three segments are empty and never make a part file.
      {"package of three bytes", [&](ScriptedExchange& e) { scripts::ServeRange(e, tiny); }, Md5Of(tiny), {}},
      {"no body ever",
       [&](ScriptedExchange& e) {
         if (e.Index() == 0) return scripts::ServeRange(e, package);
         scripts::Answer(e, 206, "");
         e.WaitForClientClose();
       },
       Md5Of(package), QuickWatchdog()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(c.script);
    EXPECT_EQ(Download(server.Host(), c.digest, c.settings), kPartNotMerged);
    EXPECT_EQ(FilesIn(folder_.JobFolder()), std::vector<std::string>{});
  }
}

TEST_F(DownloadFile_, FailedProbeKeepsEarlierPartsAndProgress) {
  ScriptedServer server([](ScriptedExchange& e) { scripts::Answer(e, 404, ""); });
  WriteWholeFile(folder_.File("update.td0"), "earlier");
  state_.received = 7;
  EXPECT_EQ(Download(server.Host(), "x"), kProbeFailed);
  EXPECT_EQ(ReadWholeFile(folder_.File("update.td0")), "earlier");
  EXPECT_EQ(state_.received, 7u);
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(DownloadFile_, RedirectRewritesTheTarget) {
  ScriptedServer server([](ScriptedExchange& e) { scripts::Answer(e, 302, "Location: /moved/q.zip\r\n"); });
  EXPECT_EQ(Download(server.Host(), "x"), kRedirected);
  EXPECT_EQ(host_, server.Host());
  EXPECT_EQ(path_, "/moved/q.zip");
}

TEST_F(DownloadFile_, PackageThatCannotTakeItsNameFailsTheAttempt) {
  const std::string package = PatternBytes(1003, 2);
  ScriptedServer server([&](ScriptedExchange& e) { scripts::ServeRange(e, package); });
  // A folder of that name, with something inside, can be neither removed nor replaced.
  std::filesystem::create_directories(folder_.File(kPackageName) + "/inside");
  EXPECT_EQ(Download(server.Host(), Md5Of(package)), kRenameFailed);
  EXPECT_EQ(FilesIn(folder_.JobFolder()), std::vector<std::string>{kPackageName});
}

TEST_F(DownloadFile_, ThreadThatCannotStartFailsTheAttempt) {
  const std::string package = PatternBytes(1003, 2);
  // Segment threads are made first, then the watchdog.
  for (const int failingCall : {3, 5}) {
    SCOPED_TRACE(failingCall);
    ScriptedServer server([&](ScriptedExchange& e) { scripts::ServeRange(e, package); });
    TransferSettings settings;
    int calls = 0;
    settings.startThread = [&calls, failingCall](std::function<void()> body) {
      if (++calls == failingCall) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      return std::thread(std::move(body));
    };
    EXPECT_EQ(Download(server.Host(), Md5Of(package), settings), kThreadNotCreated);
    EXPECT_FALSE(FileExists(folder_.File(kMergeTargetName)));
    EXPECT_FALSE(FileExists(folder_.File(kPackageName)));
  }
}

TEST_F(DownloadFile_, StoppedFromOutsideReturnsAndKeepsThePartFiles) {
  const std::string package = PatternBytes(1003, 6);
  ScriptedServer server([&](ScriptedExchange& e) {
    if (e.Index() == 0) return scripts::ServeRange(e, package);
    scripts::Answer(e, 206, "", package.substr(e.RangeStart(), 10));
    e.WaitForClientClose();
  });
  TransferSettings settings;
  settings.timings.stallLimit = 1h;
  CHttpDownload http(folder_.JobFolder(), settings);
  std::thread stopper([&] {
    WaitUntil([&] {
      for (int i = 0; i < kSegmentCount; ++i) {
        if (CHttpDownload::GetPartSize(folder_.File("update.td" + std::to_string(i))) < 10) return false;
      }
      return true;
    });
    http.Stop();
  });
  EXPECT_EQ(Download(http, server.Host(), Md5Of(package)), kStopped);
  stopper.join();
  for (int i = 0; i < kSegmentCount; ++i) {
    EXPECT_EQ(ReadWholeFile(folder_.File("update.td" + std::to_string(i))), package.substr(i * 250, 10)) << i;
  }
  EXPECT_FALSE(FileExists(folder_.File(kMergeTargetName)));
}

}  // namespace
