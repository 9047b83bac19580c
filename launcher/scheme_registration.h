#pragma once
// Points the "tavren://" scheme at this launcher.

namespace launcher {

// Writes HKEY_CLASSES_ROOT\tavren\shell\open\command with the launcher's
// current path. Failures are not reported to the caller.
void WriteRegFun();

}  // namespace launcher
