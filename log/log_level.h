#pragma once
#include <cstdint>

namespace qlog {

// Levels are compared as unsigned; values past FATAL are written as "OTHER".
enum LogLevel : std::uint32_t {
  kTrace = 0,
  kDebug = 1,
  kInfo = 2,
  kWarn = 3,
  kError = 4,
  kFatal = 5,
};

const char* LevelName(std::uint32_t level);
char LevelLetter(std::uint32_t level);

}  // namespace qlog
