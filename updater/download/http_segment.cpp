// One segment transfer: a ranged GET whose body is appended to a part file.

#include <algorithm>
#include <exception>

#include "updater/download/connection_set.h"
#include "updater/download/console_text.h"
#include "updater/download/http_connection.h"
#include "updater/download/http_download.h"
#include "updater/download/job_files.h"

namespace {

// Drops the first `skip` bytes of what arrives (a server that ignored the
// range sends the package from its first byte).
void DropSkipped(std::string_view& body, std::uint64_t& skip) {
  const std::size_t dropped = static_cast<std::size_t>(std::min<std::uint64_t>(skip, body.size()));
  body.remove_prefix(dropped);
  skip -= dropped;
}

}  // namespace

int CHttpDownload::SegmentProc(SegmentTask& task) {
  std::ofstream out;
  try {
    HttpConnection connection;
    ConnectionSet::Member member(task.control->connections, connection);
    connection.Connect(task.host);
    const std::uint64_t resume = GetPartSize(task.partFile);
    const std::uint64_t position = task.start + resume;
    const std::string request = BuildRequest(task.host, task.path, position);
    {
      std::lock_guard<std::mutex> guard(task.control->transferLock);
      task.state->received += resume;
    }
    connection.Send(request);
    const std::uint64_t length = task.end - task.start;

    std::string head;
    bool headSeen = false;
    std::uint64_t skip = 0;
    std::string_view chunk;
    while (connection.Receive(chunk)) {
      if (task.written >= length) break;
      std::string_view body = chunk;
      if (!headSeen) {
        head.append(chunk);
        const std::size_t headEnd = FindHeadEnd(head, chunk.size());
        if (headEnd == std::string::npos) {
          if (head.size() > kMaxResponseHead) break;
          continue;
        }
        HttpResponseHead response;
        if (!ParseResponseHead(response, head, headEnd)) {
          if (response.status == 416) RemoveFile(task.state->jobFile);
          return 0;
        }
        headSeen = true;
        if (response.status == 200) skip = position;
        // What is left of the head buffer came with the head.
        body = head;
      }
      // A head that came without body bytes is no sign of a moving body.
      if (body.empty()) continue;
      DropSkipped(body, skip);
      if (!body.empty()) AppendBody(task.partFile, body, resume, task.written, out);
      std::lock_guard<std::mutex> guard(task.control->transferLock);
      task.state->received += body.size();
      ++task.control->activityCount;
    }
    out.close();
    if (!connection.EndOfStream()) {
      WriteStdout("Exception: " + connection.ReceiveText() + "\n");
      return -1;
    }
    return 0;
  } catch (const std::exception& e) {
    WriteStdout(std::string("Exception: ") + e.what() + "\n");
    return -1;
  }
}

bool CHttpDownload::AppendBody(const std::string& partFile, std::string_view data, std::uint64_t resumeOffset,
                               std::uint64_t& written, std::ofstream& out) {
  if (!out.is_open()) {
    out.open(partFile, std::ios::binary | std::ios::app);
    if (!out.is_open()) return false;
    written += resumeOffset;
  }
  try {
    out.exceptions(std::ios::failbit | std::ios::badbit);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.flush();
    out.exceptions(std::ios::goodbit);
    written += data.size();
    return true;
  } catch (const std::exception& e) {
    out.exceptions(std::ios::goodbit);
    WriteStdout(std::string(" exception = ") + e.what() + "\n");
    return false;
  }
}

std::uint64_t CHttpDownload::GetPartSize(const std::string& partFile) {
  std::ifstream file(partFile, std::ios::binary | std::ios::ate);
  if (!file) return 0;
  const std::streamoff size = file.tellg();
  return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}
