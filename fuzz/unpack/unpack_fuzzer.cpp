// Feeds arbitrary bytes to the archive reading and to the name rules, and
// checks that no name the unpacker would write can leave its root.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "unpack/archive_unpacker.h"
#include "unpack/entry_name.h"

namespace {

void RequireSafe(const std::vector<unpack::WideName>& components) {
  for (const auto& component : components) {
    const bool onlyDots = component.find_first_not_of(u". ") == unpack::WideName::npos;
    if (component.empty() || onlyDots || component.find_first_of(u"\\/:") != unpack::WideName::npos) std::abort();
  }
}

class CheckingFile : public unpack::EntryFile {
 public:
  bool Write(const unsigned char*, std::size_t size) override { return size <= unpack::kCopyPieceSize; }
  bool Commit(const unpack::EntryTimes&) override { return true; }
};

// Accepts everything, after checking the names it is given.
class CheckingTarget : public unpack::UnpackTarget {
 public:
  bool CreateFolders(const std::vector<unpack::WideName>& folders) override {
    RequireSafe(folders);
    return true;
  }
  std::unique_ptr<unpack::EntryFile> StartFile(const std::vector<unpack::WideName>& folders,
                                               const unpack::WideName& name, std::uint32_t) override {
    RequireSafe(folders);
    RequireSafe({name});
    return std::make_unique<CheckingFile>();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const unpack::WideName cleaned =
      unpack::CleanEntryName(unpack::DecodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size)));
  if (const auto components = unpack::SafeComponents(cleaned)) RequireSafe(*components);

  if (auto archive = unpack::ZipArchive::OpenMemory(data, size)) {
    CheckingTarget target;
    const unpack::UnpackReport report = unpack::UnpackArchive(*archive, target);
    if (report.written + report.refused + report.failed > report.entries) std::abort();
  }
  return 0;
}
