#pragma once
// What unpacking one entry means: where it goes, as what, with which
// attributes and times.

#include <cstdint>
#include <optional>
#include <vector>

#include "unpack/entry_name.h"
#include "unpack/entry_times.h"
#include "unpack/zip_archive.h"

namespace unpack {

enum class EntryKind { Folder, File };

struct EntryPlan {
  EntryKind kind = EntryKind::File;
  // Folder names below the root, then, for a file, the file name.
  std::vector<WideName> components;
  std::uint32_t attributes = 0;
  EntryTimes times;
};

enum class PlanFailure {
  NameTooLong,  // more than kMaxNameUnits once decoded
  UnsafeName,   // would leave the root or is no plain name
};

struct PlanResult {
  bool ok() const { return failure == std::nullopt; }
  EntryPlan plan;
  std::optional<PlanFailure> failure;
};

// Names that end in a separator are folders too, whatever their attributes say.
PlanResult PlanEntry(const RawEntry& entry);

}  // namespace unpack
