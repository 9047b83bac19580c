#pragma once
// The process-wide list of paint managers that message routing searches.
// Windows live on more than one thread (a tips box runs on the download
// worker), so the list is guarded.

#include <windows.h>

class CSkinManager;

namespace skin {

void RegisterManager(CSkinManager* manager);
void UnregisterManager(CSkinManager* manager);
// The manager that paints `hwnd` or, for a child window, one of its parents.
CSkinManager* FindManagerFor(HWND hwnd);

}  // namespace skin
