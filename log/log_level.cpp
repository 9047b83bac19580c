#include "log/log_level.h"

namespace qlog {

namespace {
constexpr const char* kNames[] = {"TRACE", "DEBUG", "INFO", "WARN", "ERROR", "FATAL"};
constexpr std::uint32_t kKnownLevels = sizeof(kNames) / sizeof(kNames[0]);
}  // namespace

const char* LevelName(std::uint32_t level) { return level < kKnownLevels ? kNames[level] : "OTHER"; }

char LevelLetter(std::uint32_t level) { return LevelName(level)[0]; }

}  // namespace qlog
