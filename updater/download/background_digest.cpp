#include "updater/download/background_digest.h"

#include <system_error>

namespace {

void Digest(MD5_CTX& md5, const char* data, std::size_t count) {
  md5.Update(reinterpret_cast<const std::uint8_t*>(data), static_cast<std::uint32_t>(count));
}

}  // namespace

BackgroundDigest::BackgroundDigest() {
  try {
    worker_ = std::thread([this] { Work(); });
  } catch (const std::system_error&) {
    // Slower, same digest.
  }
}

BackgroundDigest::~BackgroundDigest() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    quit_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void BackgroundDigest::WaitUntilIdle(std::unique_lock<std::mutex>& guard) {
  changed_.wait(guard, [this] { return !pending_; });
}

void BackgroundDigest::Add(const char* data, std::size_t count) {
  if (!worker_.joinable()) return Digest(md5_, data, count);
  std::unique_lock<std::mutex> guard(lock_);
  WaitUntilIdle(guard);
  data_ = data;
  count_ = count;
  pending_ = true;
  changed_.notify_all();
}

std::string BackgroundDigest::Finish() {
  {
    std::unique_lock<std::mutex> guard(lock_);
    WaitUntilIdle(guard);
  }
  std::uint8_t digest[16];
  md5_.Final(digest);
  return DigestToText(digest);
}

void BackgroundDigest::Work() {
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    changed_.wait(guard, [this] { return pending_ || quit_; });
    if (!pending_) return;
    guard.unlock();
    Digest(md5_, data_, count_);
    guard.lock();
    pending_ = false;
    changed_.notify_all();
  }
}
