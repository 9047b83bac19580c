#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "scripted_server.h"
#include "test_files.h"
#include "updater/download/download_result.h"
#include "updater/download/http_download.h"
#include "updater/download/job_files.h"

namespace {

using download_result::kProbeRedirected;
using namespace std::chrono_literals;

TransferSettings QuickSettings() {
  TransferSettings settings;
  settings.timings.probeLimit = 500ms;
  return settings;
}

struct ProbeCase {
  const char* name;
  ScriptedServer::Script script;
  std::int64_t result;
  std::uint64_t total;  // state.total afterwards (it starts at 77)
  std::string printed;  // part of what went to standard output
};

TEST(GetContentLength, JudgesWhatTheServerAnswers) {
  const std::string package = PatternBytes(1003);
  const ProbeCase cases[] = {
      {"200 with a length", [](ScriptedExchange& e) { scripts::Answer(e, 200, "Content-Length: 5000\r\n"); }, 5000,
       5000, ""},
      {"range of a real server", [&](ScriptedExchange& e) { scripts::ServeRange(e, package); }, 1003, 1003, ""},
      {"range total, then length",
       [](ScriptedExchange& e) {
         scripts::Answer(e, 206, "Content-Range: bytes 0-99/1000\r\nContent-Length: 100\r\n");
       },
       100, 100, ""},
      {"length, then range total",
       [](ScriptedExchange& e) {
         scripts::Answer(e, 206, "Content-Length: 100\r\nContent-Range: bytes 0-99/1000\r\n");
       },
       1000, 1000, ""},
      {"2 GiB and more", [](ScriptedExchange& e) { scripts::Answer(e, 206, "Content-Range: bytes 0-0/6000000000\r\n"); },
       6000000000, 6000000000, ""},
      {"head in one-byte writes",
       [](ScriptedExchange& e) {
         e.SendByteByByte("HTTP/1.1 206 Partial Content\r\nContent-Range: bytes 0-1002/1003\r\n\r\n");
       },
       1003, 1003, ""},
      {"lower-case header names", [](ScriptedExchange& e) { scripts::Answer(e, 200, "content-length: 5000\r\n"); }, 0,
       0, ""},
      {"negative length", [](ScriptedExchange& e) { scripts::Answer(e, 200, "Content-Length: -5\r\n"); }, 0, 0, ""},
      {"not found", [](ScriptedExchange& e) { scripts::Answer(e, 404, "Content-Length: 0\r\n"); }, 0, 77,
       "Response returned with status code 404\n"},
      {"server error", [](ScriptedExchange& e) { scripts::Answer(e, 500, ""); }, 0, 77,
       "Response returned with status code 500\n"},
      {"another protocol", [](ScriptedExchange& e) { e.Send("ICY 200 OK\r\nicy-name: radio\r\n\r\n"); }, 0, 77,
       "Invalid response\n"},
      {"closed before the head ended", [](ScriptedExchange& e) { e.Send("HTTP/1.1 200 OK\r\nContent-Le"); }, 0, 0, ""},
      {"a head that never ends",
       [](ScriptedExchange& e) {
         e.Send("HTTP/1.1 200 OK\r\n");
         for (int i = 0; i < 100 && e.Send(std::string(1024, 'x')); ++i) {
         }
       },
       0, 0, ""},
      {"silent server", [](ScriptedExchange& e) { e.WaitForClientClose(); }, 0, 0, ""},
      {"head trickling past the bound",
       [](ScriptedExchange& e) {
         while (e.Send("X")) std::this_thread::sleep_for(20ms);
       },
       0, 0, ""},
  };
  for (const ProbeCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(c.script);
    TempFolder folder;
    CHttpDownload http(folder.JobFolder(), QuickSettings());
    DownloadState state;
    state.total = 77;
    std::string host = server.Host();
    std::string path = "/dir/p.zip";
    testing::internal::CaptureStdout();
    EXPECT_EQ(http.GetContentLength(host, path, state), c.result);
    EXPECT_NE(testing::internal::GetCapturedStdout().find(c.printed), std::string::npos);
    EXPECT_EQ(state.total, c.total);
    EXPECT_EQ(host, server.Host());
    EXPECT_EQ(path, "/dir/p.zip");
  }
}

TEST(GetContentLength, SendsTheProbeRequestByteForByte) {
  ScriptedServer server([](ScriptedExchange& e) { scripts::Answer(e, 200, "Content-Length: 5\r\n"); });
  TempFolder folder;
  CHttpDownload http(folder.JobFolder());
  DownloadState state;
  std::string host = server.Host();
  std::string path = "/dir/p.zip";
  ASSERT_EQ(http.GetContentLength(host, path, state), 5);
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /dir/p.zip HTTP/1.1\r\n"
            "Host: " + server.Host() + "\r\n"
            "Accept: */*\r\n"
            "Pragma: no-cache\r\n"
            "Cache-Control: no-cache\r\n"
            "Connection: close\r\n"
            "Range: bytes=0- \r\n"
            "\r\n");
}

TEST(GetContentLength, FollowsOnlyUsableRedirects) {
  const struct {
    std::string headers;
    std::int64_t result;
    std::string host;
    std::string path;
  } cases[] = {
      {"Location: http://mirror:81/new/p.zip\r\n", kProbeRedirected, "mirror:81", "/new/p.zip"},
      {"Location: mirror:81/new/p.zip\r\n", kProbeRedirected, "mirror:81", "/new/p.zip"},
      {"Location: /moved.zip\r\n", kProbeRedirected, "", "/moved.zip"},
      {"Location: https://mirror/p.zip\r\n", 0, "", "/p.zip"},
      {"Location: http://mirror\r\n", 0, "", "/p.zip"},
      {"Location: \r\n", 0, "", "/p.zip"},
      {"", 0, "", "/p.zip"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.headers);
    ScriptedServer server([&](ScriptedExchange& e) { scripts::Answer(e, 302, c.headers); });
    TempFolder folder;
    CHttpDownload http(folder.JobFolder());
    DownloadState state;
    std::string host = server.Host();
    std::string path = "/p.zip";
    testing::internal::CaptureStdout();
    EXPECT_EQ(http.GetContentLength(host, path, state), c.result);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Response returned with status code 302\n");
    EXPECT_EQ(host, c.host.empty() ? server.Host() : c.host);
    EXPECT_EQ(path, c.path);
  }
}

TEST(GetContentLength, ServerThatIsNotThereFailsWithTheExceptionText) {
  TempFolder folder;
  CHttpDownload http(folder.JobFolder());
  DownloadState state;
  std::string host = UnusedHost();
  std::string path = "/p.zip";
  testing::internal::CaptureStdout();
  EXPECT_EQ(http.GetContentLength(host, path, state), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout().rfind(" exception = ", 0), 0u);
}

TEST(GetContentLength, RangeNotSatisfiableDeletesTheMergeTarget) {
  ScriptedServer server([](ScriptedExchange& e) { scripts::Answer(e, 416, "Content-Range: bytes */0\r\n"); });
  TempFolder folder;
  CHttpDownload http(folder.JobFolder());
  DownloadState state;
  state.jobFile = folder.File(kMergeTargetName);
  WriteWholeFile(state.jobFile, "stale");
  std::string host = server.Host();
  std::string path = "/p.zip";
  testing::internal::CaptureStdout();
  EXPECT_EQ(http.GetContentLength(host, path, state), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_FALSE(FileExists(state.jobFile));
}

}  // namespace
