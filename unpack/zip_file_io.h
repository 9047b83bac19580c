#pragma once
// The minizip file functions that open a path of this system's kind.

#include <filesystem>

#include <ioapi.h>

namespace unpack {

// Fills `io` for opening `path`; the name to hand to minizip is path.c_str().
void FillPathFileFunctions(zlib_filefunc64_def& io);

}  // namespace unpack
