// Process entry of Updater.exe.
#include "updater/app/UpdaterApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLineTail, int) {
  try {
    return UpdaterEntry(instance, commandLineTail);
  } catch (...) {
    // Nothing may leave the entry; running out of memory counts as refused.
    return kExitRefused;
  }
}
