#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_files.h"
#include "updater/download/md5.h"

namespace {

std::string DigestInPieces(const std::string& message, std::size_t piece) {
  MD5_CTX md5;
  for (std::size_t at = 0; at < message.size(); at += piece) {
    const std::size_t n = std::min(piece, message.size() - at);
    md5.Update(reinterpret_cast<const std::uint8_t*>(message.data() + at), static_cast<std::uint32_t>(n));
  }
  std::uint8_t digest[16];
  md5.Final(digest);
  return DigestToText(digest);
}

TEST(Md5, MatchesTheRfc1321TestSuite) {
  const struct {
    const char* message;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(Md5Of(c.message), c.digest);
  }
}

TEST(Md5, AMillionLettersAFedInUnevenPieces) {
  const std::string message(1000000, 'a');
  for (std::size_t piece : {1u, 55u, 56u, 63u, 64u, 65u, 4093u, 1000000u}) {
    SCOPED_TRACE(piece);
    EXPECT_EQ(DigestInPieces(message, piece), "7707d6ae4e027c70eea2a935c2296f21");
  }
}

TEST(Md5, FinalStartsANewMessage) {
  MD5_CTX md5;
  std::uint8_t digest[16];
  md5.Update(reinterpret_cast<const std::uint8_t*>("leftover"), 8);
  md5.Final(digest);
  md5.Update(reinterpret_cast<const std::uint8_t*>("abc"), 3);
  md5.Final(digest);
  EXPECT_EQ(DigestToText(digest), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(Md5, TextHasTwoLowerCaseDigitsPerByte) {
  const std::uint8_t digest[16] = {0x0a, 0x00, 0xff, 0x10, 0x01, 0xab, 0xcd, 0xef,
                                   0x09, 0x90, 0x5c, 0xc5, 0x7e, 0xe7, 0x00, 0x0f};
  EXPECT_EQ(DigestToText(digest), "0a00ff1001abcdef09905cc57ee7000f");
}

TEST(GetFileMd5, DigestsWholeFilesOfAnySize) {
  TempFolder folder;
  for (std::size_t size : {std::size_t{0}, std::size_t{1003}, std::size_t{(5u << 19) + 3}}) {
    SCOPED_TRACE(size);
    const std::string bytes = PatternBytes(size, 7);
    WriteWholeFile(folder.File("p"), bytes);
    char text[kMd5TextSize];
    std::memset(text, 'x', sizeof text);
    ASSERT_TRUE(GetFileMd5(text, folder.File("p")));
    EXPECT_EQ(std::string(text), Md5Of(bytes));
  }
}

TEST(GetFileMd5, MissingFileLeavesTheTextAlone) {
  TempFolder folder;
  char text[kMd5TextSize] = "unchanged";
  EXPECT_FALSE(GetFileMd5(text, folder.File("missing")));
  EXPECT_STREQ(text, "unchanged");
}

TEST(DigestTextsMatch, IgnoresTheCaseOfLettersOnly) {
  const std::string digest = "0a00ff1001abcdef09905cc57ee7000f";
  const struct {
    std::string actual;
    std::string expected;
    bool match;
  } cases[] = {
      {digest, digest, true},
      {digest, "0A00FF1001ABCDEF09905CC57EE7000F", true},
      {digest, "0a00Ff1001aBcDeF09905cC57eE7000f", true},
      {digest, digest + " ", false},
      {digest, digest.substr(0, 31), false},
      {digest, "", false},
      {digest, "0a00ff1001abcdef09905cc57ee7000e", false},
      // Bytes outside A to Z that differ only in bit 0x20 stay different.
      {"ab[", "AB{", false},
      {"a@", "A`", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.actual + " / " + c.expected);
    EXPECT_EQ(DigestTextsMatch(c.actual, c.expected), c.match);
  }
}

}  // namespace
