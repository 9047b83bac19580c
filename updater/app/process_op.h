#pragma once
// What the updater needs from the system outside its windows: its own folder,
// finding and ending the client's processes, narrow/wide text.

#include <cstdint>
#include <string>

#include "updater/app/text_conversion.h"

// Client process names, compared with the executable file name of each process.
inline constexpr char kClientProcessName[] = "tavrenclient.exe";
inline constexpr char kSiblingClientProcessName[] = "wupclient.exe";
inline constexpr unsigned kClientKilledExitCode = 9;
inline constexpr std::uint32_t kClientCloseLimitMs = 3000;
inline constexpr std::uint32_t kClientClosePollMs = 100;

// The running executable's folder with its trailing backslash, e.g.
// D:\Apps\Client\temp\ ; empty when the path holds no backslash.
std::wstring GetExeFolder();

// The first process in snapshot order whose executable file name matches
// `name` (see SameExeName); 0 when none, or when the list cannot be read.
std::uint32_t FindProcess_ByName(const std::string& name);

// Ends the first "tavrenclient.exe" and the first "wupclient.exe" with exit
// code 9; true only when a "wupclient.exe" was ended.
bool KillClientProcesses();

// KillClientProcesses, then whether "tavrenclient.exe" is gone: waited for (at
// most 3000 ms, polled every 100 ms) only when a "wupclient.exe" was ended.
bool CloseClientAndWait();
