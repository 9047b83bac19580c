#pragma once
// The visible part of one update run, once the job record is built: the
// forced-update notice, the corner window and the message loop.

#include <functional>

#include "updater/app/zip_conf.h"
#include "updater/ui/updater_wnd.h"

struct UpdateRunHooks {
  CUpdaterWnd::JobMaker makeJob;
  // Ends the client's processes after the forced-update notice.
  std::function<void()> closeClient;
};

// Returns when the updater window has ended the run.
void RunUpdateWindows(const ZipConf& conf, const UpdateRunHooks& hooks);
