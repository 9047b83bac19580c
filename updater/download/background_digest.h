#pragma once
// Digests blocks on a helper thread while the caller copies the next one.

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>

#include "updater/download/md5.h"

class BackgroundDigest {
 public:
  BackgroundDigest();
  ~BackgroundDigest();
  BackgroundDigest(const BackgroundDigest&) = delete;
  BackgroundDigest& operator=(const BackgroundDigest&) = delete;

  // Adds a block to the message once the previous one is digested. The block
  // must stay untouched until the next Add() or Finish() returns.
  void Add(const char* data, std::size_t count);
  // The digest of everything added, as text.
  std::string Finish();

 private:
  void Work();
  void WaitUntilIdle(std::unique_lock<std::mutex>& guard);

  MD5_CTX md5_;
  std::mutex lock_;
  std::condition_variable changed_;
  const char* data_ = nullptr;
  std::size_t count_ = 0;
  bool pending_ = false;
  bool quit_ = false;
  std::thread worker_;  // none: blocks are digested by the caller
};
