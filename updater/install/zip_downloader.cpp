#include "updater/install/zip_downloader.h"

#include "log/log_message.h"
#include "platform/path_text.h"
#include "updater/install/install_timing.h"
#include "updater/install/zip_installer.h"

// The records of this step name their function as the job's member.
#define INSTALL_LOG(level) \
  ::n_log::CustomLogMessage(__FILE__, __LINE__, (level), ::qlog::RootLogger(), "ZipDownloader::DoInstall").stream()

ZipDownloader::ZipDownloader(const ZipConf& conf, JobEnvironment environment, InstallServices services)
    : Downloader(conf.zipMd5, conf.urlHost, conf.urlPath, conf.forcedUpdate != 0, std::move(environment)),
      conf_(conf),
      services_(std::move(services)) {}

void ZipDownloader::DoInstall() {
  while (services_.clientRunning()) {
    INSTALL_LOG(qlog::kInfo) << "Zul is running";
    services_.closeClient();
    services_.sleep(install_timing::kClientRecheck);
  }
  if (conf_.forcedUpdate != 0) UnpackWithRetries();
  INSTALL_LOG(qlog::kInfo) << "install success";
  if (!conf_.launchAfterInstall) return;
  services_.sleep(install_timing::kBeforeLaunchWindow);
  services_.showLaunchWindow();
  services_.startLauncher(conf_.clientExePath, conf_.pageCallParam);
}

void ZipDownloader::UnpackWithRetries() {
  const ZipInstaller installer{conf_.zipPath, conf_.clientDic};
  const std::uint32_t start = services_.tickCount();
  while (!installer.Install(services_)) {
    if (static_cast<std::uint32_t>(services_.tickCount() - start) > install_timing::kRetryWindow) {
      INSTALL_LOG(qlog::kError) << "update install failed";
      INSTALL_LOG(qlog::kError) << "zipName: " << platform::PathLogText(installer.zipName);
      INSTALL_LOG(qlog::kError) << "folder: " << platform::PathLogText(installer.folder);
      services_.reportFailure();
      return;
    }
    services_.sleep(install_timing::kRetryPause);
  }
}
