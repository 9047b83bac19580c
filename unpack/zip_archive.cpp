#include "unpack/zip_archive.h"

#include <cstring>

#include <unzip.h>

#include "unpack/zip_file_io.h"

namespace unpack {

// An archive held in memory, read through minizip's file functions.
struct ZipArchive::MemoryStream {
  const unsigned char* data;
  std::size_t size;
  std::size_t position = 0;

  static voidpf Open(voidpf opaque, const void*, int) {
    auto* self = static_cast<MemoryStream*>(opaque);
    self->position = 0;
    return self;
  }
  static uLong Read(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* self = static_cast<MemoryStream*>(stream);
    const std::size_t available = self->size - self->position;
    const std::size_t count = size < available ? size : available;
    if (count > 0) std::memcpy(buffer, self->data + self->position, count);
    self->position += count;
    return static_cast<uLong>(count);
  }
  static uLong Write(voidpf, voidpf, const void*, uLong) { return 0; }
  static ZPOS64_T Tell(voidpf, voidpf stream) { return static_cast<MemoryStream*>(stream)->position; }
  static long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* self = static_cast<MemoryStream*>(stream);
    ZPOS64_T base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = self->position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END) base = self->size;
    else if (origin != ZLIB_FILEFUNC_SEEK_SET) return -1;
    if (offset > self->size - base) return -1;
    self->position = static_cast<std::size_t>(base + offset);
    return 0;
  }
  static int Close(voidpf, voidpf) { return 0; }
  static int Error(voidpf, voidpf) { return 0; }
};

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

ZipArchive::ZipArchive(void* handle, std::unique_ptr<MemoryStream> memory)
    : handle_(handle), memory_(std::move(memory)) {
  unz_global_info64 info{};
  if (unzGetGlobalInfo64(handle_, &info) == UNZ_OK) entryCount_ = info.number_entry;
}

ZipArchive::~ZipArchive() { unzClose(handle_); }

std::unique_ptr<ZipArchive> ZipArchive::Adopt(void* handle, std::unique_ptr<MemoryStream> memory) {
  if (handle == nullptr) return nullptr;
  return std::unique_ptr<ZipArchive>(new ZipArchive(handle, std::move(memory)));
}

std::unique_ptr<ZipArchive> ZipArchive::OpenFile(const std::filesystem::path& path) {
  zlib_filefunc64_def io{};
  FillPathFileFunctions(io);
  return Adopt(unzOpen2_64(path.c_str(), &io), nullptr);
}

std::unique_ptr<ZipArchive> ZipArchive::OpenMemory(const unsigned char* data, std::size_t size) {
  auto memory = std::make_unique<MemoryStream>(MemoryStream{data, size});
  zlib_filefunc64_def io{};
  io.zopen64_file = &MemoryStream::Open;
  io.zread_file = &MemoryStream::Read;
  io.zwrite_file = &MemoryStream::Write;
  io.ztell64_file = &MemoryStream::Tell;
  io.zseek64_file = &MemoryStream::Seek;
  io.zclose_file = &MemoryStream::Close;
  io.zerror_file = &MemoryStream::Error;
  io.opaque = memory.get();
  void* handle = unzOpen2_64("memory", &io);
  return Adopt(handle, std::move(memory));
}

bool ZipArchive::GoToFirst() { return unzGoToFirstFile(handle_) == UNZ_OK; }

bool ZipArchive::GoToNext() { return unzGoToNextFile(handle_) == UNZ_OK; }

std::optional<RawEntry> ZipArchive::CurrentEntry() {
  unz_file_info64 info{};
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
  if (unzOpenCurrentFile(handle_) != UNZ_OK) return nullptr;
  return std::unique_ptr<EntryDataReader>(new EntryDataReader(handle_));
}

}  // namespace unpack
