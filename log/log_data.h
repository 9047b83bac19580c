#pragma once
// The buffer of one log record: a fixed array that never grows.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <ostream>
#include <streambuf>

namespace qlog {

namespace helpers {

// Stream buffer over a caller's array; once full it refuses further output.
class fixed_streambuf : public std::streambuf {
 public:
  fixed_streambuf(char* begin, std::size_t size) { setp(begin, begin + size); }
  std::size_t size() const { return static_cast<std::size_t>(pptr() - pbase()); }
  // Takes back the last character, making room for a final line feed.
  void drop_last() { pbump(-1); }

 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace helpers

struct LogData {
  static constexpr std::size_t kCapacity = 20000;

  LogData(std::uint32_t level, std::uint32_t line, const char* sourcePath, std::time_t createdAt);
  virtual ~LogData() = default;
  LogData(const LogData&) = delete;
  LogData& operator=(const LogData&) = delete;

  // Ends the text with exactly one line feed (replacing the last character
  // when the array is full) and zero-terminates it.
  void Terminate();
  const char* text() const { return chars; }
  std::size_t length() const { return buffer.size(); }

  char chars[kCapacity + 1] = {};
  helpers::fixed_streambuf buffer{chars, kCapacity};
  std::ostream stream{&buffer};
  std::uint32_t level;
  std::uint32_t line;
  const char* sourcePath;
  const char* fileName;
  std::time_t createdAt;
  std::tm createdUtc{};
};

}  // namespace qlog
