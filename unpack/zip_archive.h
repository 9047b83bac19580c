#pragma once
// Reading a zip archive entry by entry (minizip over zlib).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace unpack {

// What the central directory says about one entry.
struct RawEntry {
  std::string name;  // the stored bytes
  std::uint16_t versionMadeBy = 0;
  std::uint32_t externalAttributes = 0;
  std::uint32_t dosDateTime = 0;  // date in the high 16 bits, time in the low
  std::string extraField;         // the central directory's extra field
};

class ZipArchive;
class ZipIo;

// The data of the archive's current entry, open while this object lives.
class EntryDataReader {
 public:
  ~EntryDataReader();
  EntryDataReader(const EntryDataReader&) = delete;
  EntryDataReader& operator=(const EntryDataReader&) = delete;

  // Up to `capacity` inflated bytes; 0 at the end of the data, negative on a
  // data error.
  int Read(unsigned char* buffer, unsigned capacity);
  // Ends the data; false when it was damaged (a checksum mismatch once all of
  // it was read).
  bool Finish();

 private:
  friend class ZipArchive;
class ZipIo;
  explicit EntryDataReader(void* handle) : handle_(handle) {}
  void* handle_;
  bool open_ = true;
};

class ZipArchive {
 public:
  // Nothing when the file cannot be opened or has no readable central directory.
  static std::unique_ptr<ZipArchive> OpenFile(const std::filesystem::path& path);
  // `data` must outlive the archive.
  static std::unique_ptr<ZipArchive> OpenMemory(const unsigned char* data, std::size_t size);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  std::uint64_t EntryCount() const { return entryCount_; }
  // Moves to the first or to the next entry; false when there is none.
  bool GoToFirst();
  bool GoToNext();
  std::optional<RawEntry> CurrentEntry();
  std::unique_ptr<EntryDataReader> OpenCurrentData();

 private:
  ZipArchive(void* handle, std::unique_ptr<ZipIo> io);
  static std::unique_ptr<ZipArchive> Adopt(void* handle, std::unique_ptr<ZipIo> io);

  void* handle_;  // null for an archive without entries
  std::unique_ptr<ZipIo> io_;  // outlives handle_, which reads through it
  std::uint64_t entryCount_ = 0;
};

}  // namespace unpack
