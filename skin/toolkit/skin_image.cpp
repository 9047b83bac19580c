#include "skin/toolkit/skin_image.h"

#include <cstring>
#include <vector>

#include "skin/markup/skin_source.h"
#include "skin/toolkit/skin_manager.h"

namespace {

struct CloseFile {
  void operator()(HANDLE h) const { ::CloseHandle(h); }
};
using UniqueFile = skin::UniqueHandle<HANDLE, CloseFile>;

bool ReadResource(const std::wstring& name, const std::wstring& type, std::vector<unsigned char>& bytes) {
  const HMODULE module = CSkinManager::GetResourceInstance();
  const HRSRC resource = ::FindResourceW(module, name.c_str(), type.c_str());
  if (resource == nullptr) return false;
  const HGLOBAL loaded = ::LoadResource(module, resource);
  const DWORD size = ::SizeofResource(module, resource);
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr || size == 0) return false;
  const auto* first = static_cast<const unsigned char*>(data);
  bytes.assign(first, first + size);
  return true;
}

// A file path of its own; held to the same size limit as skin files.
bool ReadFileAtPath(const std::wstring& path, std::vector<unsigned char>& bytes) {
  const HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  UniqueFile file(opened);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 ||
      static_cast<unsigned long long>(size.QuadPart) > CSkinSource::kMaxFileBytes) {
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  return ::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
}

}  // namespace

std::unique_ptr<SkinImage> CreateSkinImage(const skin::PixelImage& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  auto result = std::make_unique<SkinImage>();
  result->bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!result->bitmap || bits == nullptr) return nullptr;
  std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
  result->pixels = static_cast<const std::uint32_t*>(bits);
  result->width = image.width;
  result->height = image.height;
  result->hasTransparency = image.hasTransparency;
  return result;
}

std::unique_ptr<SkinImage> LoadSkinImage(const std::wstring& name, const std::wstring& resourceType,
                                         std::uint32_t maskColour) {
  if (name.empty()) return nullptr;
  std::vector<unsigned char> bytes;
  const bool found = resourceType.empty() ? CSkinSource::Process().ReadSkinFile(name, bytes) == SkinReadStatus::Ok
                                          : ReadResource(name, resourceType, bytes);
  if (!found && !ReadFileAtPath(name, bytes)) return nullptr;
  const auto decoded = skin::DecodeSkinImage(bytes.data(), bytes.size(), maskColour);
  if (!decoded) return nullptr;
  return CreateSkinImage(*decoded);
}
