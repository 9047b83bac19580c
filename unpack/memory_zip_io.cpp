#include <cstdint>
#include <cstring>

#include "unpack/zip_io.h"

namespace unpack {

namespace {

class MemoryStream : public ZipIo {
 public:
  MemoryStream(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  zlib_filefunc64_def Functions() override {
    zlib_filefunc64_def io{};
    io.zopen64_file = &Open;
    io.zread_file = &Read;
    io.zwrite_file = &Write;
    io.ztell64_file = &Tell;
    io.zseek64_file = &Seek;
    io.zclose_file = &Close;
    io.zerror_file = &Error;
    io.opaque = this;
    return io;
  }

 private:
  static MemoryStream& Self(voidpf stream) { return *static_cast<MemoryStream*>(stream); }

  static voidpf Open(voidpf opaque, const void*, int) {
    Self(opaque).position_ = 0;
    return opaque;
  }
  static uLong Read(voidpf, voidpf stream, void* buffer, uLong size) {
    MemoryStream& self = Self(stream);
    const std::size_t available = self.size_ - self.position_;
    const std::size_t count = size < available ? size : available;
    if (count > 0) std::memcpy(buffer, self.data_ + self.position_, count);
    self.position_ += count;
    self.shortRead_ = count < size;
    return static_cast<uLong>(count);
  }
  static uLong Write(voidpf, voidpf, const void*, uLong) { return 0; }
  static ZPOS64_T Tell(voidpf, voidpf stream) { return Self(stream).position_; }
  static long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    MemoryStream& self = Self(stream);
    std::int64_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = static_cast<std::int64_t>(self.position_);
    else if (origin == ZLIB_FILEFUNC_SEEK_END) base = static_cast<std::int64_t>(self.size_);
    else if (origin != ZLIB_FILEFUNC_SEEK_SET) return -1;
    // minizip steps back with a wrapped-around offset, as fseek would take it.
    const std::int64_t target = base + static_cast<std::int64_t>(offset);
    if (target < 0 || target > static_cast<std::int64_t>(self.size_)) return -1;
    self.position_ = static_cast<std::size_t>(target);
    return 0;
  }
  static int Close(voidpf, voidpf) { return 0; }
  // minizip takes a short read for a good one unless this reports it.
  static int Error(voidpf, voidpf stream) { return Self(stream).shortRead_ ? 1 : 0; }

  const unsigned char* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool shortRead_ = false;
};

}  // namespace

std::unique_ptr<ZipIo> MemoryZipIo(const unsigned char* data, std::size_t size) {
  return std::make_unique<MemoryStream>(data, size);
}

}  // namespace unpack
