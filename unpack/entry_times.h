#pragma once
// The creation, access and write times an unpacked file gets.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/local_time.h"

namespace unpack {

using platform::FileTimeTicks;

struct EntryTimes {
  std::optional<FileTimeTicks> creation;
  std::optional<FileTimeTicks> access;
  std::optional<FileTimeTicks> write;
};

// The fields of an MS-DOS date (high 16 bits) and time (low 16 bits); nothing
// when they do not form a real calendar time.
std::optional<platform::CivilTime> DecodeDosDateTime(std::uint32_t dosDateTime);

// Seconds since 1970-01-01 UTC as FILETIME ticks.
FileTimeTicks UnixSecondsToTicks(std::int64_t seconds);

// The times an extended-timestamp block ("UT", 0x5455) in `extraField` holds;
// times its flags announce but its length does not hold are absent.
EntryTimes ExtendedTimestamps(std::string_view extraField);

// The DOS date and time read as local time for all three, each replaced by
// the extended timestamp that the extra field holds.
EntryTimes EntryFileTimes(std::uint32_t dosDateTime, std::string_view extraField);

}  // namespace unpack
