#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/markup/skin_markup.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Utf16Bytes(const std::u16string& text, bool bigEndian, bool byteOrderMark) {
  Bytes out;
  auto put = [&](char16_t unit) {
    const auto high = static_cast<unsigned char>(unit >> 8);
    const auto low = static_cast<unsigned char>(unit & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
  };
  if (byteOrderMark) put(0xFEFF);
  for (char16_t unit : text) put(unit);
  return out;
}

Bytes Append(Bytes bytes, std::initializer_list<unsigned char> more) {
  bytes.insert(bytes.end(), more);
  return bytes;
}

// Each case is a document <a v="..."/>; the expected value is given in UTF-16
// code units, as the document stores them.
struct Case {
  const char* what;
  Bytes bytes;
  MarkupEncoding encoding;
  std::u16string value;
};

TEST(MarkupEncoding, DecodesEachEncodingIntoTheSameUtf16Text) {
  const Case cases[] = {
      {"UTF-8", FromText("<a v=\"\xE5\x8D\x87\xE7\xBA\xA7\"/>"), MarkupEncoding::Utf8, u"\u5347\u7EA7"},
      {"UTF-8 with its signature", FromText("\xEF\xBB\xBF<a v=\"\xE5\x8D\x87\"/>"), MarkupEncoding::Utf8,
       u"\u5347"},
      {"UTF-8 signature later in the text is kept", FromText("<a v=\"\xEF\xBB\xBF\"/>"), MarkupEncoding::Utf8,
       u"\uFEFF"},
      {"UTF-8 beyond the basic plane", FromText("<a v=\"\xF0\x9F\x98\x80\"/>"), MarkupEncoding::Utf8,
       u"\xD83D\xDE00"},
      {"UTF-8 stray continuation byte", FromText("<a v=\"x\x80y\"/>"), MarkupEncoding::Utf8, u"x\uFFFDy"},
      {"UTF-8 overlong form", FromText("<a v=\"\xC0\xAF\"/>"), MarkupEncoding::Utf8, u"\uFFFD\uFFFD"},
      {"UTF-8 encoded surrogate", FromText("<a v=\"\xED\xA0\x80\"/>"), MarkupEncoding::Utf8,
       u"\uFFFD\uFFFD\uFFFD"},
      {"UTF-8 cut short", FromText("<a v=\"\xE5\x8D\"/>"), MarkupEncoding::Utf8, u"\uFFFD\uFFFD"},
      {"UTF-16 little-endian", Utf16Bytes(u"<a v=\"\u5347\"/>", false, true), MarkupEncoding::Utf16, u"\u5347"},
      {"UTF-16 big-endian", Utf16Bytes(u"<a v=\"\u5347\"/>", true, true), MarkupEncoding::Utf16, u"\u5347"},
      {"UTF-16 odd trailing byte", Append(Utf16Bytes(u"<a v=\"x\"/>", false, true), {0x20}),
       MarkupEncoding::Utf16, u"x"},
      // 0xE9 is the same letter in Latin-1 and in code page 1252.
      {"ANSI", FromText("<a v=\"caf\xE9\"/>"), MarkupEncoding::Ansi, u"caf\u00E9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CSkinMarkup doc;
    ASSERT_TRUE(doc.LoadFromMemory(c.bytes.data(), c.bytes.size(), c.encoding)) << doc.ErrorMessage().c_str();
    const std::wstring value = doc.Root().AttributeValue(L"v");
    EXPECT_EQ(std::u16string(value.begin(), value.end()), c.value);
  }
}

TEST(MarkupEncoding, Utf16WithoutByteOrderMarkYieldsNoDocument) {
  const Bytes cases[] = {Utf16Bytes(u"<a/>", false, false), Utf16Bytes(u"<a/>", true, false), Bytes{0xFF}, Bytes{}};
  for (const Bytes& bytes : cases) {
    CSkinMarkup doc;
    EXPECT_FALSE(doc.LoadFromMemory(bytes.data(), bytes.size(), MarkupEncoding::Utf16));
    EXPECT_FALSE(doc.Root().IsValid());
  }
}

TEST(MarkupEncoding, UnknownEncodingYieldsNoDocument) {
  const Bytes bytes = FromText("<a/>");
  CSkinMarkup doc;
  EXPECT_FALSE(doc.LoadFromMemory(bytes.data(), bytes.size(), static_cast<MarkupEncoding>(3)));
  EXPECT_FALSE(doc.Root().IsValid());
}

TEST(MarkupEncoding, EmbeddedZeroEndsTheText) {
  const Bytes bytes = {'<', 'a', '/', '>', 0, '<', 'b'};
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromMemory(bytes.data(), bytes.size()));
  EXPECT_EQ(std::wstring(doc.Root().Name()), L"a");
  EXPECT_FALSE(doc.Root().NextSibling().IsValid());
}

}  // namespace
