#pragma once
// Builds small zip archives for tests, with control over every field the
// unpacker reads (written by minizip's zip writer).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace unpack_test {

constexpr std::uint16_t kMadeByUnix = 0x031E;  // host 3, version 3.0
constexpr std::uint16_t kMadeByDos = 0x0014;   // host 0, version 2.0
constexpr std::uint32_t kUnixFile = 0100644u << 16;
constexpr std::uint32_t kUnixReadOnlyFile = 0100444u << 16;
constexpr std::uint32_t kUnixFolder = (040755u << 16) | 0x10;

// DOS date (high half) and time (low half).
constexpr std::uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second) {
  using U = std::uint32_t;
  return (U(year - 1980) << 25) | (U(month) << 21) | (U(day) << 16) | (U(hour) << 11) | (U(minute) << 5) |
         U(second / 2);
}

struct FixtureEntry {
  std::string name;
  std::string data;
  std::uint16_t madeBy = kMadeByUnix;
  std::uint32_t external = kUnixFile;
  std::uint32_t dosDateTime = DosDateTime(2021, 6, 15, 12, 30, 10);
  std::string centralExtra = {};
  bool deflate = true;
  bool wrongChecksum = false;  // stored with a CRC that does not match the data
};

// A "UT" block with the given flags and times (as many as are passed).
std::string ExtendedTimestampBlock(unsigned char flags, const std::vector<std::int32_t>& times);

void WriteZip(const std::filesystem::path& path, const std::vector<FixtureEntry>& entries);
std::vector<unsigned char> ZipBytes(const std::vector<FixtureEntry>& entries);

std::string ReadFileText(const std::filesystem::path& path);
void WriteFileText(const std::filesystem::path& path, const std::string& text);

// A fresh folder below the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace unpack_test
