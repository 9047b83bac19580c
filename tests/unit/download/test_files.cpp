#include "test_files.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>

#include "updater/download/md5.h"

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::ostringstream name;
  name << "dltest-" << std::chrono::steady_clock::now().time_since_epoch().count() << "-" << counter++;
  path_ = std::filesystem::temp_directory_path() / name.str();
  std::filesystem::create_directories(path_);
  jobFolder_ = (path_ / "").string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) { return std::ifstream(path, std::ios::binary).is_open(); }

std::string PatternBytes(std::size_t size, std::uint32_t seed) {
  std::string bytes(size, '\0');
  std::uint32_t x = seed * 2654435761u + 1;
  for (char& c : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x);
  }
  return bytes;
}

std::string Md5Of(const std::string& bytes) {
  MD5_CTX md5;
  md5.Update(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()));
  std::uint8_t digest[16];
  md5.Final(digest);
  return DigestToText(digest);
}
