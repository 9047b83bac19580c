#include "unpack/entry_times.h"

namespace unpack {

namespace {

constexpr std::uint16_t kExtendedTimestampTag = 0x5455;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::uint16_t ReadLe16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::int32_t ReadLe32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + k])) << (8 * k);
  return static_cast<std::int32_t>(value);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<platform::CivilTime> DecodeDosDateTime(std::uint32_t dosDateTime) {
  const std::uint32_t date = dosDateTime >> 16;
  const std::uint32_t time = dosDateTime & 0xFFFF;
  platform::CivilTime civil;
  civil.year = 1980 + static_cast<int>(date >> 9);
  civil.month = static_cast<int>((date >> 5) & 0x0F);
  civil.day = static_cast<int>(date & 0x1F);
  civil.hour = static_cast<int>(time >> 11);
  civil.minute = static_cast<int>((time >> 5) & 0x3F);
  civil.second = static_cast<int>(time & 0x1F) * 2;
  if (civil.month < 1 || civil.month > 12 || civil.day < 1 || civil.day > DaysInMonth(civil.year, civil.month) ||
      civil.hour > 23 || civil.minute > 59 || civil.second > 59) {
    return std::nullopt;
  }
  return civil;
}

FileTimeTicks UnixSecondsToTicks(std::int64_t seconds) {
  return static_cast<FileTimeTicks>((seconds + kSecondsFrom1601To1970) * kTicksPerSecond);
}

EntryTimes ExtendedTimestamps(std::string_view extraField) {
  EntryTimes times;
  std::size_t at = 0;
  while (at + 4 <= extraField.size()) {
    const std::uint16_t tag = ReadLe16(extraField, at);
    const std::size_t length = ReadLe16(extraField, at + 2);
    const std::size_t data = at + 4;
    if (data + length > extraField.size()) break;  // a block that overruns the field
    if (tag == kExtendedTimestampTag && length >= 1) {
      const auto flags = static_cast<unsigned char>(extraField[data]);
      std::size_t next = data + 1;
      std::optional<FileTimeTicks>* const slots[] = {&times.write, &times.access, &times.creation};
      for (int bit = 0; bit < 3; ++bit) {
        if (!(flags & (1u << bit))) continue;
        if (next + 4 > data + length) break;
        *slots[bit] = UnixSecondsToTicks(ReadLe32(extraField, next));
        next += 4;
      }
      return times;
    }
    at = data + length;
  }
  return times;
}

EntryTimes EntryFileTimes(std::uint32_t dosDateTime, std::string_view extraField) {
  std::optional<FileTimeTicks> dos;
  if (const auto civil = DecodeDosDateTime(dosDateTime)) dos = platform::LocalTimeToUtcTicks(*civil);
  const EntryTimes extended = ExtendedTimestamps(extraField);
  return EntryTimes{extended.creation ? extended.creation : dos, extended.access ? extended.access : dos,
                    extended.write ? extended.write : dos};
}

}  // namespace unpack
