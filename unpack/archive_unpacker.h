#pragma once
// Unpacks every entry of an archive into a target.

#include <cstddef>
#include <cstdint>

#include "unpack/unpack_target.h"
#include "unpack/zip_archive.h"

namespace unpack {

// Entry data goes to the file in pieces of this size.
constexpr std::size_t kCopyPieceSize = 16384;

struct UnpackReport {
  bool opened = false;        // the archive and its central directory could be read
  std::uint64_t entries = 0;  // entries the central directory announces
  std::uint64_t written = 0;  // folders created and files put in place
  std::uint64_t refused = 0;  // entries skipped for their names: retrying cannot help
  std::uint64_t failed = 0;   // entries that could not be read or written

  // Every entry is on disk.
  bool AllWritten() const { return opened && written == entries; }
  // Nothing that another attempt could still write: no entry failed. An
  // archive that cannot be opened has nothing to offer either.
  bool NothingToRetry() const { return failed == 0; }
};

UnpackReport UnpackArchive(ZipArchive& archive, UnpackTarget& target);

}  // namespace unpack
