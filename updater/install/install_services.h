#pragma once
// What the install step needs from the program around it. The shipped
// program binds these to the process utilities, zlib.dll, its windows and the
// shell; tests bind them to fakes.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

struct InstallServices {
  // Whether a "tavrenclient.exe" process runs.
  std::function<bool()> clientRunning;
  // Ends the client's processes and waits a little for them to go.
  std::function<void()> closeClient;
  // Unpacks the package under the folder (which ends in a separator),
  // replacing files of the same names. Its outcome is taken on trust.
  std::function<void(const std::filesystem::path& package, const std::filesystem::path& folder)> unpack;
  // Tells the user the install failed (the tips box without owner).
  std::function<void()> reportFailure;
  // Shows the launch window modally and returns when it has closed.
  std::function<void()> showLaunchWindow;
  // Starts the launcher with the client's page parameters.
  std::function<void(const std::filesystem::path& program, const std::wstring& parameters)> startLauncher;

  std::function<std::uint32_t()> tickCount;
  std::function<void(std::uint32_t ms)> sleep;
};
