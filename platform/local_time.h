#pragma once
// Converting a wall-clock time of the local time zone to UTC.

#include <cstdint>
#include <optional>

namespace platform {

// A calendar time with fields in their usual ranges (month 1-12, day 1-31).
struct CivilTime {
  int year = 1980;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// 100-nanosecond intervals since 1601-01-01 UTC (the Win32 FILETIME count).
using FileTimeTicks = std::uint64_t;

// The UTC moment of `local` read as local time; nothing when the system
// cannot convert it.
std::optional<FileTimeTicks> LocalTimeToUtcTicks(const CivilTime& local);

}  // namespace platform
