#pragma once
// Serves the client's named pipe: each connection is one message (the sender
// connects, writes and closes); after each one the pipe is served again.

#include <functional>
#include <vector>

namespace standin {

using MessageHandler = std::function<void(const std::vector<unsigned char>& message)>;

// Runs for the life of the process (on its own thread).
void ServeClientPipe(const MessageHandler& onMessage);

}  // namespace standin
