#include "updater/download/response_head.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>

#include "updater/download/console_text.h"
#include "updater/download/decimal_text.h"
#include "updater/download/http_download.h"

std::size_t FindHeadEnd(const std::string& buffer, std::size_t added) {
  const std::size_t from = buffer.size() - std::min(buffer.size(), added + 3);
  return buffer.find("\r\n\r\n", from);
}

std::string BuildRequest(const std::string& host, const std::string& path, std::uint64_t position) {
  return "GET " + path + " HTTP/1.1\r\n" +
         "Host: " + host + "\r\n" +
         "Accept: */*\r\n"
         "Pragma: no-cache\r\n"
         "Cache-Control: no-cache\r\n"
         "Connection: close\r\n"
         "Range: bytes=" + std::to_string(position) + "- \r\n"
         "\r\n";
}

bool ParseRedirectTarget(const std::string& location, std::string& host, std::string& path) {
  static const std::string kScheme = "http://";
  if (!location.empty() && location[0] == '/') {
    path = location;
    return true;
  }
  std::string rest = location;
  const std::size_t schemeEnd = rest.find("://");
  if (schemeEnd != std::string::npos && schemeEnd < rest.find('/')) {
    const bool plainHttp = schemeEnd + 3 == kScheme.size() &&
                           std::equal(kScheme.begin(), kScheme.end(), rest.begin(), [](char a, char b) {
                             return a == std::tolower(static_cast<unsigned char>(b));
                           });
    if (!plainHttp) return false;
    rest.erase(0, kScheme.size());
  }
  const std::size_t slash = rest.find('/');
  if (slash == std::string::npos || slash == 0) return false;
  host = rest.substr(0, slash);
  path = rest.substr(slash);
  return true;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return IsBlank(c) || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The value of a header line: what follows the name's length, without the
// carriage return that ends the line.
std::string_view ValueAfter(std::string_view line, std::string_view name) { return line.substr(name.size()); }

void ExamineLine(HttpResponseHead& head, std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  static constexpr std::string_view kLocation = "Location:";
  static constexpr std::string_view kContentLength = "Content-Length:";
  static constexpr std::string_view kContentRange = "Content-Range: bytes";
  if (line.find(kLocation) != std::string_view::npos) {
    std::string_view value = ValueAfter(line, kLocation);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    head.location = std::string(value);
  }
  if (line.find(kContentLength) != std::string_view::npos) {
    head.contentLength = ReadDecimal(ValueAfter(line, kContentLength));
    head.totalLength = head.contentLength;
  }
  if (line.find(kContentRange) != std::string_view::npos) {
    const std::string_view value = ValueAfter(line, kContentRange);
    const std::size_t slash = value.find('/');
    if (slash != std::string_view::npos) {
      const std::int64_t total = ReadDecimal(value.substr(slash + 1));
      if (total != 0) head.totalLength = total;
    }
  }
}

// Reads the version token and the status the way a stream extraction would,
// and returns where the rest of the status line begins. A status that is not
// a number of at most 32 bits stays unread.
std::size_t ReadStatusLine(HttpResponseHead& head, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  const std::size_t tokenStart = i;
  while (i < text.size() && !IsSpace(text[i])) ++i;
  head.version = std::string(text.substr(tokenStart, i - tokenStart));
  while (i < text.size() && IsSpace(text[i])) ++i;
  std::size_t k = i;
  const bool negative = k < text.size() && text[k] == '-';
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  const std::size_t digitsStart = k;
  std::int64_t magnitude = 0;
  for (; k < text.size() && text[k] >= '0' && text[k] <= '9'; ++k) {
    magnitude = magnitude * 10 + (text[k] - '0');
    if (magnitude > std::int64_t{INT32_MAX} + 1) return i;
  }
  if (k == digitsStart) return i;
  const std::int64_t status = negative ? -magnitude : magnitude;
  if (status > INT32_MAX) return i;
  head.status = static_cast<std::int32_t>(status);
  return k;
}

}  // namespace

bool CHttpDownload::ParseResponseHead(HttpResponseHead& head, std::string& buffer, std::size_t headEnd) {
  const std::string_view text = std::string_view(buffer).substr(0, headEnd);
  std::size_t lineStart = ReadStatusLine(head, text);
  while (lineStart <= text.size()) {
    const std::size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
    ExamineLine(head, text.substr(lineStart, lineEnd - lineStart));
    lineStart = lineEnd + 1;
  }
  if (head.version.compare(0, 5, "HTTP/") != 0) {
    WriteStdout("Invalid response\n");
    return false;
  }
  if (head.status == 200 || head.status == 206) {
    buffer.erase(0, headEnd + 4);
    return true;
  }
  WriteStdout("Response returned with status code " + std::to_string(head.status) + "\n");
  return false;
}
