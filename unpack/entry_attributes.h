#pragma once
// File attributes of an entry, from the host that made the archive.

#include <cstdint>

namespace unpack {

// The Win32 FILE_ATTRIBUTE_* values (the same bits as the DOS attribute byte).
enum FileAttribute : std::uint32_t {
  kReadOnly = 0x01,
  kHidden = 0x02,
  kSystem = 0x04,
  kDirectory = 0x10,
  kArchive = 0x20,
};

// `versionMadeBy` carries the host code in its high byte; DOS-like hosts (0,
// 7, 11, 14) store the attribute byte in the low byte of `external`, every
// other host a Unix mode in its high 16 bits.
std::uint32_t EntryAttributes(std::uint16_t versionMadeBy, std::uint32_t external);

}  // namespace unpack
