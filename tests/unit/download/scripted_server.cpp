#include "scripted_server.h"

#include <utility>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>

namespace asio = boost::asio;
using asio::ip::tcp;
using boost::system::error_code;

struct ScriptedExchange::Impl {
  asio::io_context io{1};
  tcp::socket socket{io};

  // Runs one operation to completion or until the moment passes.
  template <class Initiate>
  error_code Await(Initiate initiate, std::chrono::steady_clock::time_point until, std::size_t* bytes = nullptr) {
    bool done = false;
    error_code result;
    initiate([&](const error_code& ec, std::size_t n) {
      done = true;
      result = ec;
      if (bytes) *bytes = n;
    });
    io.restart();
    while (!done) {
      if (io.run_one_until(until) == 0 && !done) {
        error_code ignored;
        socket.close(ignored);
        io.restart();
        while (!done) io.run_one();
        return asio::error::timed_out;
      }
    }
    return result;
  }
};

ScriptedExchange::ScriptedExchange(std::unique_ptr<Impl> impl, int index) : impl_(std::move(impl)), index_(index) {}

ScriptedExchange::~ScriptedExchange() = default;

void ScriptedExchange::ReadRequest() {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  char buffer[4096];
  while (request_.find("\r\n\r\n") == std::string::npos) {
    std::size_t n = 0;
    if (impl_->Await([&](auto h) { impl_->socket.async_read_some(asio::buffer(buffer), std::move(h)); }, until, &n)) {
      return;
    }
    request_.append(buffer, n);
  }
}

std::uint64_t ScriptedExchange::RangeStart() const {
  const std::string kRange = "Range: bytes=";
  const std::size_t at = request_.find(kRange);
  return at == std::string::npos ? 0 : std::stoull(request_.substr(at + kRange.size()));
}

bool ScriptedExchange::Send(const std::string& bytes) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  return !impl_->Await([&](auto h) { asio::async_write(impl_->socket, asio::buffer(bytes), std::move(h)); }, until);
}

bool ScriptedExchange::SendByteByByte(const std::string& bytes) {
  for (char c : bytes) {
    if (!Send(std::string(1, c))) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

bool ScriptedExchange::WaitForClientClose(std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  char buffer[4096];
  for (;;) {
    const error_code ec =
        impl_->Await([&](auto h) { impl_->socket.async_read_some(asio::buffer(buffer), std::move(h)); }, until);
    if (ec == asio::error::timed_out) return false;
    if (ec) return true;
  }
}

void ScriptedExchange::Close() {
  error_code ignored;
  impl_->socket.shutdown(tcp::socket::shutdown_both, ignored);
  impl_->socket.close(ignored);
}

struct ScriptedServer::Impl {
  Script script;
  asio::io_context io{1};
  tcp::acceptor acceptor{io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)};
  std::atomic<bool> stopping{false};
  mutable std::mutex lock;
  std::vector<std::string> requests;
  std::vector<std::thread> handlers;
  std::thread acceptThread;

  void AcceptLoop() {
    for (int index = 0;; ++index) {
      auto exchangeImpl = std::make_unique<ScriptedExchange::Impl>();
      error_code ec;
      acceptor.accept(exchangeImpl->socket, ec);
      if (stopping) return;
      if (ec) continue;
      auto exchange = std::make_shared<ScriptedExchange>(std::move(exchangeImpl), index);
      std::lock_guard<std::mutex> guard(lock);
      handlers.emplace_back([this, exchange] {
        exchange->ReadRequest();
        {
          std::lock_guard<std::mutex> guard(lock);
          requests.push_back(exchange->Request());
        }
        script(*exchange);
        exchange->Close();
      });
    }
  }
};

ScriptedServer::ScriptedServer(Script script) : impl_(std::make_unique<Impl>()) {
  impl_->script = std::move(script);
  impl_->acceptThread = std::thread([this] { impl_->AcceptLoop(); });
}

ScriptedServer::~ScriptedServer() {
  impl_->stopping = true;
  {
    // Wakes the blocking accept.
    asio::io_context io;
    tcp::socket poke(io);
    error_code ignored;
    poke.connect(impl_->acceptor.local_endpoint(), ignored);
    impl_->acceptThread.join();
  }
  std::vector<std::thread> handlers;
  {
    std::lock_guard<std::mutex> guard(impl_->lock);
    handlers.swap(impl_->handlers);
  }
  for (std::thread& handler : handlers) handler.join();
}

std::string ScriptedServer::Host() const {
  return "127.0.0.1:" + std::to_string(impl_->acceptor.local_endpoint().port());
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard<std::mutex> guard(impl_->lock);
  return impl_->requests;
}

namespace scripts {

void ServeRange(ScriptedExchange& exchange, const std::string& package) {
  const std::uint64_t start = exchange.RangeStart();
  if (start >= package.size()) {
    Answer(exchange, 416, "Content-Range: bytes */" + std::to_string(package.size()) + "\r\n");
    return;
  }
  Answer(exchange, 206,
         "Content-Range: bytes " + std::to_string(start) + "-" + std::to_string(package.size() - 1) + "/" +
             std::to_string(package.size()) + "\r\nContent-Length: " + std::to_string(package.size() - start) + "\r\n",
         package.substr(start));
}

void Answer(ScriptedExchange& exchange, int status, const std::string& headerLines, const std::string& body) {
  exchange.Send("HTTP/1.1 " + std::to_string(status) + " Scripted\r\n" + headerLines + "\r\n" + body);
}

}  // namespace scripts

std::string UnusedHost() {
  asio::io_context io;
  tcp::acceptor probe(io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0));
  return "127.0.0.1:" + std::to_string(probe.local_endpoint().port());
}
