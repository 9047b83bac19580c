#include "zip_fixture.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <zip.h>
#include <zlib.h>

namespace unpack_test {

namespace {

void Check(int result, const char* what) {
  if (result != ZIP_OK) throw std::runtime_error(what);
}

}  // namespace

std::string ExtendedTimestampBlock(unsigned char flags, const std::vector<std::int32_t>& times) {
  std::string block = {'U', 'T', static_cast<char>(1 + 4 * times.size()), 0, static_cast<char>(flags)};
  for (std::int32_t time : times) {
    for (int k = 0; k < 4; ++k) block.push_back(static_cast<char>((static_cast<std::uint32_t>(time) >> (8 * k)) & 0xFF));
  }
  return block;
}

namespace {

// minizip's writer takes narrow paths: the archive is made in a scratch folder.
void WriteZipToAsciiPath(const std::filesystem::path& path, const std::vector<FixtureEntry>& entries) {
  zipFile zip = zipOpen64(path.string().c_str(), APPEND_STATUS_CREATE);
  if (zip == nullptr) throw std::runtime_error("cannot create " + path.string());
  for (const FixtureEntry& entry : entries) {
    zip_fileinfo info{};
    info.dosDate = entry.dosDateTime;
    info.external_fa = entry.external;
    const bool raw = entry.wrongChecksum;
    const int method = entry.deflate && !raw ? Z_DEFLATED : 0;
    Check(zipOpenNewFileInZip4_64(zip, entry.name.c_str(), &info, nullptr, 0,
                                  entry.centralExtra.empty() ? nullptr : entry.centralExtra.data(),
                                  static_cast<uInt>(entry.centralExtra.size()), nullptr, method, Z_DEFAULT_COMPRESSION,
                                  raw ? 1 : 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, entry.madeBy, 0, 0),
          "open entry");
    if (!entry.data.empty()) {
      Check(zipWriteInFileInZip(zip, entry.data.data(), static_cast<unsigned>(entry.data.size())), "write entry");
    }
    if (raw) {
      const uLong goodCrc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size()));
      Check(zipCloseFileInZipRaw64(zip, entry.data.size(), goodCrc ^ 0x5A5A5A5Au), "close raw entry");
    } else {
      Check(zipCloseFileInZip(zip), "close entry");
    }
  }
  Check(zipClose(zip, nullptr), "close archive");
}

std::string ZipText(const std::vector<FixtureEntry>& entries) {
  ScratchFolder folder;
  const auto path = folder.path() / "fixture.zip";
  WriteZipToAsciiPath(path, entries);
  return ReadFileText(path);
}

}  // namespace

void WriteZip(const std::filesystem::path& path, const std::vector<FixtureEntry>& entries) {
  WriteFileText(path, ZipText(entries));
}

std::vector<unsigned char> ZipBytes(const std::vector<FixtureEntry>& entries) {
  const std::string text = ZipText(entries);
  return std::vector<unsigned char>(text.begin(), text.end());
}

std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("unpack-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  // Read-only files would stop the removal on Windows.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                 ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace unpack_test
