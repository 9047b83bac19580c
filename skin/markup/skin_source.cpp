#include "skin/markup/skin_source.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "skin/markup/memory_zip_archive.h"
#include "skin/markup/utf16_text.h"

SkinReadStatus CSkinSource::ReadPlainFile(const std::wstring& path, std::vector<unsigned char>& bytes) {
  bytes.clear();
  const std::filesystem::path file = std::filesystem::u8path(Utf16ToUtf8(path));
  std::ifstream in(file, std::ios::binary);
  if (!in) return SkinReadStatus::FileOpenFailed;
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return SkinReadStatus::FileOpenFailed;
  if (size == 0) return SkinReadStatus::FileEmpty;
  if (size > kMaxFileBytes) return SkinReadStatus::FileTooLarge;
  bytes.assign(static_cast<std::size_t>(size), 0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::size_t>(in.gcount()) != bytes.size()) {
    bytes.clear();
    return SkinReadStatus::FileReadFailed;
  }
  return SkinReadStatus::Ok;
}

const wchar_t* SkinReadStatusText(SkinReadStatus status) {
  switch (status) {
    case SkinReadStatus::Ok: return L"";
    case SkinReadStatus::FileOpenFailed: return L"Error opening file";
    case SkinReadStatus::FileEmpty: return L"File is empty";
    case SkinReadStatus::FileTooLarge: return L"File too large";
    case SkinReadStatus::FileReadFailed: return L"Could not read file";
    case SkinReadStatus::ZipOpenFailed: return L"Error opening zip file";
    case SkinReadStatus::NotInZip: return L"Could not find ziped file";
    case SkinReadStatus::UnzipFailed: return L"Could not unzip file";
  }
  return L"";
}

CSkinSource& CSkinSource::Process() {
  // Never destroyed: a window on another thread may still read while the
  // process ends, and the archive is meant to live as long as the process.
  static CSkinSource& source = *new CSkinSource();
  return source;
}

CSkinSource::CSkinSource() = default;
CSkinSource::~CSkinSource() = default;

void CSkinSource::SetResourcePath(const std::wstring& path) {
  std::lock_guard<std::mutex> guard(lock_);
  resourcePath_ = path;
  if (!resourcePath_.empty() && resourcePath_.back() != L'\\' && resourcePath_.back() != L'/') {
    resourcePath_ += L'\\';
  }
}

std::wstring CSkinSource::ResourcePath() const {
  std::lock_guard<std::mutex> guard(lock_);
  return resourcePath_;
}

void CSkinSource::SetResourceZip(const void* bytes, std::size_t length) {
  std::lock_guard<std::mutex> guard(lock_);
  if (zipName_ == kMemoryZipName) return;
  zipName_ = kMemoryZipName;
  const auto* first = static_cast<const unsigned char*>(bytes);
  std::vector<unsigned char> copy;
  if (first != nullptr) copy.assign(first, first + length);
  archive_ = std::make_unique<MemoryZipArchive>(std::move(copy));
}

std::wstring CSkinSource::ZipName() const {
  std::lock_guard<std::mutex> guard(lock_);
  return zipName_;
}

SkinReadStatus CSkinSource::ReadSkinFile(const std::wstring& name, std::vector<unsigned char>& bytes) const {
  bytes.clear();
  std::wstring path;
  {
    std::lock_guard<std::mutex> guard(lock_);
    // The archive has one current entry: reads from it take turns.
    if (!zipName_.empty()) return archive_->Extract(Utf16ToUtf8(name), kMaxFileBytes, bytes);
    path = resourcePath_ + name;
  }
  return ReadPlainFile(path, bytes);
}
