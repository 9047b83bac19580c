#include "skin/markup/memory_zip_archive.h"

#include <unzip.h>

#include <algorithm>

namespace {

using Stream = MemoryZipArchive::Stream;

voidpf ZCALLBACK OpenStream(voidpf opaque, const void*, int mode) {
  const int access = mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER;
  return access == ZLIB_FILEFUNC_MODE_READ ? opaque : nullptr;
}

uLong ZCALLBACK ReadStream(voidpf, voidpf stream, void* buffer, uLong size) {
  auto* s = static_cast<Stream*>(stream);
  const std::size_t count = std::min<std::size_t>(size, s->size - s->position);
  std::copy_n(s->data + s->position, count, static_cast<unsigned char*>(buffer));
  s->position += count;
  return static_cast<uLong>(count);
}

uLong ZCALLBACK WriteStream(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellStream(voidpf, voidpf stream) { return static_cast<Stream*>(stream)->position; }

long ZCALLBACK SeekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* s = static_cast<Stream*>(stream);
  ZPOS64_T base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = s->position; break;
    case ZLIB_FILEFUNC_SEEK_END: base = s->size; break;
    default: return -1;
  }
  if (offset > s->size - base) return -1;
  s->position = static_cast<std::size_t>(base + offset);
  return 0;
}

int ZCALLBACK CloseStream(voidpf, voidpf) { return 0; }

int ZCALLBACK StreamError(voidpf, voidpf) { return 0; }

// Unzips the current entry, whose size is known, into bytes.
bool ReadCurrentEntry(unzFile zip, std::vector<unsigned char>& bytes) {
  if (unzOpenCurrentFile(zip) != UNZ_OK) return false;
  std::size_t filled = 0;
  bool failed = false;
  while (filled < bytes.size()) {
    const std::size_t chunk = std::min<std::size_t>(bytes.size() - filled, 1u << 20);
    const int got = unzReadCurrentFile(zip, bytes.data() + filled, static_cast<unsigned>(chunk));
    if (got <= 0) {
      failed = true;  // an error, or less data than the entry claims
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  // Nothing may follow the claimed size; closing checks the CRC of a full read.
  if (!failed) {
    unsigned char extra = 0;
    failed = unzReadCurrentFile(zip, &extra, 1) != 0;
  }
  const int closed = unzCloseCurrentFile(zip);
  return !failed && closed == UNZ_OK;
}

}  // namespace

MemoryZipArchive::MemoryZipArchive(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
  stream_ = {bytes_.data(), bytes_.size(), 0};
  zlib_filefunc64_def functions{};
  functions.zopen64_file = OpenStream;
  functions.zread_file = ReadStream;
  functions.zwrite_file = WriteStream;
  functions.ztell64_file = TellStream;
  functions.zseek64_file = SeekStream;
  functions.zclose_file = CloseStream;
  functions.zerror_file = StreamError;
  functions.opaque = &stream_;
  handle_ = unzOpen2_64("membuffer", &functions);
}

MemoryZipArchive::~MemoryZipArchive() {
  if (handle_ != nullptr) unzClose(static_cast<unzFile>(handle_));
}

SkinReadStatus MemoryZipArchive::Extract(const std::string& name, std::size_t maxBytes,
                                         std::vector<unsigned char>& bytes) {
  if (handle_ == nullptr) return SkinReadStatus::ZipOpenFailed;
  unzFile zip = static_cast<unzFile>(handle_);
  constexpr int kIgnoreCase = 2;
  if (name.empty() || unzLocateFile(zip, name.c_str(), kIgnoreCase) != UNZ_OK) return SkinReadStatus::NotInZip;
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return SkinReadStatus::UnzipFailed;
  }
  if (info.uncompressed_size == 0) return SkinReadStatus::FileEmpty;
  if (info.uncompressed_size > maxBytes) return SkinReadStatus::FileTooLarge;
  bytes.assign(static_cast<std::size_t>(info.uncompressed_size), 0);
  if (!ReadCurrentEntry(zip, bytes)) {
    bytes.clear();
    return SkinReadStatus::UnzipFailed;
  }
  return SkinReadStatus::Ok;
}
