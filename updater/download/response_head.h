#pragma once
// What the updater takes from an HTTP response head, and the texts it sends.

#include <cstdint>
#include <string>

struct HttpResponseHead {
  std::string version;
  std::int32_t status = -1;
  std::string location;
  std::int64_t contentLength = 0;
  std::int64_t totalLength = 0;  // from the later of Content-Length and the Content-Range total
};

// Longest head the updater waits for; a server that sends more without an
// empty line is not speaking HTTP to us.
constexpr std::size_t kMaxResponseHead = 64 * 1024;

// Finds the empty line that ends a head, looking only where `added` new bytes
// could have completed it. Returns std::string::npos while there is none.
std::size_t FindHeadEnd(const std::string& buffer, std::size_t added);

// The request of both exchanges, byte for byte: an open-ended range from
// `position` (the probe asks from 0).
std::string BuildRequest(const std::string& host, const std::string& path, std::uint64_t position);

// A redirect's Location as the next host and path. Accepts "http://host/path",
// "host/path" and "/path" (same host); refuses an empty value, another scheme,
// an empty host and a target without a path.
bool ParseRedirectTarget(const std::string& location, std::string& host, std::string& path);
