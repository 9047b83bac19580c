#include <objbase.h>
#include <shellapi.h>

#include "updater/app/UpdaterApp.h"

namespace {

constexpr int kLeastArgumentCount = 2;  // the program's name and one argument

// Waits for the updater mutex. Only a time-out refuses: an abandoned mutex
// (an updater that ended while holding it) or a failed wait lets the start go on.
bool AcquireUpdaterMutex() {
  // Never released or closed: the process holds it until it ends.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, kUpdaterMutexName);
  return WaitForSingleObject(mutex, kUpdaterMutexWaitMs) != WAIT_TIMEOUT;
}

bool InstanceMutexExists() {
  return static_cast<bool>(platform::UniqueHandle(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName)));
}

// Arguments of the whole command line, program name included, split by the
// usual Windows rules.
int ArgumentCount() {
  int count = 0;
  if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) LocalFree(arguments);
  return count;
}

}  // namespace

int UpdaterEntry(HINSTANCE instance, const wchar_t* commandLineTail) {
  if (FAILED(CoInitialize(nullptr))) return kExitRefused;
  // From here on a refusal leaves COM initialised: the process ends at once.
  if (!AcquireUpdaterMutex()) return kExitRefused;
  if (InstanceMutexExists()) return kExitRefused;

  UpdaterApp app(instance, platform::UniqueHandle(CreateMutexW(nullptr, TRUE, kInstanceMutexName)));
  if (ArgumentCount() < kLeastArgumentCount) return kExitRefused;

  app.Run(commandLineTail);
  CoUninitialize();
  return kExitAfterRun;
}
