#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <string>
#include <thread>

#include "scripted_server.h"
#include "test_files.h"
#include "wait_until.h"
#include "updater/download/http_download.h"
#include "updater/download/job_files.h"

namespace {

using namespace std::chrono_literals;

struct SegmentRun {
  int exitCode = 0;
  std::string printed;
  std::string part;     // the part file afterwards
  std::uint64_t written = 0;
  std::uint64_t received = 0;
  bool partExists = false;
  bool jobFileExists = false;
  std::string request;  // as the server received it
};

class SegmentProc_ : public testing::Test {
 protected:
  // Runs one segment [start, end) against `host`, with an earlier run's part
  // file when `earlier` is given; the merge target exists beforehand.
  SegmentRun Run(const std::string& host, std::uint64_t start, std::uint64_t end,
                 std::optional<std::string> earlier = std::nullopt) {
    const std::string partFile = PartFileName(state_.jobFile, 1);
    if (earlier) WriteWholeFile(partFile, *earlier);
    WriteWholeFile(state_.jobFile, "stale");
    SegmentTask task;
    task.host = host;
    task.path = "/p.zip";
    task.start = start;
    task.end = end;
    task.partFile = partFile;
    task.state = &state_;
    task.control = &control_;
    testing::internal::CaptureStdout();
    SegmentRun run;
    run.exitCode = CHttpDownload::SegmentProc(task);
    run.printed = testing::internal::GetCapturedStdout();
    run.partExists = FileExists(partFile);
    run.part = ReadWholeFile(partFile);
    run.written = task.written;
    run.received = state_.received;
    run.jobFileExists = FileExists(state_.jobFile);
    return run;
  }

  TempFolder folder_;
  DownloadState state_{folder_.File(kMergeTargetName), "", 0, 0};
  TransferControl control_;
  const std::string package_ = PatternBytes(3000, 5);
};

TEST_F(SegmentProc_, ResumesAfterThePartFileAndCountsItFirst) {
  std::promise<void> checked;
  std::shared_future<void> release = checked.get_future().share();
  ScriptedServer server([&](ScriptedExchange& e) {
    release.wait();
    scripts::ServeRange(e, package_);
  });
  std::future<SegmentRun> run = std::async(std::launch::async, [&] {
    return Run(server.Host(), 1000, 2000, package_.substr(1000, 300));
  });
  // The earlier bytes count before any body byte arrives.
  ASSERT_TRUE(WaitUntil([&] { return !server.Requests().empty(); }));
  {
    std::lock_guard<std::mutex> guard(control_.transferLock);
    EXPECT_EQ(state_.received, 300u);
  }
  checked.set_value();
  const SegmentRun result = run.get();
  EXPECT_NE(server.Requests()[0].find("\r\nRange: bytes=1300- \r\n"), std::string::npos);
  ASSERT_GE(result.part.size(), 1000u);
  EXPECT_EQ(result.part, package_.substr(1000, result.part.size()));
  EXPECT_EQ(result.written, result.part.size());
  EXPECT_EQ(result.received, result.part.size());
  EXPECT_GE(control_.activityCount.load(), 1);
}

TEST_F(SegmentProc_, WholePackageAnswerToARangeSkipsToTheSegmentsStart) {
  ScriptedServer server([&](ScriptedExchange& e) {
    scripts::Answer(e, 200, "Content-Length: " + std::to_string(package_.size()) + "\r\n", package_);
  });
  for (const std::size_t earlier : {0u, 100u}) {
    SCOPED_TRACE(earlier);
    state_.received = 0;
    RemoveFile(PartFileName(state_.jobFile, 1));
    const SegmentRun result = Run(server.Host(), 750, 1500, package_.substr(750, earlier));
    ASSERT_GE(result.part.size(), 750u);
    EXPECT_EQ(result.part, package_.substr(750, result.part.size()));
    // Skipped bytes are not progress.
    EXPECT_EQ(result.received, result.part.size());
  }
}

TEST_F(SegmentProc_, EndsByTheWayTheTransferEnded) {
  const struct {
    const char* name;
    ScriptedServer::Script script;
    int exitCode;
    std::string printedPrefix;
    std::size_t minimumPart;
  } cases[] = {
      {"server closes after a short body",
       [](ScriptedExchange& e) { scripts::Answer(e, 206, "Content-Length: 10\r\n", std::string(10, 'b')); }, 0, "", 10},
      {"segment complete while the connection stays open",
       [](ScriptedExchange& e) {
         scripts::Answer(e, 206, "", std::string(200, 'b'));
         std::this_thread::sleep_for(100ms);
         e.Send(std::string(50, 'c'));
         e.WaitForClientClose();
       },
       -1, "Exception: ", 100},
      {"a head that never ends",
       [](ScriptedExchange& e) {
         e.Send("HTTP/1.1 206 Partial Content\r\n");
         for (int i = 0; i < 100 && e.Send(std::string(1024, 'x')); ++i) {
         }
         e.WaitForClientClose();
       },
       -1, "Exception: ", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(c.script);
    RemoveFile(PartFileName(state_.jobFile, 1));
    const SegmentRun result = Run(server.Host(), 0, 100);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.printed.rfind(c.printedPrefix, 0), 0u) << result.printed;
    EXPECT_GE(result.part.size(), c.minimumPart);
  }
}

TEST_F(SegmentProc_, HeadWithoutBodyBytesIsNoActivity) {
  ScriptedServer server([](ScriptedExchange& e) {
    scripts::Answer(e, 206, "");
    std::this_thread::sleep_for(50ms);
  });
  const SegmentRun result = Run(server.Host(), 0, 100);
  EXPECT_EQ(result.exitCode, 0);
  // The watchdog's first deadline is about the first body byte.
  EXPECT_EQ(control_.activityCount.load(), 0);
}

TEST_F(SegmentProc_, RefusedHeadWritesNothing) {
  const struct {
    int status;
    bool jobFileKept;
  } cases[] = {{404, true}, {500, true}, {416, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    ScriptedServer server([&](ScriptedExchange& e) { scripts::Answer(e, c.status, "", "error page"); });
    RemoveFile(PartFileName(state_.jobFile, 1));
    const SegmentRun result = Run(server.Host(), 0, 100);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.printed, "Response returned with status code " + std::to_string(c.status) + "\n");
    EXPECT_FALSE(result.partExists);
    EXPECT_EQ(result.jobFileExists, c.jobFileKept);
  }
}

TEST_F(SegmentProc_, LastSegmentAlreadyCompleteIsRefusedAndKeepsItsPart) {
  ScriptedServer server([&](ScriptedExchange& e) { scripts::ServeRange(e, package_); });
  const SegmentRun result = Run(server.Host(), 2250, 3000, package_.substr(2250));
  EXPECT_NE(server.Requests()[0].find("Range: bytes=3000- \r\n"), std::string::npos);
  EXPECT_EQ(result.part, package_.substr(2250));
  EXPECT_FALSE(result.jobFileExists);
  EXPECT_EQ(result.received, 750u);
}

TEST_F(SegmentProc_, ServerThatIsNotThereEndsWithAnError) {
  const SegmentRun result = Run(UnusedHost(), 0, 100);
  EXPECT_EQ(result.exitCode, -1);
  EXPECT_EQ(result.printed.rfind("Exception: ", 0), 0u);
  EXPECT_FALSE(result.partExists);
}

}  // namespace
