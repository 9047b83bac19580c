#include "unpack/archive_unpacker.h"

#include <vector>

#include "unpack/entry_plan.h"

namespace unpack {

namespace {

bool CopyData(ZipArchive& archive, EntryFile& file, std::vector<unsigned char>& piece) {
  auto data = archive.OpenCurrentData();
  if (!data) return false;
  for (;;) {
    const int count = data->Read(piece.data(), static_cast<unsigned>(piece.size()));
    if (count < 0) return false;
    if (count == 0) break;
    if (!file.Write(piece.data(), static_cast<std::size_t>(count))) return false;
  }
  return data->Finish();
}

bool UnpackFile(ZipArchive& archive, UnpackTarget& target, const EntryPlan& plan, std::vector<unsigned char>& piece) {
  const std::vector<WideName> folders(plan.components.begin(), plan.components.end() - 1);
  if (!target.CreateFolders(folders)) return false;
  auto file = target.StartFile(folders, plan.components.back(), plan.attributes);
  if (!file || !CopyData(archive, *file, piece)) return false;
  return file->Commit(plan.times);
}

}  // namespace

UnpackReport UnpackArchive(ZipArchive& archive, UnpackTarget& target) {
  UnpackReport report;
  report.opened = true;
  const std::uint64_t count = archive.EntryCount();
  report.entries = count;
  std::vector<unsigned char> piece(kCopyPieceSize);
  for (std::uint64_t index = 0; index < count; ++index) {
    const bool positioned = index == 0 ? archive.GoToFirst() : archive.GoToNext();
    if (!positioned) {
      // The central directory ends early: the rest cannot be reached.
      report.failed += count - index;
      break;
    }
    const auto entry = archive.CurrentEntry();
    if (!entry) {
      ++report.failed;
      continue;
    }
    const PlanResult planned = PlanEntry(*entry);
    if (!planned.ok()) {
      ++report.refused;
      continue;
    }
    const bool done = planned.plan.kind == EntryKind::Folder ? target.CreateFolders(planned.plan.components)
                                                             : UnpackFile(archive, target, planned.plan, piece);
    ++(done ? report.written : report.failed);
  }
  return report;
}

}  // namespace unpack
