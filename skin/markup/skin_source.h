#pragma once
// Where skin files and images come from: plain files under a resource path,
// or an archive held in memory (the "ZIPRES" resource of the program).

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// What a window answers from its SkinSourceKind() hook.
enum SkinSourceType {
  SKIN_FILE = 1,         // plain files under the resource path
  SKIN_ZIP = 2,          // a zip file under the resource path
  SKIN_RESOURCE = 3,     // the skin file itself is a resource of type "xml"
  SKIN_ZIPRESOURCE = 4,  // a zip archive held in a "ZIPRES" resource
};

// Outcome of reading one skin file or image.
enum class SkinReadStatus {
  Ok,
  FileOpenFailed,
  FileEmpty,
  FileTooLarge,
  FileReadFailed,
  ZipOpenFailed,
  NotInZip,
  UnzipFailed,
};

// The error text a markup document records for a failed read ("" for Ok).
const wchar_t* SkinReadStatusText(SkinReadStatus status);

class MemoryZipArchive;

// The skin source. One instance serves the whole process (Process()); other
// instances exist for tests. Safe to use from several threads: windows of the
// updater are built on the main thread and on the download worker.
class CSkinSource {
 public:
  // Skin files and images larger than this are refused (exactly 4 MiB loads).
  static constexpr std::size_t kMaxFileBytes = 4194304;
  // The zip name once an in-memory archive is installed.
  static constexpr const wchar_t* kMemoryZipName = L"membuffer";

  static CSkinSource& Process();

  CSkinSource();
  ~CSkinSource();
  CSkinSource(const CSkinSource&) = delete;
  CSkinSource& operator=(const CSkinSource&) = delete;

  // Appends a backslash to a non-empty path that ends in neither "\" nor "/".
  void SetResourcePath(const std::wstring& path);
  std::wstring ResourcePath() const;

  // Installs an in-memory archive; the bytes are copied. Only the first call
  // has an effect, later ones return at once.
  void SetResourceZip(const void* bytes, std::size_t length);
  // Empty while files are read from the resource path, else kMemoryZipName.
  std::wstring ZipName() const;

  // Reads resource path + name, or with an archive installed the entry of
  // that name found regardless of letter case, into bytes (exact size).
  SkinReadStatus ReadSkinFile(const std::wstring& name, std::vector<unsigned char>& bytes) const;

  // Reads a file by its own path, under the same size limit.
  static SkinReadStatus ReadPlainFile(const std::wstring& path, std::vector<unsigned char>& bytes);

 private:
  mutable std::mutex lock_;
  std::wstring resourcePath_;
  std::wstring zipName_;
  std::unique_ptr<MemoryZipArchive> archive_;
};
