// Holds a named mutex for a while, then ends without releasing it (so the
// next waiter finds it abandoned). Prints "held" once it owns the mutex.
//   mutex_holder.exe NAME HOLD_MS
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const HANDLE mutex = CreateMutexW(nullptr, TRUE, argv[1]);
  if (mutex == nullptr) return 1;
  if (GetLastError() == ERROR_ALREADY_EXISTS) WaitForSingleObject(mutex, INFINITE);
  std::puts("held");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
  // The handle is left to the process's end on purpose: the mutex is abandoned.
  return 0;
}
