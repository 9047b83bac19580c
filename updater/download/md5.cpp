#include "updater/download/md5.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace {

// The additive constants of RFC 1321 (integer parts of 2^32 * |sin(i + 1)|).
constexpr std::uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr std::uint32_t RotateLeft(std::uint32_t x, std::uint32_t n) { return (x << n) | (x >> (32 - n)); }

inline std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) | (~x & z); }
inline std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & z) | (y & ~z); }
inline std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; }
inline std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (x | ~z); }

// One of the 64 operations: a = b + ((a + fn(b, c, d) + word + constant) <<< shift).
template <std::uint32_t (*fn)(std::uint32_t, std::uint32_t, std::uint32_t)>
inline void Step(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t word,
                 std::uint32_t constant, std::uint32_t shift) {
  a = b + RotateLeft(a + fn(b, c, d) + word + constant, shift);
}

std::uint32_t LoadLittleEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

void StoreLittleEndian(std::uint32_t value, std::uint8_t* p) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::size_t kReadPiece = 1 << 20;

}  // namespace

MD5_CTX::MD5_CTX() {
  std::memset(padding_, 0, sizeof padding_);
  padding_[0] = 0x80;
  Reset();
}

void MD5_CTX::Reset() {
  state_[0] = 0x67452301;
  state_[1] = 0xefcdab89;
  state_[2] = 0x98badcfe;
  state_[3] = 0x10325476;
  count_[0] = count_[1] = 0;
  std::memset(buffer_, 0, sizeof buffer_);
}

void MD5_CTX::Transform(const std::uint8_t block[64]) {
  std::uint32_t x[16];
  for (int i = 0; i < 16; ++i) x[i] = LoadLittleEndian(block + 4 * i);
  std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
  // Round 1.
  Step<F>(a, b, c, d, x[0], kSine[0], 7);
  Step<F>(d, a, b, c, x[1], kSine[1], 12);
  Step<F>(c, d, a, b, x[2], kSine[2], 17);
  Step<F>(b, c, d, a, x[3], kSine[3], 22);
  Step<F>(a, b, c, d, x[4], kSine[4], 7);
  Step<F>(d, a, b, c, x[5], kSine[5], 12);
  Step<F>(c, d, a, b, x[6], kSine[6], 17);
  Step<F>(b, c, d, a, x[7], kSine[7], 22);
  Step<F>(a, b, c, d, x[8], kSine[8], 7);
  Step<F>(d, a, b, c, x[9], kSine[9], 12);
  Step<F>(c, d, a, b, x[10], kSine[10], 17);
  Step<F>(b, c, d, a, x[11], kSine[11], 22);
  Step<F>(a, b, c, d, x[12], kSine[12], 7);
  Step<F>(d, a, b, c, x[13], kSine[13], 12);
  Step<F>(c, d, a, b, x[14], kSine[14], 17);
  Step<F>(b, c, d, a, x[15], kSine[15], 22);
  // Round 2.
  Step<G>(a, b, c, d, x[1], kSine[16], 5);
  Step<G>(d, a, b, c, x[6], kSine[17], 9);
  Step<G>(c, d, a, b, x[11], kSine[18], 14);
  Step<G>(b, c, d, a, x[0], kSine[19], 20);
  Step<G>(a, b, c, d, x[5], kSine[20], 5);
  Step<G>(d, a, b, c, x[10], kSine[21], 9);
  Step<G>(c, d, a, b, x[15], kSine[22], 14);
  Step<G>(b, c, d, a, x[4], kSine[23], 20);
  Step<G>(a, b, c, d, x[9], kSine[24], 5);
  Step<G>(d, a, b, c, x[14], kSine[25], 9);
  Step<G>(c, d, a, b, x[3], kSine[26], 14);
  Step<G>(b, c, d, a, x[8], kSine[27], 20);
  Step<G>(a, b, c, d, x[13], kSine[28], 5);
  Step<G>(d, a, b, c, x[2], kSine[29], 9);
  Step<G>(c, d, a, b, x[7], kSine[30], 14);
  Step<G>(b, c, d, a, x[12], kSine[31], 20);
  // Round 3.
  Step<H>(a, b, c, d, x[5], kSine[32], 4);
  Step<H>(d, a, b, c, x[8], kSine[33], 11);
  Step<H>(c, d, a, b, x[11], kSine[34], 16);
  Step<H>(b, c, d, a, x[14], kSine[35], 23);
  Step<H>(a, b, c, d, x[1], kSine[36], 4);
  Step<H>(d, a, b, c, x[4], kSine[37], 11);
  Step<H>(c, d, a, b, x[7], kSine[38], 16);
  Step<H>(b, c, d, a, x[10], kSine[39], 23);
  Step<H>(a, b, c, d, x[13], kSine[40], 4);
  Step<H>(d, a, b, c, x[0], kSine[41], 11);
  Step<H>(c, d, a, b, x[3], kSine[42], 16);
  Step<H>(b, c, d, a, x[6], kSine[43], 23);
  Step<H>(a, b, c, d, x[9], kSine[44], 4);
  Step<H>(d, a, b, c, x[12], kSine[45], 11);
  Step<H>(c, d, a, b, x[15], kSine[46], 16);
  Step<H>(b, c, d, a, x[2], kSine[47], 23);
  // Round 4.
  Step<I>(a, b, c, d, x[0], kSine[48], 6);
  Step<I>(d, a, b, c, x[7], kSine[49], 10);
  Step<I>(c, d, a, b, x[14], kSine[50], 15);
  Step<I>(b, c, d, a, x[5], kSine[51], 21);
  Step<I>(a, b, c, d, x[12], kSine[52], 6);
  Step<I>(d, a, b, c, x[3], kSine[53], 10);
  Step<I>(c, d, a, b, x[10], kSine[54], 15);
  Step<I>(b, c, d, a, x[1], kSine[55], 21);
  Step<I>(a, b, c, d, x[8], kSine[56], 6);
  Step<I>(d, a, b, c, x[15], kSine[57], 10);
  Step<I>(c, d, a, b, x[6], kSine[58], 15);
  Step<I>(b, c, d, a, x[13], kSine[59], 21);
  Step<I>(a, b, c, d, x[4], kSine[60], 6);
  Step<I>(d, a, b, c, x[11], kSine[61], 10);
  Step<I>(c, d, a, b, x[2], kSine[62], 15);
  Step<I>(b, c, d, a, x[9], kSine[63], 21);
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
}

void MD5_CTX::Update(const std::uint8_t* input, std::uint32_t length) {
  std::uint32_t index = (count_[0] >> 3) & 0x3F;
  const std::uint32_t bitsLow = length << 3;
  count_[0] += bitsLow;
  if (count_[0] < bitsLow) ++count_[1];
  count_[1] += length >> 29;

  std::uint32_t used = 0;
  const std::uint32_t room = 64 - index;
  if (length >= room) {
    std::memcpy(buffer_ + index, input, room);
    Transform(buffer_);
    for (used = room; used + 63 < length; used += 64) Transform(input + used);
    index = 0;
  }
  std::memcpy(buffer_ + index, input + used, length - used);
}

void MD5_CTX::Final(std::uint8_t digest[16]) {
  std::uint8_t bits[8];
  StoreLittleEndian(count_[0], bits);
  StoreLittleEndian(count_[1], bits + 4);
  const std::uint32_t index = (count_[0] >> 3) & 0x3F;
  Update(padding_, index < 56 ? 56 - index : 120 - index);
  Update(bits, 8);
  for (int i = 0; i < 4; ++i) StoreLittleEndian(state_[i], digest + 4 * i);
  Reset();
}

std::string DigestToText(const std::uint8_t digest[16]) {
  static const char kHex[] = "0123456789abcdef";
  std::string text(32, '0');
  for (int i = 0; i < 16; ++i) {
    text[2 * i] = kHex[digest[i] >> 4];
    text[2 * i + 1] = kHex[digest[i] & 0xF];
  }
  return text;
}

bool GetFileMd5(char* text, const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return false;
  MD5_CTX md5;
  std::vector<char> piece(kReadPiece);
  while (file) {
    file.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    md5.Update(reinterpret_cast<const std::uint8_t*>(piece.data()), static_cast<std::uint32_t>(file.gcount()));
  }
  if (file.bad()) return false;
  std::uint8_t digest[16];
  md5.Final(digest);
  const std::string rendered = DigestToText(digest);
  std::memcpy(text, rendered.c_str(), kMd5TextSize);
  return true;
}

bool DigestTextsMatch(const std::string& actual, const std::string& expected) {
  if (actual.size() != expected.size()) return false;
  const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (fold(actual[i]) != fold(expected[i])) return false;
  }
  return true;
}
