// Sends one message to the client's named pipe the way the launcher does:
// open, one write, close. Tests use it to talk to the stand-in client.
//   pipe_sender.exe MESSAGE_FILE [WAIT_MS]   exit 0 when sent, 1 otherwise
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/unique_handle.h"

namespace {

constexpr wchar_t kPipeName[] = L"\\\\.\\Pipe\\DOZEDU_tavren";
constexpr DWORD kRetryPauseMs = 50;

bool ReadWholeFile(const wchar_t* path, std::vector<unsigned char>& bytes) {
  const platform::UniqueHandle file(
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  unsigned char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  return true;
}

// A server between two instances, or not started yet, answers "not found" or
// "busy": try again until the wait is over.
platform::UniqueHandle OpenPipe(DWORD waitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    platform::UniqueHandle pipe(
        CreateFileW(kPipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (pipe || GetTickCount() - start >= waitMs) return pipe;
    Sleep(kRetryPauseMs);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<unsigned char> message;
  if (argc < 2 || !ReadWholeFile(argv[1], message)) return 1;
  const DWORD waitMs = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 5000;
  const platform::UniqueHandle pipe = OpenPipe(waitMs);
  if (!pipe) return 1;
  DWORD written = 0;
  const bool sent = WriteFile(pipe.get(), message.data(), static_cast<DWORD>(message.size()), &written, nullptr) &&
                    written == message.size();
  return sent ? 0 : 1;
}
