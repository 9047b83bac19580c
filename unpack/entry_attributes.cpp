#include "unpack/entry_attributes.h"

namespace unpack {

namespace {

bool IsDosLikeHost(unsigned host) { return host == 0 || host == 7 || host == 11 || host == 14; }

constexpr std::uint32_t kUnixDirectoryBit = 1u << 30;   // S_IFDIR in the high half
constexpr std::uint32_t kUnixOwnerWriteBit = 1u << 23;  // S_IWUSR in the high half
constexpr std::uint32_t kDosAttributeMask = kReadOnly | kHidden | kSystem | kDirectory | kArchive;

}  // namespace

std::uint32_t EntryAttributes(std::uint16_t versionMadeBy, std::uint32_t external) {
  if (IsDosLikeHost(versionMadeBy >> 8)) return external & kDosAttributeMask;
  std::uint32_t attributes = kArchive;
  if (external & kUnixDirectoryBit) attributes |= kDirectory;
  if (!(external & kUnixOwnerWriteBit)) attributes |= kReadOnly;
  return attributes;
}

}  // namespace unpack
