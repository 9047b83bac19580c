#include "unpack/zip_file_io.h"

#include <windows.h>
#include <iowin32.h>

namespace unpack {

// Wide paths, opened with read sharing.
void FillPathFileFunctions(zlib_filefunc64_def& io) { fill_win32_filefunc64W(&io); }

}  // namespace unpack
