#include "unpack/zip_archive.h"

#include <cstring>
#include <fstream>
#include <string_view>

#include <unzip.h>

#include "unpack/zip_io.h"

namespace unpack {

namespace {

constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kLongestEmptyArchive = kEndRecordSize + 0xFFFF;  // with the longest comment

// An archive of no entries is its end record alone, which minizip cannot open
// (it takes a central directory at offset 0 for a missing one).
bool IsEmptyArchive(std::string_view bytes) {
  if (bytes.size() < kEndRecordSize || bytes.substr(0, 4) != std::string_view("PK\x05\x06", 4)) return false;
  for (std::size_t at = 4; at < 20; ++at) {
    if (bytes[at] != 0) return false;  // disks, entry counts, directory size and offset
  }
  const std::size_t commentLength =
      static_cast<unsigned char>(bytes[20]) | static_cast<std::size_t>(static_cast<unsigned char>(bytes[21])) << 8;
  return bytes.size() == kEndRecordSize + commentLength;
}

bool IsEmptyArchiveFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(kLongestEmptyArchive + 1, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return IsEmptyArchive(head);
}

}  // namespace

EntryDataReader::~EntryDataReader() {
  if (open_) unzCloseCurrentFile(handle_);
}

int EntryDataReader::Read(unsigned char* buffer, unsigned capacity) {
  return unzReadCurrentFile(handle_, buffer, capacity);
}

bool EntryDataReader::Finish() {
  open_ = false;
  return unzCloseCurrentFile(handle_) == UNZ_OK;
}

ZipArchive::ZipArchive(void* handle, std::unique_ptr<ZipIo> io) : handle_(handle), io_(std::move(io)) {
  unz_global_info64 info{};
  if (handle_ != nullptr && unzGetGlobalInfo64(handle_, &info) == UNZ_OK) entryCount_ = info.number_entry;
}

ZipArchive::~ZipArchive() {
  if (handle_ != nullptr) unzClose(handle_);
}

std::unique_ptr<ZipArchive> ZipArchive::Adopt(void* handle, std::unique_ptr<ZipIo> io) {
  return std::unique_ptr<ZipArchive>(new ZipArchive(handle, std::move(io)));
}

std::unique_ptr<ZipArchive> ZipArchive::OpenFile(const std::filesystem::path& path) {
  auto io = BufferedFileZipIo();
  zlib_filefunc64_def functions = io->Functions();
  void* handle = unzOpen2_64(path.c_str(), &functions);
  if (handle == nullptr && !IsEmptyArchiveFile(path)) return nullptr;
  return Adopt(handle, std::move(io));
}

std::unique_ptr<ZipArchive> ZipArchive::OpenMemory(const unsigned char* data, std::size_t size) {
  auto io = MemoryZipIo(data, size);
  zlib_filefunc64_def functions = io->Functions();
  void* handle = unzOpen2_64("memory", &functions);
  if (handle == nullptr &&
      (data == nullptr || !IsEmptyArchive(std::string_view(reinterpret_cast<const char*>(data), size)))) {
    return nullptr;
  }
  return Adopt(handle, std::move(io));
}

bool ZipArchive::GoToFirst() { return handle_ != nullptr && unzGoToFirstFile(handle_) == UNZ_OK; }

bool ZipArchive::GoToNext() { return handle_ != nullptr && unzGoToNextFile(handle_) == UNZ_OK; }

std::optional<RawEntry> ZipArchive::CurrentEntry() {
  unz_file_info64 info{};
  if (handle_ == nullptr) return std::nullopt;
  if (unzGetCurrentFileInfo64(handle_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return std::nullopt;
  RawEntry entry;
  entry.name.resize(info.size_filename);
  entry.extraField.resize(info.size_file_extra);
  if (unzGetCurrentFileInfo64(handle_, &info, entry.name.data(), static_cast<uLong>(entry.name.size()),
                              entry.extraField.empty() ? nullptr : entry.extraField.data(),
                              static_cast<uLong>(entry.extraField.size()), nullptr, 0) != UNZ_OK) {
    return std::nullopt;
  }
  entry.versionMadeBy = static_cast<std::uint16_t>(info.version);
  entry.externalAttributes = static_cast<std::uint32_t>(info.external_fa);
  entry.dosDateTime = static_cast<std::uint32_t>(info.dosDate);
  return entry;
}

std::unique_ptr<EntryDataReader> ZipArchive::OpenCurrentData() {
  if (handle_ == nullptr || unzOpenCurrentFile(handle_) != UNZ_OK) return nullptr;
  return std::unique_ptr<EntryDataReader>(new EntryDataReader(handle_));
}

}  // namespace unpack
