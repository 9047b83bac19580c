#pragma once
// The updater's application object and its entry: one instance at a time, one
// update per process.

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/unique_handle.h"
#include "updater/app/zip_conf.h"

// Process exit codes.
inline constexpr int kExitAfterRun = 0;
inline constexpr int kExitRefused = -1;

// Serialises updater processes; held from acquisition until the process ends.
inline constexpr wchar_t kUpdaterMutexName[] = L"KRMT_AutoUpdate";
inline constexpr DWORD kUpdaterMutexWaitMs = 10000;
// Marks a running updater; while it exists no other one runs.
inline constexpr wchar_t kInstanceMutexName[] = L"{11B0C527-BB62-4BE3-9769-26491D9845B4}";

class UpdaterApp {
 public:
  UpdaterApp(HINSTANCE instance, platform::UniqueHandle instanceMutex)
      : instance_(instance), instanceMutex_(std::move(instanceMutex)) {}

  // Runs one update; always true.
  bool Run(const wchar_t* commandLineTail);

 private:
  HINSTANCE instance_;
  platform::UniqueHandle instanceMutex_;
};

// Everything wWinMain does; returns the process exit code.
int UpdaterEntry(HINSTANCE instance, const wchar_t* commandLineTail);

// The update job from the command-line tail and this program's folder; writes
// the job's paths as TRACE records.
ZipConf parseZipConf(const wchar_t* commandLineTail);
