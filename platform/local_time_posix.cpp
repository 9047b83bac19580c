#include "platform/local_time.h"

#include <ctime>

namespace platform {

namespace {
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;
}  // namespace

std::optional<FileTimeTicks> LocalTimeToUtcTicks(const CivilTime& local) {
  std::tm tm{};
  tm.tm_year = local.year - 1900;
  tm.tm_mon = local.month - 1;
  tm.tm_mday = local.day;
  tm.tm_hour = local.hour;
  tm.tm_min = local.minute;
  tm.tm_sec = local.second;
  tm.tm_isdst = -1;  // let the zone's rules decide, as Windows does
  const std::time_t seconds = std::mktime(&tm);
  if (seconds == static_cast<std::time_t>(-1)) return std::nullopt;
  const std::int64_t sinceEpoch = static_cast<std::int64_t>(seconds) + kSecondsFrom1601To1970;
  if (sinceEpoch < 0) return std::nullopt;
  return static_cast<FileTimeTicks>(sinceEpoch) * kTicksPerSecond;
}

}  // namespace platform
