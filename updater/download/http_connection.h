#pragma once
// One TCP connection of one exchange, with its own I/O context. The calls
// block like plain socket calls; Close() from any thread makes the pending
// call and every later one fail at once, which is how stalled or abandoned
// transfers are ended without killing their threads.

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

class HttpConnection {
 public:
  HttpConnection();
  ~HttpConnection();
  HttpConnection(const HttpConnection&) = delete;
  HttpConnection& operator=(const HttpConnection&) = delete;

  // Bounds every later call: past this moment a call fails as timed out.
  void SetDeadline(std::chrono::steady_clock::time_point moment);

  // Host is "name" or "name:port" (port 80 by default); the endpoints the name
  // resolves to are tried in turn. Throws std::system_error-like exceptions
  // (derived from std::runtime_error) on failure.
  void Connect(const std::string& host);
  void Send(const std::string& bytes);

  // Waits for at least one byte and hands over all that arrived, as a view
  // of the connection's buffer that stays valid until the next call. False
  // when the stream ended or failed; EndOfStream() tells the server's
  // orderly close.
  bool Receive(std::string_view& chunk);
  bool EndOfStream() const;
  // Text of the last Receive's outcome (a success text when it succeeded).
  std::string ReceiveText() const;

  // Safe from any thread while the connection exists.
  void Close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
