#include <gtest/gtest.h>

#include <map>
#include <string>

#include "updater/app/CmdLineParser.h"

namespace {

using Pairs = std::map<std::wstring, std::wstring>;

struct ParseCase {
  const wchar_t* text;
  Pairs stored;  // every pair the walk keeps, keys folded
};

TEST(CmdLineParser, WalkStoresExactlyThesePairs) {
  const ParseCase cases[] = {
      ParseCase{L"-url=a -md5=b -pagecallparam=\"x y\" -forcedupdate=1",
                {{L"url", L"a"}, {L"md5", L"b"}, {L"pagecallparam", L"x y"}, {L"forcedupdate", L"1"}}},
      ParseCase{L"-URL=Abc", {{L"url", L"Abc"}}},
      ParseCase{L"-md5=b -md5=c", {{L"md5", L"b"}}},
      ParseCase{L"-md5=b -MD5=c", {{L"md5", L"b"}}},
      ParseCase{L"-md5=", {{L"md5", L""}}},
      ParseCase{L"-md5= -url=u", {{L"md5", L""}, {L"url", L"u"}}},
      ParseCase{L"-flag tail -x", {{L"flag tail -x", L""}}},
      ParseCase{L"-a -b=1", {{L"a -b", L"1"}}},
      ParseCase{L"-url = x", {{L"url ", L""}}},
      ParseCase{L"-p=\"a b", {{L"p", L"a b"}}},
      ParseCase{L"-p=\"a b -q=1", {{L"p", L"a b -q=1"}}},
      ParseCase{L"-p=a-b -q=1", {{L"p", L"a-b"}, {L"q", L"1"}}},
      ParseCase{L"-p=\"x-y=z\" -q=1", {{L"p", L"x-y=z"}, {L"q", L"1"}}},
      ParseCase{L"-=x -m=1", {{L"m", L"1"}}},
      ParseCase{L"-=", {}},
      ParseCase{L"junk -k=v more junk -w=\"\" end", {{L"k", L"v"}, {L"w", L""}}},
      ParseCase{L"-k=v\tw -n=1", {{L"k", L"v\tw"}, {L"n", L"1"}}},
      ParseCase{L"-\u00c4=1 -K\u00c9y=2", {{L"\u00c4", L"1"}, {L"k\u00c9y", L"2"}}},
      ParseCase{L"-p=", {{L"p", L""}}},
      ParseCase{L"-p=\"", {{L"p", L""}}},
      ParseCase{L"-", {}},
      ParseCase{L"", {}},
      ParseCase{L"   ", {}},
      ParseCase{L"a=b c=d", {}},
  };
  for (const ParseCase& c : cases) {
    const CCmdLineParser parser(c.text);
    EXPECT_EQ(Pairs(parser.begin(), parser.end()), c.stored) << testing::PrintToString(std::wstring(c.text));
  }
}

TEST(CmdLineParser, LookupFoldsOnlyAsciiLetters) {
  const CCmdLineParser parser(L"-URL=Abc -\u00c9t\u00c9=1 -Md5= ");
  EXPECT_EQ(parser.GetValue(L"url"), L"Abc");
  EXPECT_EQ(parser.GetValue(L"uRL"), L"Abc");
  EXPECT_EQ(parser.GetValue(L"\u00c9T\u00c9"), L"1");
  EXPECT_EQ(parser.FindKey(L"\u00e9t\u00e9"), parser.end());
  // Given with an empty value and not given at all read alike; FindKey tells them apart.
  EXPECT_EQ(parser.GetValue(L"md5"), L"");
  EXPECT_NE(parser.FindKey(L"MD5"), parser.end());
  EXPECT_EQ(parser.GetValue(L"absent"), L"");
  EXPECT_EQ(parser.FindKey(L"absent"), parser.end());
}

TEST(CmdLineParser, NullTextAndReparsing) {
  const CCmdLineParser none(nullptr);
  EXPECT_EQ(none.begin(), none.end());

  CCmdLineParser parser(L"-a=1 -b=2");
  parser.Parse(L"-b=3");
  EXPECT_EQ(Pairs(parser.begin(), parser.end()), (Pairs{{L"b", L"3"}}));
  parser.Parse(nullptr);
  EXPECT_EQ(parser.begin(), parser.end());
}

}  // namespace
