#include "unpack/extract_zip_win32.h"

#include "unpack/folder_target_win32.h"
#include "unpack/zip_archive.h"

namespace unpack {

UnpackReport ExtractZipFile(const std::wstring& zipPath, const std::wstring& root) {
  auto archive = ZipArchive::OpenFile(std::filesystem::path(zipPath));
  if (!archive) return UnpackReport{};
  FolderTarget target(root);
  return UnpackArchive(*archive, target);
}

}  // namespace unpack
