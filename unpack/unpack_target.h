#pragma once
// Where unpacked entries are written: folders and files below one root.

#include <cstddef>
#include <memory>
#include <vector>

#include "unpack/entry_name.h"
#include "unpack/entry_times.h"

namespace unpack {

// One file being written. Until Commit succeeds, the file of that name (if
// any) stays as it was; dropping the object without Commit discards the data.
class EntryFile {
 public:
  virtual ~EntryFile() = default;
  virtual bool Write(const unsigned char* data, std::size_t size) = 0;
  // Sets the times, closes the file and puts it in place of the old one.
  virtual bool Commit(const EntryTimes& times) = 0;
};

class UnpackTarget {
 public:
  virtual ~UnpackTarget() = default;
  // Creates every missing level of `folders` below the root.
  virtual bool CreateFolders(const std::vector<WideName>& folders) = 0;
  // Starts the file `name` in the folder `folders` (which exists).
  virtual std::unique_ptr<EntryFile> StartFile(const std::vector<WideName>& folders, const WideName& name,
                                                std::uint32_t attributes) = 0;
};

}  // namespace unpack
