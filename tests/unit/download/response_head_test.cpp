#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "updater/download/decimal_text.h"
#include "updater/download/http_download.h"
#include "updater/download/response_head.h"

namespace {

struct HeadCase {
  const char* name;
  std::string response;  // head, empty line and any body bytes
  bool usable;
  std::int32_t status;
  std::int64_t totalLength;
  std::string location;
  std::string printed;
};

TEST(ParseResponseHead, ReadsStatusLengthsAndLocation) {
  const HeadCase cases[] = {
      {"200 with a length", "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\nBODY", true, 200, 5000, "", ""},
      {"206, range total then length: the later decides",
       "HTTP/1.1 206 Partial Content\r\nContent-Range: bytes 0-99/1000\r\nContent-Length: 100\r\n\r\n", true, 206,
       100, "", ""},
      {"206, length then range total: the later decides",
       "HTTP/1.1 206 Partial Content\r\nContent-Length: 100\r\nContent-Range: bytes 0-99/1000\r\n\r\n", true, 206,
       1000, "", ""},
      {"unknown range total leaves the length alone",
       "HTTP/1.1 206 Partial Content\r\nContent-Length: 7\r\nContent-Range: bytes 0-6/*\r\n\r\n", true, 206, 7, "",
       ""},
      {"lengths of 2 GiB and more", "HTTP/1.1 206 X\r\nContent-Range: bytes 0-0/6000000000\r\n\r\n", true, 206,
       6000000000, "", ""},
      {"lower-case header names are not recognised", "HTTP/1.1 200 OK\r\ncontent-length: 5000\r\n\r\n", true, 200, 0,
       "", ""},
      {"a name inside the line is read from the line's start",
       "HTTP/1.1 200 OK\r\nX-Content-Length: 12\r\n\r\n", true, 200, 0, "", ""},
      {"head without headers", "HTTP/1.0 200 OK\r\n\r\n", true, 200, 0, "", ""},
      {"redirect: location without blanks and line end",
       "HTTP/1.1 302 Found\r\nLocation:   http://mirror:81/b.zip\r\n\r\n", false, 302, 0, "http://mirror:81/b.zip",
       "Response returned with status code 302\n"},
      {"not found", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", false, 404, 9, "",
       "Response returned with status code 404\n"},
      {"server error", "HTTP/1.1 500 Oops\r\n\r\n", false, 500, 0, "", "Response returned with status code 500\n"},
      {"range not satisfiable", "HTTP/1.1 416 Range Not Satisfiable\r\nContent-Range: bytes */10\r\n\r\n", false, 416,
       10, "", "Response returned with status code 416\n"},
      {"status that is no number", "HTTP/1.1 OK\r\n\r\n", false, -1, 0, "",
       "Response returned with status code -1\n"},
      {"another protocol", "ICY 200 OK\r\nContent-Length: 5\r\n\r\n", false, 200, 5, "", "Invalid response\n"},
      {"version shorter than HTTP/", "HTTP 200 OK\r\n\r\n", false, 200, 0, "", "Invalid response\n"},
      {"empty head", "\r\n\r\n", false, -1, 0, "", "Invalid response\n"},
  };
  for (const HeadCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string buffer = c.response;
    const std::size_t headEnd = buffer.find("\r\n\r\n");
    HttpResponseHead head;
    testing::internal::CaptureStdout();
    const bool usable = CHttpDownload::ParseResponseHead(head, buffer, headEnd);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
    EXPECT_EQ(usable, c.usable);
    EXPECT_EQ(head.status, c.status);
    EXPECT_EQ(head.totalLength, c.totalLength);
    EXPECT_EQ(head.location, c.location);
    // Only a usable response gives up its head; the rest is body.
    EXPECT_EQ(buffer, usable ? c.response.substr(headEnd + 4) : c.response);
  }
}

TEST(ParseRedirectTarget, TakesHostAndPathOrRefuses) {
  const struct {
    std::string location;
    bool followed;
    std::string host;
    std::string path;
  } cases[] = {
      {"http://mirror/rest/p.zip", true, "mirror", "/rest/p.zip"},
      {"mirror/rest/p.zip", true, "mirror", "/rest/p.zip"},
      {"HTTP://Mirror:8080/p.zip", true, "Mirror:8080", "/p.zip"},
      {"/elsewhere.zip", true, "origin:81", "/elsewhere.zip"},
      {"mirror/p.zip?from=http://other/x", true, "mirror", "/p.zip?from=http://other/x"},
      {"", false, "origin:81", "/p.zip"},
      {"https://mirror/p.zip", false, "origin:81", "/p.zip"},
      {"ftp://mirror/p.zip", false, "origin:81", "/p.zip"},
      {"http://mirror", false, "origin:81", "/p.zip"},
      {"http:///p.zip", false, "origin:81", "/p.zip"},
      {"mirror", false, "origin:81", "/p.zip"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.location);
    std::string host = "origin:81";
    std::string path = "/p.zip";
    EXPECT_EQ(ParseRedirectTarget(c.location, host, path), c.followed);
    EXPECT_EQ(host, c.host);
    EXPECT_EQ(path, c.path);
  }
}

TEST(BuildRequest, SendsTheLinesByteForByte) {
  EXPECT_EQ(BuildRequest("name:8080", "/dir/p.zip", 0),
            "GET /dir/p.zip HTTP/1.1\r\n"
            "Host: name:8080\r\n"
            "Accept: */*\r\n"
            "Pragma: no-cache\r\n"
            "Cache-Control: no-cache\r\n"
            "Connection: close\r\n"
            "Range: bytes=0- \r\n"
            "\r\n");
  EXPECT_NE(BuildRequest("h", "/p", 4294967396u).find("\r\nRange: bytes=4294967396- \r\n\r\n"), std::string::npos);
}

TEST(FindHeadEnd, FindsAnEmptyLineCompletedByTheLastPiece) {
  EXPECT_EQ(FindHeadEnd("HTTP/1.1 200 OK\r\n\r", 1), std::string::npos);
  EXPECT_EQ(FindHeadEnd("HTTP/1.1 200 OK\r\n\r\n", 1), 15u);
  EXPECT_EQ(FindHeadEnd("HTTP/1.1 200 OK\r\n\r\nbody\r\n\r\n", 30), 15u);
}

TEST(ReadDecimal, ReadsLikeTheCLibrary) {
  const struct {
    const char* text;
    std::int64_t value;
  } cases[] = {
      {"42", 42},
      {" \t 42 bytes", 42},
      {"-3", -3},
      {"+7x", 7},
      {"*", 0},
      {"", 0},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"9223372036854775808", 0},
      {"99999999999999999999999", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadDecimal(c.text), c.value);
  }
}

}  // namespace
