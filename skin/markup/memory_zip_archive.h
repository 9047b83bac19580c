#pragma once
// A zip archive read from bytes in memory through the zip reader's I/O hooks.

#include <cstddef>
#include <string>
#include <vector>

#include "skin/markup/skin_source.h"

class MemoryZipArchive {
 public:
  // Takes the bytes; the archive reads from them for its whole life.
  explicit MemoryZipArchive(std::vector<unsigned char> bytes);
  ~MemoryZipArchive();
  MemoryZipArchive(const MemoryZipArchive&) = delete;
  MemoryZipArchive& operator=(const MemoryZipArchive&) = delete;

  bool IsOpen() const { return handle_ != nullptr; }

  // Unzips the entry whose UTF-8 name matches regardless of ASCII letter case
  // into bytes, refusing entries larger than maxBytes. Not thread-safe: the
  // archive has one current entry.
  SkinReadStatus Extract(const std::string& name, std::size_t maxBytes, std::vector<unsigned char>& bytes);

  struct Stream {
    const unsigned char* data;
    std::size_t size;
    std::size_t position;
  };

 private:
  std::vector<unsigned char> bytes_;
  Stream stream_;
  void* handle_ = nullptr;
};
