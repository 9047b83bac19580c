// TAVRENLaunch: started in place of the client by users, shortcuts, the
// browser and the updater.

#include <windows.h>

#include "launcher/launcher_run.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  try {
    return launcher::RunLauncher(instance, commandLine);
  } catch (...) {
    // Nothing may escape the entry; what ran so far stands.
    return launcher::kExitDone;
  }
}
