#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "unpack/zip_file_io.h"
#include "unpack/zip_io.h"

namespace unpack {

namespace {

constexpr std::size_t kReadBufferSize = 65536;

class BufferedFile : public ZipIo {
 public:
  BufferedFile() : buffer_(kReadBufferSize) { FillPathFileFunctions(inner_); }

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
  static BufferedFile& Self(voidpf stream) { return *static_cast<BufferedFile*>(stream); }

  static voidpf Open(voidpf opaque, const void* name, int mode) {
    BufferedFile& self = Self(opaque);
    self.file_ = self.inner_.zopen64_file(self.inner_.opaque, name, mode);
    return self.file_ != nullptr ? opaque : nullptr;
  }

  static uLong Read(voidpf, voidpf stream, void* out, uLong size) {
    BufferedFile& self = Self(stream);
    auto* target = static_cast<unsigned char*>(out);
    std::size_t done = 0;
    while (done < size) {
      if (self.position_ >= self.bufferStart_ && self.position_ < self.bufferStart_ + self.bufferLength_) {
        const std::size_t offset = static_cast<std::size_t>(self.position_ - self.bufferStart_);
        const std::size_t count = std::min<std::size_t>(size - done, self.bufferLength_ - offset);
        std::memcpy(target + done, self.buffer_.data() + offset, count);
        done += count;
        self.position_ += count;
        continue;
      }
      self.bufferStart_ = self.position_;
      self.bufferLength_ = 0;
      const std::size_t filled = self.ReadInner(self.buffer_.data(), kReadBufferSize);
      self.position_ = self.bufferStart_;  // ReadInner moved past what is now buffered
      self.bufferLength_ = filled;
      if (filled == 0) break;
    }
    self.shortRead_ = done < size;
    return static_cast<uLong>(done);
  }

  static uLong Write(voidpf, voidpf, const void*, uLong) { return 0; }

  static ZPOS64_T Tell(voidpf, voidpf stream) { return Self(stream).position_; }

  static long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    BufferedFile& self = Self(stream);
    std::int64_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) {
      base = static_cast<std::int64_t>(self.position_);
    } else if (origin == ZLIB_FILEFUNC_SEEK_END) {
      if (!self.KnowSize()) return -1;
      base = static_cast<std::int64_t>(self.size_);
    } else if (origin != ZLIB_FILEFUNC_SEEK_SET) {
      return -1;
    }
    // minizip steps back with a wrapped-around offset, as fseek would take it.
    const std::int64_t target = base + static_cast<std::int64_t>(offset);
    if (target < 0) return -1;
    self.position_ = static_cast<std::uint64_t>(target);
    return 0;
  }

  static int Close(voidpf, voidpf stream) {
    BufferedFile& self = Self(stream);
    return self.inner_.zclose_file(self.inner_.opaque, self.file_);
  }

  // minizip takes a short read for a good one unless this reports it.
  static int Error(voidpf, voidpf stream) {
    BufferedFile& self = Self(stream);
    return self.shortRead_ || self.inner_.zerror_file(self.inner_.opaque, self.file_) ? 1 : 0;
  }

  // Reads at position_ from the file, moving position_ by what was read.
  std::size_t ReadInner(unsigned char* out, std::size_t size) {
    if (filePosition_ != position_) {
      if (inner_.zseek64_file(inner_.opaque, file_, position_, ZLIB_FILEFUNC_SEEK_SET) != 0) return 0;
      filePosition_ = position_;
    }
    const std::size_t count = inner_.zread_file(inner_.opaque, file_, out, static_cast<uLong>(size));
    filePosition_ += count;
    position_ += count;
    return count;
  }

  bool KnowSize() {
    if (sizeKnown_) return true;
    if (inner_.zseek64_file(inner_.opaque, file_, 0, ZLIB_FILEFUNC_SEEK_END) != 0) return false;
    size_ = inner_.ztell64_file(inner_.opaque, file_);
    filePosition_ = size_;
    sizeKnown_ = true;
    return true;
  }

  zlib_filefunc64_def inner_{};
  voidpf file_ = nullptr;
  std::vector<unsigned char> buffer_;
  std::uint64_t bufferStart_ = 0;
  std::size_t bufferLength_ = 0;
  std::uint64_t position_ = 0;      // where minizip reads next
  std::uint64_t filePosition_ = 0;  // where the file's own position is
  std::uint64_t size_ = 0;
  bool sizeKnown_ = false;
  bool shortRead_ = false;
};

}  // namespace

std::unique_ptr<ZipIo> BufferedFileZipIo() { return std::make_unique<BufferedFile>(); }

}  // namespace unpack
