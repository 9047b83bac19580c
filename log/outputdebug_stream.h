#pragma once
// A narrow stream whose text goes to the debugger output in pieces of at most
// 256 characters: one each time the area fills, the rest on flush.

#include <ostream>
#include <streambuf>
#include <string>

namespace qlog {

class OutputDebugStringBuf : public std::streambuf {
 public:
  static constexpr std::size_t kAreaSize = 256;
  using EmitFunction = void (*)(const std::string& piece);

  // `emit` receives each piece; the debugger output unless a test says otherwise.
  explicit OutputDebugStringBuf(EmitFunction emit = nullptr);

 protected:
  int_type overflow(int_type ch) override;
  int sync() override;

 private:
  EmitFunction emit_;
  char area_[kAreaSize] = {};
};

class outputdebug_buf : public OutputDebugStringBuf {};

class outputdebug_stream : public std::ostream {
 public:
  outputdebug_stream() : std::ostream(&buf_) {}

 private:
  outputdebug_buf buf_;
};

}  // namespace qlog
