#include "unpack/zip_file_io.h"

namespace unpack {

void FillPathFileFunctions(zlib_filefunc64_def& io) { fill_fopen64_filefunc(&io); }

}  // namespace unpack
