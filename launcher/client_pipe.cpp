#include "launcher/client_pipe.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace launcher {

std::optional<std::string> PipeMessage(const std::wstring& remainder) {
  // -1: the terminating zero is converted and counted too.
  const int size = WideCharToMultiByte(CP_ACP, 0, remainder.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0 || static_cast<std::size_t>(size) > kPipeMessageSize) return std::nullopt;
  std::string message(kPipeMessageSize, '\0');
  WideCharToMultiByte(CP_ACP, 0, remainder.c_str(), -1, message.data(), size, nullptr, nullptr);
  message.resize(static_cast<std::size_t>(size));
  return message;
}

PipeHandOff SendToRunningClient(const std::wstring& remainder) {
  const auto message = PipeMessage(remainder);
  if (!message) return PipeHandOff::MessageTooLong;
  platform::UniqueHandle pipe(CreateFileW(kClientPipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!pipe) return PipeHandOff::PipeUnavailable;
  DWORD written = 0;
  WriteFile(pipe.get(), message->data(), static_cast<DWORD>(message->size()), &written, nullptr);
  return PipeHandOff::Sent;
}

}  // namespace launcher
