#pragma once
// The file functions minizip reads an archive through, with their state.

#include <cstddef>
#include <memory>

#include <ioapi.h>

namespace unpack {

class ZipIo {
 public:
  virtual ~ZipIo() = default;
  // Functions whose opaque pointer is this object; it must outlive their use.
  virtual zlib_filefunc64_def Functions() = 0;
};

// An archive held in memory; `data` must outlive the object.
std::unique_ptr<ZipIo> MemoryZipIo(const unsigned char* data, std::size_t size);

// The system's file functions (wide paths on Windows) behind a read buffer:
// minizip reads headers a few bytes at a time, and each read would otherwise
// be a system call.
std::unique_ptr<ZipIo> BufferedFileZipIo();

}  // namespace unpack
