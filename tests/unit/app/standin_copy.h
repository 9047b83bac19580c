#pragma once
// A running copy of the stand-in client under one of the client's names, in a
// folder of its own; ended (if still running) and removed with the object.

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

class StandinCopy {
 public:
  enum class MainWindow { No, Yes };

  explicit StandinCopy(const std::wstring& fileName, MainWindow window = MainWindow::No);
  ~StandinCopy();
  StandinCopy(const StandinCopy&) = delete;
  StandinCopy& operator=(const StandinCopy&) = delete;

  DWORD pid() const { return pid_; }
  // The exit code once it has ended within `waitMs`, otherwise STILL_ACTIVE.
  DWORD ExitCodeAfter(DWORD waitMs) const;

 private:
  std::wstring folder_;
  std::wstring exe_;
  platform::UniqueHandle process_;
  DWORD pid_ = 0;
};
