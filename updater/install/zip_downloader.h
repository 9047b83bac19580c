#pragma once
// The update job: the verified download of the package named by a ZipConf,
// and the install step that follows it.

#include "updater/app/zip_conf.h"
#include "updater/download/downloader.h"
#include "updater/install/install_services.h"

class ZipDownloader : public Downloader {
 public:
  ZipDownloader(const ZipConf& conf, JobEnvironment environment, InstallServices services);

  // On the caller's thread, once the package is in place or the user asks:
  // closes the client, unpacks when forced, then hands over to the launcher.
  void DoInstall() override;

 private:
  // Forced unpack, retried until it works or the retry window has passed.
  void UnpackWithRetries();

  const ZipConf conf_;
  const InstallServices services_;
};
