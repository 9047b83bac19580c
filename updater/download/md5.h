#pragma once
// MD5 message digest (RFC 1321) and the package digest as text.

#include <cstdint>
#include <string>

class MD5_CTX {
 public:
  MD5_CTX();
  virtual ~MD5_CTX() = default;

  void Update(const std::uint8_t* input, std::uint32_t length);
  // Writes the digest and starts a new message.
  void Final(std::uint8_t digest[16]);

 private:
  void Reset();
  void Transform(const std::uint8_t block[64]);

  std::uint32_t state_[4];
  std::uint32_t count_[2];  // message bits modulo 2^64, low word first
  std::uint8_t buffer_[64];
  std::uint8_t padding_[64];
};

constexpr std::size_t kMd5TextSize = 33;  // 32 hexadecimal digits and a NUL

// Renders a digest as 32 lower-case hexadecimal digits.
std::string DigestToText(const std::uint8_t digest[16]);

// Digests a whole file, reading it in pieces. On success `text` (at least
// kMd5TextSize bytes) holds the 32 digits and a NUL; an unreadable file
// returns false and leaves `text` alone.
bool GetFileMd5(char* text, const std::string& fileName);

// The digest comparison: byte for byte, except that A to Z match a to z.
bool DigestTextsMatch(const std::string& actual, const std::string& expected);
