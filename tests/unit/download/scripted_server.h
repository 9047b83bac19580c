#pragma once
// A loopback HTTP server for tests whose answers a script writes, connection
// by connection, so that it can misbehave on purpose. It records every
// request exactly as received.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ScriptedExchange {
 public:
  struct Impl;
  explicit ScriptedExchange(std::unique_ptr<Impl> impl, int index);
  ~ScriptedExchange();

  int Index() const { return index_; }  // 0 for the first connection
  const std::string& Request() const { return request_; }
  // Start of the "Range: bytes=N-" request line, or 0 without one.
  std::uint64_t RangeStart() const;

  // Each returns false once the client has gone.
  bool Send(const std::string& bytes);
  bool SendByteByByte(const std::string& bytes);
  // Waits until the client closes the connection (true) or the limit passes.
  bool WaitForClientClose(std::chrono::milliseconds limit = std::chrono::seconds(30));

 private:
  friend class ScriptedServer;
  void ReadRequest();
  void Close();

  std::unique_ptr<Impl> impl_;
  int index_;
  std::string request_;
};

class ScriptedServer {
 public:
  using Script = std::function<void(ScriptedExchange&)>;

  explicit ScriptedServer(Script script);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  std::string Host() const;  // "127.0.0.1:port"
  std::vector<std::string> Requests() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Scripts for the usual answers.
namespace scripts {

// A package server that honours open-ended ranges like a real one: 206 with
// the rest of the package from the range start, 416 past its end.
void ServeRange(ScriptedExchange& exchange, const std::string& package);

// A head of `status` with the given header lines, then `body`, then close.
void Answer(ScriptedExchange& exchange, int status, const std::string& headerLines, const std::string& body = "");

}  // namespace scripts

// A port on 127.0.0.1 where nothing listens.
std::string UnusedHost();
