#include "tools/standin_client/pipe_server.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace standin {

namespace {

constexpr wchar_t kPipeName[] = L"\\\\.\\Pipe\\DOZEDU_tavren";
constexpr DWORD kBufferSize = 64 * 1024;
constexpr DWORD kRetryPauseMs = 50;

platform::UniqueHandle CreateInstance() {
  return platform::UniqueHandle(CreateNamedPipeW(kPipeName, PIPE_ACCESS_DUPLEX,
                                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                                 PIPE_UNLIMITED_INSTANCES, kBufferSize, kBufferSize, 0, nullptr));
}

// Everything the sender wrote, up to its closing the pipe.
std::vector<unsigned char> ReadUntilClosed(HANDLE pipe) {
  std::vector<unsigned char> message;
  unsigned char chunk[4096];
  DWORD got = 0;
  while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) || GetLastError() == ERROR_MORE_DATA) {
    message.insert(message.end(), chunk, chunk + got);
    got = 0;
  }
  return message;
}

}  // namespace

void ServeClientPipe(const MessageHandler& onMessage) {
  platform::UniqueHandle listening = CreateInstance();
  for (;;) {
    if (!listening) {
      Sleep(kRetryPauseMs);
      listening = CreateInstance();
      continue;
    }
    const bool connected = ConnectNamedPipe(listening.get(), nullptr) || GetLastError() == ERROR_PIPE_CONNECTED ||
                           GetLastError() == ERROR_NO_DATA;
    platform::UniqueHandle current = std::move(listening);
    // The next instance exists before this message is read, so a sender never
    // finds the pipe missing between two messages.
    listening = CreateInstance();
    if (!connected) continue;
    const std::vector<unsigned char> message = ReadUntilClosed(current.get());
    DisconnectNamedPipe(current.get());
    onMessage(message);
  }
}

}  // namespace standin
