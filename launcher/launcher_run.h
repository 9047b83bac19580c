#pragma once
// The launcher's two roads: hand a URL to the running client, or install a
// waiting update and start the client.

#include <windows.h>

namespace launcher {

enum ExitCode : int {
  kExitDone = 0,
  kExitUrlNotDelivered = 1,  // a URL could not be handed to the running client
};

int RunLauncher(HINSTANCE instance, const wchar_t* commandLine);

}  // namespace launcher
