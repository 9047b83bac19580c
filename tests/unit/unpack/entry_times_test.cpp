#include "unpack/entry_times.h"

#include <gtest/gtest.h>

#include "zip_fixture.h"

namespace unpack {
namespace {

using unpack_test::DosDateTime;
using unpack_test::ExtendedTimestampBlock;


TEST(DecodeDosDateTime, GivesTheCalendarFieldsOfValidValues) {
  const auto civil = DecodeDosDateTime(DosDateTime(2024, 2, 29, 23, 59, 58));
  ASSERT_TRUE(civil);
  EXPECT_EQ(civil->year, 2024);
  EXPECT_EQ(civil->month, 2);
  EXPECT_EQ(civil->day, 29);
  EXPECT_EQ(civil->hour, 23);
  EXPECT_EQ(civil->minute, 59);
  EXPECT_EQ(civil->second, 58);
  const auto earliest = DecodeDosDateTime(DosDateTime(1980, 1, 1, 0, 0, 0));
  ASSERT_TRUE(earliest);
  EXPECT_EQ(earliest->year, 1980);
}

TEST(DecodeDosDateTime, RefusesFieldsNoCalendarHas) {
  const std::uint32_t invalid[] = {
      0,                                     // month 0, day 0
      DosDateTime(2023, 2, 29, 0, 0, 0),     // not a leap year
      DosDateTime(2021, 13, 1, 0, 0, 0),
      DosDateTime(2021, 4, 31, 0, 0, 0),
      DosDateTime(2021, 1, 1, 24, 0, 0),
      DosDateTime(2021, 1, 1, 0, 60, 0),
      DosDateTime(2021, 1, 1, 0, 0, 60),
  };
  for (std::uint32_t value : invalid) EXPECT_FALSE(DecodeDosDateTime(value)) << std::hex << value;
}

TEST(UnixSecondsToTicks, CountsFrom1601) {
  EXPECT_EQ(UnixSecondsToTicks(0), 116444736000000000ull);
  EXPECT_EQ(UnixSecondsToTicks(1), 116444736010000000ull);
  EXPECT_EQ(UnixSecondsToTicks(-2147483647 - 1), 116444736000000000ull - 21474836480000000ull);
}

struct ExtendedCase {
  const char* what;
  std::string extra;
  std::optional<std::int32_t> write, access, creation;
};

TEST(ExtendedTimestamps, ReadOnlyWhatTheBlockHolds) {
  const std::string otherBlock = std::string("\x01\x00\x04\x00" "abcd", 8);
  const ExtendedCase cases[] = {
      {"all three", ExtendedTimestampBlock(7, {100, 200, 300}), 100, 200, 300},
      {"modification only", ExtendedTimestampBlock(1, {100}), 100, std::nullopt, std::nullopt},
      {"access and creation follow in order", ExtendedTimestampBlock(6, {200, 300}), std::nullopt, 200, 300},
      {"central copy: flags announce three, one is there", ExtendedTimestampBlock(7, {100}), 100, std::nullopt,
       std::nullopt},
      {"after another block", otherBlock + ExtendedTimestampBlock(1, {-5}), -5, std::nullopt, std::nullopt},
      {"negative times before 1970", ExtendedTimestampBlock(1, {-86400}), -86400, std::nullopt, std::nullopt},
      {"no block", otherBlock, std::nullopt, std::nullopt, std::nullopt},
      {"empty block", std::string("UT\x00\x00", 4), std::nullopt, std::nullopt, std::nullopt},
      {"block longer than the field", ExtendedTimestampBlock(1, {100}).substr(0, 7), std::nullopt, std::nullopt,
       std::nullopt},
      {"half a header", std::string("UT\x05", 3), std::nullopt, std::nullopt, std::nullopt},
  };
  auto ticks = [](std::optional<std::int32_t> s) {
    return s ? std::optional<FileTimeTicks>(UnixSecondsToTicks(*s)) : std::nullopt;
  };
  for (const auto& c : cases) {
    const EntryTimes times = ExtendedTimestamps(c.extra);
    EXPECT_EQ(times.write, ticks(c.write)) << c.what;
    EXPECT_EQ(times.access, ticks(c.access)) << c.what;
    EXPECT_EQ(times.creation, ticks(c.creation)) << c.what;
  }
}

TEST(EntryFileTimes, ExtendedTimesReplaceTheLocalDosTimeOneByOne) {
  const std::uint32_t dos = DosDateTime(2021, 6, 15, 12, 30, 10);
  const auto local = platform::LocalTimeToUtcTicks({2021, 6, 15, 12, 30, 10});
  ASSERT_TRUE(local);

  const EntryTimes dosOnly = EntryFileTimes(dos, "");
  EXPECT_EQ(dosOnly.creation, local);
  EXPECT_EQ(dosOnly.access, local);
  EXPECT_EQ(dosOnly.write, local);

  const EntryTimes mixed = EntryFileTimes(dos, ExtendedTimestampBlock(1, {1600000000}));
  EXPECT_EQ(mixed.write, UnixSecondsToTicks(1600000000));
  EXPECT_EQ(mixed.access, local);
  EXPECT_EQ(mixed.creation, local);

  const EntryTimes invalidDos = EntryFileTimes(0, "");
  EXPECT_FALSE(invalidDos.write || invalidDos.access || invalidDos.creation);
}

}  // namespace
}  // namespace unpack
