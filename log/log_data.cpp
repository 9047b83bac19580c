#include "log/log_data.h"

#include <cstring>

namespace qlog {

namespace {

const char* FileNameOf(const char* path) {
  if (const char* slash = std::strrchr(path, '/')) return slash + 1;
  if (const char* backslash = std::strrchr(path, '\\')) return backslash + 1;
  return path;
}

std::tm ToUtc(std::time_t t) {
  std::tm out{};
#ifdef _WIN32
  gmtime_s(&out, &t);
#else
  gmtime_r(&t, &out);
#endif
  return out;
}

}  // namespace

LogData::LogData(std::uint32_t level_, std::uint32_t line_, const char* sourcePath_, std::time_t createdAt_)
    : level(level_),
      line(line_),
      sourcePath(sourcePath_),
      fileName(FileNameOf(sourcePath_)),
      createdAt(createdAt_),
      createdUtc(ToUtc(createdAt_)) {}

void LogData::Terminate() {
  const std::size_t n = buffer.size();
  if (n == 0 || chars[n - 1] != '\n') {
    if (n == kCapacity) buffer.drop_last();
    buffer.sputc('\n');
  }
  chars[buffer.size()] = '\0';
}

}  // namespace qlog
