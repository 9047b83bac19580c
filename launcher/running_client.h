#pragma once
// Whether the client is running, and ending it when the user wants it reopened.

namespace launcher {

// The client's executable in the installation folder, and the process name
// the launcher looks for (exact case).
inline constexpr wchar_t kClientExecutable[] = L"tavren.exe";

enum class ClientPrompt { Silent, AskToReopen };

// True when a process named exactly "tavren.exe" runs. With AskToReopen the
// user is asked; on OK the first such process is ended (exit code 0) and the
// launcher waits 1500 ms before returning true.
bool FindRunningClient(ClientPrompt prompt);

}  // namespace launcher
