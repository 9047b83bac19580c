#pragma once
// One forced unpack of the update package into the client's folder.

#include <filesystem>

#include "updater/install/install_services.h"

struct ZipInstaller {
  // Both stay wide on Windows, so that names outside the ANSI code page
  // reach the unpacker intact.
  std::filesystem::path zipName;
  std::filesystem::path folder;

  // Creates the folder (with its parents), waits a moment and unpacks. False
  // only when the folder cannot be created: the unpack is taken on trust.
  bool Install(const InstallServices& services) const;
};
