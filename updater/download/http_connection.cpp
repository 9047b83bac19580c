#include "updater/download/http_connection.h"

// Boost 1.74's Asio headers use std::exchange without including <utility>.
#include <utility>

#include <atomic>
#include <optional>
#include <type_traits>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>
#include <boost/system/system_error.hpp>

namespace asio = boost::asio;
using boost::system::error_code;

namespace {

// Large reads keep the per-chunk costs (system calls, locking, flushing) small.
constexpr std::size_t kReadSize = 1024 * 1024;

}  // namespace

struct HttpConnection::Impl {
  asio::io_context io{1};
  asio::ip::tcp::socket socket{io};
  std::atomic<bool> closed{false};
  std::optional<std::chrono::steady_clock::time_point> deadline;
  std::unique_ptr<char[]> readBuffer = std::make_unique<char[]>(kReadSize);
  error_code lastReceive;

  void CloseSocket() {
    error_code ignored;
    socket.close(ignored);
  }

  // Starts one asynchronous operation and runs this connection's context on
  // the calling thread until it completes, the deadline passes or Close()
  // closes the socket. `bytes` gets the transferred count of reads and writes.
  template <class Initiate>
  error_code Await(Initiate initiate, std::size_t* bytes = nullptr) {
    if (closed) return asio::error::operation_aborted;
    bool done = false;
    error_code result;
    initiate([&](const error_code& ec, auto extra) {
      done = true;
      result = ec;
      if constexpr (std::is_same_v<decltype(extra), std::size_t>) {
        if (bytes) *bytes = extra;
      }
    });
    io.restart();
    bool expired = false;
    while (!done) {
      if (deadline && !expired) {
        if (io.run_one_until(*deadline) == 0 && !done) {
          expired = true;
          CloseSocket();
        }
      } else {
        io.run_one();
      }
    }
    return expired ? error_code(asio::error::timed_out) : result;
  }
};

HttpConnection::HttpConnection() : impl_(std::make_unique<Impl>()) {}

HttpConnection::~HttpConnection() = default;

void HttpConnection::SetDeadline(std::chrono::steady_clock::time_point moment) { impl_->deadline = moment; }

void HttpConnection::Connect(const std::string& host) {
  const std::size_t colon = host.find(':');
  const std::string name = host.substr(0, colon);
  const std::string port = colon == std::string::npos ? "80" : host.substr(colon + 1);
  if (impl_->closed) throw boost::system::system_error(asio::error::operation_aborted, "connect");
  asio::ip::tcp::resolver resolver(impl_->io);
  const auto endpoints = resolver.resolve(name, port);
  const error_code ec =
      impl_->Await([&](auto handler) { asio::async_connect(impl_->socket, endpoints, std::move(handler)); });
  if (ec) throw boost::system::system_error(ec, "connect");
}

void HttpConnection::Send(const std::string& bytes) {
  const error_code ec =
      impl_->Await([&](auto handler) { asio::async_write(impl_->socket, asio::buffer(bytes), std::move(handler)); });
  if (ec) throw boost::system::system_error(ec, "write");
}

bool HttpConnection::Receive(std::string_view& chunk) {
  std::size_t size = 0;
  impl_->lastReceive = impl_->Await(
      [&](auto handler) {
        impl_->socket.async_read_some(asio::buffer(impl_->readBuffer.get(), kReadSize), std::move(handler));
      },
      &size);
  chunk = std::string_view(impl_->readBuffer.get(), impl_->lastReceive ? 0 : size);
  return !impl_->lastReceive;
}

bool HttpConnection::EndOfStream() const { return impl_->lastReceive == asio::error::eof; }

std::string HttpConnection::ReceiveText() const { return impl_->lastReceive.message(); }

void HttpConnection::Close() {
  impl_->closed = true;
  // The socket belongs to the thread running the context: let it close it.
  asio::post(impl_->io, [impl = impl_.get()] { impl->CloseSocket(); });
}
