// hold_file <path>: opens an existing file without sharing, as a program that
// uses it would, prints "held" and keeps it open until standard input closes.

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: hold_file <path>\n");
    return 2;
  }
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("failed %lu\n", GetLastError());
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  char ignored = 0;
  while (std::fread(&ignored, 1, 1, stdin) == 1) {
  }
  CloseHandle(file);
  return 0;
}
