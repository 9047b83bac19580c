#include "unpack/entry_name.h"

#include <gtest/gtest.h>

namespace unpack {
namespace {

struct DecodeCase {
  const char* what;
  std::string bytes;
  std::u16string expected;
};

TEST(DecodeUtf8, ReadsEveryNameAsUtf8) {
  const DecodeCase cases[] = {
      {"ascii", "dir/file.txt", u"dir/file.txt"},
      {"chinese", "\xE8\xAF\xBE\xE5\xA0\x82/\xE6\x96\x87\xE4\xBB\xB6.txt", u"课堂/文件.txt"},
      {"outside the basic plane", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"lone continuation byte", "a\x80" "b", u"a\uFFFDb"},
      {"cut sequence at the end", "a\xE6\x96", u"a\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"code page 437 byte", "caf\x82", u"caf\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.expected) << c.what;
}

struct CleanCase {
  std::u16string stored;
  std::u16string cleaned;
};

TEST(CleanEntryName, DropsDrivesLeadingSeparatorsAndParentSteps) {
  const CleanCase cases[] = {
      {u"a/b/c.txt", u"a/b/c.txt"},
      {u"..\\..\\Windows\\x.dll", u"Windows\\x.dll"},
      {u"C:\\x.txt", u"x.txt"},
      {u"C:x.txt", u"x.txt"},
      {u"///etc/passwd", u"etc/passwd"},
      {u"\\\\server\\share\\f", u"server\\share\\f"},
      {u"a/../../b.txt", u"../b.txt"},  // one step removed per pass; what is left starts with ".."
      {u"a\\..\\b/../c", u"c"},
      {u"x/..\\y/..\\z", u"z"},
      {u"D:/../E:/f", u"../E:/f"},  // the drive rule looks at the start only
      {u"../x", u"../x"},               // no separator before "..": left to the safety check
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanEntryName(c.stored), c.cleaned) << std::string(c.stored.begin(), c.stored.end());
}

TEST(SafeComponents, SplitsPlainNames) {
  EXPECT_EQ(SafeComponents(u"a/b\\c.txt"), (std::vector<WideName>{u"a", u"b", u"c.txt"}));
  EXPECT_EQ(SafeComponents(u"a//./b/"), (std::vector<WideName>{u"a", u"b"}));
  EXPECT_EQ(SafeComponents(u"课堂/文件.txt"), (std::vector<WideName>{u"课堂", u"文件.txt"}));
  EXPECT_EQ(SafeComponents(u"..a/b..c/.hidden"), (std::vector<WideName>{u"..a", u"b..c", u".hidden"}));
  EXPECT_EQ(SafeComponents(u"console/com10/lpt.txt"), (std::vector<WideName>{u"console", u"com10", u"lpt.txt"}));
}

TEST(SafeComponents, RefusesNamesThatCouldLeaveTheRootOrAreNoPlainNames) {
  const std::u16string refused[] = {
      u"..",           u"../x",          u"..\\x",        u"a/..",          u"a/../b",   u"a/.../b",
      u"a/.. /b",      u"a/. ./b",       u"x:stream",     u"a/C:/b",        u"file.txt:Zone.Identifier",
      u"CON",          u"nul.txt",       u"a/Com1.log",   u"LPT9",          u"aux .txt", u"conin$",
      u"a\x01" u"b",   u"what?",         u"star*",        u"pipe|x",        u"q\"uote",  u"<a>",
  };
  for (const auto& name : refused) EXPECT_FALSE(SafeComponents(name).has_value()) << std::string(name.begin(), name.end());
}

}  // namespace
}  // namespace unpack
