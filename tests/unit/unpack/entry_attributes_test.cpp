#include "unpack/entry_attributes.h"

#include <gtest/gtest.h>

#include "zip_fixture.h"

namespace unpack {
namespace {

using unpack_test::kMadeByDos;
using unpack_test::kMadeByUnix;

struct AttributeCase {
  const char* what;
  std::uint16_t madeBy;
  std::uint32_t external;
  std::uint32_t expected;
};

TEST(EntryAttributes, FollowTheHostThatMadeTheArchive) {
  const AttributeCase cases[] = {
      {"dos read-only hidden system archive", kMadeByDos, 0x27, kReadOnly | kHidden | kSystem | kArchive},
      {"dos folder", kMadeByDos, 0x10, kDirectory},
      {"dos ignores bits 3, 6, 7 and the high half", kMadeByDos, 0x81FF00C8, 0},
      {"ntfs host 11", 0x0B14, 0x01, kReadOnly},
      {"vfat host 14", 0x0E14, 0x22, kHidden | kArchive},
      {"host 7", 0x0714, 0x04, kSystem},
      {"unix writable file", kMadeByUnix, 0100644u << 16, kArchive},
      {"unix read-only file", kMadeByUnix, 0100444u << 16, kArchive | kReadOnly},
      {"unix folder", kMadeByUnix, 040755u << 16, kArchive | kDirectory},
      {"unix never hidden or system", kMadeByUnix, (0100644u << 16) | 0x06, kArchive},
      {"unix without a mode is read-only", kMadeByUnix, 0, kArchive | kReadOnly},
      {"macintosh host 19 counts as unix-like", 0x1314, 0100200u << 16, kArchive},
  };
  for (const auto& c : cases) EXPECT_EQ(EntryAttributes(c.madeBy, c.external), c.expected) << c.what;
}

}  // namespace
}  // namespace unpack
