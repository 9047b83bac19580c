#include "updater/install/zip_installer.h"

#include <system_error>

#include "updater/install/install_timing.h"

bool ZipInstaller::Install(const InstallServices& services) const {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return false;
  services.sleep(install_timing::kBeforeUnpack);
  services.unpack(zipName, folder);
  return true;
}
