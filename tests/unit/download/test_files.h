#pragma once
// Files for download tests: a fresh job folder per test and small helpers.

#include <cstdint>
#include <filesystem>
#include <string>

// A new empty folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Narrow path with a trailing separator, as the engine takes it.
  const std::string& JobFolder() const { return jobFolder_; }
  std::string File(const std::string& name) const { return jobFolder_ + name; }

 private:
  std::filesystem::path path_;
  std::string jobFolder_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Reproducible bytes that are unlikely to repeat at segment boundaries.
std::string PatternBytes(std::size_t size, std::uint32_t seed = 1);

// MD5 of a byte string, as lower-case text.
std::string Md5Of(const std::string& bytes);
