// Feeds arbitrary bytes to the response head parser and the redirect target
// that follows from it, checking what a caller relies on.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "updater/download/http_download.h"
#include "updater/download/response_head.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The parser reports to standard output; the fuzzer's own output is on stderr.
  if (!std::freopen("/dev/null", "w", stdout)) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string received(reinterpret_cast<const char*>(data), size);
  const std::size_t headEnd = FindHeadEnd(received, received.size());
  if (headEnd == std::string::npos) return 0;

  std::string buffer = received;
  HttpResponseHead head;
  if (CHttpDownload::ParseResponseHead(head, buffer, headEnd)) {
    if (head.status != 200 && head.status != 206) std::abort();
    if (head.version.compare(0, 5, "HTTP/") != 0) std::abort();
    if (buffer != received.substr(headEnd + 4)) std::abort();
  } else if (buffer != received) {
    std::abort();
  }

  std::string host = "origin:80";
  std::string path = "/p.zip";
  if (ParseRedirectTarget(head.location, host, path)) {
    if (path.empty() || path[0] != '/' || host.empty() || host.find('/') != std::string::npos) std::abort();
  }
  return 0;
}
