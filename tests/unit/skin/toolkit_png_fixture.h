#pragma once
// Builds small PNG files in memory for image tests (zlib does the deflate).

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skin_test {

inline void PutBigEndian(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

inline void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::vector<unsigned char> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBigEndian(out, static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

// An 8-bit RGBA PNG of the given pixels (4 bytes each, rows top-down).
inline std::vector<unsigned char> MakeRgbaPng(int width, int height, const std::vector<unsigned char>& rgba) {
  std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // depth 8, RGBA, no interlace
  PutChunk(out, "IHDR", header);

  std::vector<unsigned char> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    raw.insert(raw.end(), rgba.begin() + y * width * 4, rgba.begin() + (y + 1) * width * 4);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<unsigned char> packed(packedSize);
  compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(packedSize);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace skin_test
