#include "unpack/folder_target_win32.h"

#include <windows.h>

namespace unpack {

namespace {

// The suffix of the file that an entry is written to before it replaces the
// old one.
constexpr wchar_t kPartSuffix[] = L".unpacking";

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FILETIME ToFileTime(FileTimeTicks ticks) {
  return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

// One entry's file. A new name is written in place (a failure deletes it
// again); an existing file is written under a temporary name beside it and
// renamed over the old one only once complete and closed.
class EntryFileWriter : public EntryFile {
 public:
  EntryFileWriter(HANDLE handle, std::wstring writePath, std::wstring finalPath)
      : handle_(handle), writePath_(std::move(writePath)), finalPath_(std::move(finalPath)) {}
  ~EntryFileWriter() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (!committed_) {
      SetFileAttributesW(writePath_.c_str(), FILE_ATTRIBUTE_NORMAL);  // it may have been made read-only
      DeleteFileW(writePath_.c_str());
    }
  }
  EntryFileWriter(const EntryFileWriter&) = delete;
  EntryFileWriter& operator=(const EntryFileWriter&) = delete;

  bool Write(const unsigned char* data, std::size_t size) override {
    DWORD written = 0;
    return WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
  }

  bool Commit(const EntryTimes& times) override {
    FILETIME creation{}, access{}, write{};
    if (times.creation) creation = ToFileTime(*times.creation);
    if (times.access) access = ToFileTime(*times.access);
    if (times.write) write = ToFileTime(*times.write);
    const bool timesSet = SetFileTime(handle_, times.creation ? &creation : nullptr,
                                      times.access ? &access : nullptr, times.write ? &write : nullptr);
    const bool closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (!timesSet || !closed) return false;
    if (writePath_ != finalPath_ && !ReplaceOldFile()) return false;
    committed_ = true;
    return true;
  }

 private:
  bool ReplaceOldFile() {
    // A read-only old file is replaced too; it keeps its attribute when the
    // replacement fails (for example while another program holds it open).
    const DWORD oldAttributes = GetFileAttributesW(finalPath_.c_str());
    const bool wasReadOnly = oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & FILE_ATTRIBUTE_READONLY);
    if (wasReadOnly) SetFileAttributesW(finalPath_.c_str(), oldAttributes & ~FILE_ATTRIBUTE_READONLY);
    if (MoveFileExW(writePath_.c_str(), finalPath_.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    if (wasReadOnly) SetFileAttributesW(finalPath_.c_str(), oldAttributes);
    return false;
  }

  HANDLE handle_;
  std::wstring writePath_;
  std::wstring finalPath_;
  bool committed_ = false;
};

HANDLE CreateForWriting(const std::wstring& path, DWORD disposition, DWORD attributes) {
  // The handle may write even when the attributes make the file read-only.
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, attributes, nullptr);
}

}  // namespace

std::wstring AsWide(const WideName& name) { return std::wstring(name.begin(), name.end()); }

FolderTarget::FolderTarget(std::wstring root) : root_(std::move(root)) {
  if (root_.empty() || (root_.back() != L'\\' && root_.back() != L'/')) root_ += L'\\';
}

std::wstring FolderTarget::PathOf(const std::vector<WideName>& folders) const {
  std::wstring path = root_;
  for (const WideName& folder : folders) {
    path += AsWide(folder);
    path += L'\\';
  }
  return path;
}

bool FolderTarget::CreateFolders(const std::vector<WideName>& folders) {
  std::wstring path = root_;
  for (const WideName& folder : folders) {
    path += AsWide(folder);
    if (madeFolders_.count(path) == 0) {
      if (!CreateDirectoryW(path.c_str(), nullptr) && !IsFolder(path)) return false;
      madeFolders_.insert(path);
    }
    path += L'\\';
  }
  return true;
}

std::unique_ptr<EntryFile> FolderTarget::StartFile(const std::vector<WideName>& folders, const WideName& name,
                                                    std::uint32_t attributes) {
  const std::wstring finalPath = PathOf(folders) + AsWide(name);
  const DWORD fileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
  HANDLE handle = CreateForWriting(finalPath, CREATE_NEW, fileAttributes);
  if (handle != INVALID_HANDLE_VALUE) return std::make_unique<EntryFileWriter>(handle, finalPath, finalPath);
  if (GetLastError() != ERROR_FILE_EXISTS) return nullptr;
  const std::wstring partPath = finalPath + kPartSuffix;
  handle = CreateForWriting(partPath, CREATE_ALWAYS, fileAttributes);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<EntryFileWriter>(handle, partPath, finalPath);
}

}  // namespace unpack
