#pragma once
// The update job as the shipped updater runs it: files next to the program,
// the real client, our zlib.dll, the updater's own windows and the shell.

#include <memory>

#include "updater/app/zip_conf.h"
#include "updater/install/zip_downloader.h"

std::shared_ptr<ZipDownloader> MakeShippedJob(const ZipConf& conf);

// Ends the client's processes; the outcome is not looked at.
void CloseClient();
