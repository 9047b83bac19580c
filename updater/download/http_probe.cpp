// The length probe: one ranged GET whose body is never read.

#include <chrono>
#include <exception>

#include "updater/download/connection_set.h"
#include "updater/download/console_text.h"
#include "updater/download/download_result.h"
#include "updater/download/http_connection.h"
#include "updater/download/http_download.h"
#include "updater/download/job_files.h"

namespace {

bool IsRedirect(std::int32_t status) { return status >= 300 && status <= 399; }

}  // namespace

std::int64_t CHttpDownload::GetContentLength(std::string& host, std::string& path, DownloadState& state) {
  const auto setTotal = [&](std::uint64_t total) {
    std::lock_guard<std::mutex> guard(control_.transferLock);
    state.total = total;
  };
  try {
    HttpConnection connection;
    ConnectionSet::Member member(control_.connections, connection);
    const auto limit = settings_.timings.probeLimit;
    connection.SetDeadline(std::chrono::steady_clock::now() + limit);
    connection.Connect(host);
    connection.SetDeadline(std::chrono::steady_clock::now() + limit);
    connection.Send(BuildRequest(host, path, 0));

    std::string buffer;
    std::string_view chunk;
    std::size_t headEnd = std::string::npos;
    while (headEnd == std::string::npos) {
      if (!connection.Receive(chunk)) {
        setTotal(0);
        return 0;
      }
      buffer += chunk;
      headEnd = FindHeadEnd(buffer, chunk.size());
      if (headEnd == std::string::npos && buffer.size() > kMaxResponseHead) {
        setTotal(0);
        return 0;
      }
    }

    HttpResponseHead head;
    if (ParseResponseHead(head, buffer, headEnd)) {
      const std::int64_t total = head.totalLength > 0 ? head.totalLength : 0;
      setTotal(static_cast<std::uint64_t>(total));
      return total;
    }
    if (head.status == 416) RemoveFile(state.jobFile);
    if (IsRedirect(head.status) && ParseRedirectTarget(head.location, host, path)) {
      return download_result::kProbeRedirected;
    }
    return 0;
  } catch (const std::exception& e) {
    WriteStdout(std::string(" exception = ") + e.what() + "\n");
    return 0;
  }
}
