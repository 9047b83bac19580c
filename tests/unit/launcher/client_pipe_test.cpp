#include "launcher/client_pipe.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace launcher {
namespace {

TEST(PipeMessage, IsTheAnsiTextWithItsZeroAndFitsTheBuffer) {
  EXPECT_EQ(PipeMessage(L"abc"), std::string("abc", 4));
  EXPECT_EQ(PipeMessage(L""), std::string("", 1));
  EXPECT_EQ(PipeMessage(L"room?id=1\""), std::string("room?id=1\"\0", 11));
  EXPECT_EQ(PipeMessage(std::wstring(kPipeMessageSize - 1, L'x'))->size(), kPipeMessageSize);
  EXPECT_FALSE(PipeMessage(std::wstring(kPipeMessageSize, L'x')));
}

// Plays the client's side of the pipe for one message.
class ClientPipe {
 public:
  ClientPipe()
      : pipe_(CreateNamedPipeW(kClientPipeName, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1,
                               65536, 65536, 0, nullptr)) {}
  ~ClientPipe() {
    if (reader_.joinable()) reader_.join();
    if (pipe_ != INVALID_HANDLE_VALUE) CloseHandle(pipe_);
  }
  bool valid() const { return pipe_ != INVALID_HANDLE_VALUE; }
  void Serve() {
    reader_ = std::thread([this] {
      ConnectNamedPipe(pipe_, nullptr);
      char buffer[65536];
      DWORD count = 0;
      while (ReadFile(pipe_, buffer, sizeof buffer, &count, nullptr) && count > 0) received_.append(buffer, count);
    });
  }
  std::string Received() {
    reader_.join();
    return received_;
  }

 private:
  HANDLE pipe_;
  std::thread reader_;
  std::string received_;
};

TEST(SendToRunningClient, WritesTheMessageToTheClientPipe) {
  ClientPipe client;
  ASSERT_TRUE(client.valid());
  client.Serve();
  EXPECT_EQ(SendToRunningClient(L"room?id=1\""), PipeHandOff::Sent);
  EXPECT_EQ(client.Received(), std::string("room?id=1\"\0", 11));
}

TEST(SendToRunningClient, ReportsAMissingPipeAndATooLongMessage) {
  EXPECT_EQ(SendToRunningClient(L"abc"), PipeHandOff::PipeUnavailable);
  ClientPipe client;
  ASSERT_TRUE(client.valid());
  EXPECT_EQ(SendToRunningClient(std::wstring(kPipeMessageSize, L'x')), PipeHandOff::MessageTooLong);
}

}  // namespace
}  // namespace launcher
