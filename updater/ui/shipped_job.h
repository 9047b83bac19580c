#pragma once
// The update job as the shipped updater runs it: our zlib.dll, the
// updater's own windows and the shell, with the client and the job folder
// as the application finds them.

#include <functional>
#include <string>

#include "updater/ui/updater_wnd.h"

struct ClientControl {
  std::function<bool()> running;  // a "tavrenclient.exe" process exists
  std::function<void()> close;    // ends the client's processes
};

// `jobFolder`: narrow text ending in a backslash, where the download's files go.
CUpdaterWnd::JobMaker ShippedJobMaker(std::string jobFolder, ClientControl client);
