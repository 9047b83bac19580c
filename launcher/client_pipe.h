#pragma once
// Handing a scheme URL to the running client through its named pipe.

#include <optional>
#include <string>

namespace launcher {

inline constexpr wchar_t kClientPipeName[] = L"\\\\.\\Pipe\\DOZEDU_tavren";
inline constexpr std::size_t kPipeMessageSize = 10240;

// The remainder in the ANSI code page with its terminating zero, or nothing
// when that does not fit in kPipeMessageSize bytes.
std::optional<std::string> PipeMessage(const std::wstring& remainder);

enum class PipeHandOff { Sent, MessageTooLong, PipeUnavailable };

// Opens the client's pipe (no wait, no retry) and writes the message in one write.
PipeHandOff SendToRunningClient(const std::wstring& remainder);

}  // namespace launcher
