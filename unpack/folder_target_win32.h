#pragma once
// Writes unpacked entries below a folder on disk.

#include <set>
#include <string>

#include "unpack/unpack_target.h"

namespace unpack {

std::wstring AsWide(const WideName& name);

class FolderTarget : public UnpackTarget {
 public:
  // `root` must exist; a trailing separator is optional.
  explicit FolderTarget(std::wstring root);
  bool CreateFolders(const std::vector<WideName>& folders) override;
  std::unique_ptr<EntryFile> StartFile(const std::vector<WideName>& folders, const WideName& name,
                                        std::uint32_t attributes) override;

 private:
  std::wstring PathOf(const std::vector<WideName>& folders) const;

  std::wstring root_;                 // ends in a backslash
  std::set<std::wstring> madeFolders_; // known to exist, so each is checked once
};

}  // namespace unpack
