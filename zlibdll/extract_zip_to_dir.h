#pragma once
// The one export of our zlib.dll.
//
// ExtractZipToDir(zipPath, folder, options)
//   zipPath  full path of a zip archive, wide and zero-terminated
//   folder   the folder to unpack into, wide and zero-terminated, with or
//            without a trailing backslash; created when missing
//   options  must be 0; any other value is refused
// Unpacks every entry under `folder`, keeping the archive's folder structure
// and replacing files of the same names. A file is replaced only once its new
// content is complete, so an entry that fails leaves the old file as it was.
// Entry names that would reach outside `folder` are not written.
// Blocks until done. Returns 1 when every entry was written, 0 otherwise
// (unreadable archive, an entry not written, options not 0, bad arguments).
//
// Calling convention: __cdecl, exported undecorated as "ExtractZipToDir" from
// both the 32-bit and the 64-bit library. Link the import library of the
// `zlibdll` target to bind it through the import table.

#ifdef __cplusplus
extern "C" {
#endif

#ifdef ZLIBDLL_BUILD
#define ZLIBDLL_API
#else
#define ZLIBDLL_API __declspec(dllimport)
#endif

ZLIBDLL_API int __cdecl ExtractZipToDir(const wchar_t* zipPath, const wchar_t* folder, int options);

#ifdef __cplusplus
}
#endif
