#include <gtest/gtest.h>

#include <string>

#include "markup_outline.h"
#include "skin/markup/skin_markup.h"

namespace {

struct ErrorCase {
  const wchar_t* markup;
  const wchar_t* message;
  const wchar_t* location;  // the text where parsing stopped
};

const ErrorCase kErrorCases[] = {
    {L"text", L"Expected start tag", L"text"},
    {L"<a/> tail", L"Expected start tag", L"tail"},
    {L"<a><b/>tail</a>", L"Expected start tag", L"tail</a>"},
    {L"<a><b/>", L"Expected start tag", L""},
    {L"<>", L"Error parsing element name", L">"},
    {L"< a/>", L"Error parsing element name", L" a/>"},
    {L"<a>text< b/></a>", L"Error parsing element name", L" b/></a>"},
    {L"<a b/>", L"Error while parsing attributes", L"/>"},
    {L"<a b>", L"Error while parsing attributes", L">"},
    {L"<a %=\"1\"/>", L"Error while parsing attributes", L"%=\"1\"/>"},
    {L"<a b", L"Error while parsing attributes", L""},
    {L"<a b='1'/>", L"Expected attribute value", L"'1'/>"},
    {L"<a b=1/>", L"Expected attribute value", L"1/>"},
    {L"<a b=\"1/>", L"Error while parsing attribute string", L""},
    {L"<a/ >", L"Expected start-tag closing", L"/ >"},
    {L"<a><b>text", L"Expected end-tag start", L""},
    {L"<a></b>", L"Unmatched closing tag", L"b>"},
    {L"<a></ab>", L"Unmatched closing tag", L"b>"},
    {L"<ab></a>", L"Unmatched closing tag", L">"},
    {L"<a></a x>", L"Unmatched closing tag", L"x>"},
    {L"<a><b></a></b>", L"Unmatched closing tag", L"a></b>"},
};

TEST(MarkupParser, ReportsEachErrorWithWhereParsingStopped) {
  for (const ErrorCase& c : kErrorCases) {
    SCOPED_TRACE(c.markup);
    CSkinMarkup doc;
    EXPECT_FALSE(doc.LoadFromString(c.markup));
    EXPECT_EQ(doc.ErrorMessage(), c.message);
    EXPECT_EQ(doc.ErrorLocation(), c.location);
    EXPECT_FALSE(doc.Root().IsValid());
  }
}

TEST(MarkupParser, ErrorLocationKeepsTheFirst49Characters) {
  const std::wstring tail = L"'" + std::wstring(80, L'x') + L"'/>";
  CSkinMarkup doc;
  ASSERT_FALSE(doc.LoadFromString((L"<a b=" + tail).c_str()));
  EXPECT_EQ(doc.ErrorLocation(), tail.substr(0, 49));
}

TEST(MarkupParser, SuccessfulLoadClearsTheEarlierError) {
  CSkinMarkup doc;
  ASSERT_FALSE(doc.LoadFromString(L"<a b='1'/>"));
  ASSERT_TRUE(doc.LoadFromString(L"<a/>"));
  EXPECT_EQ(doc.ErrorMessage(), L"");
  EXPECT_EQ(doc.ErrorLocation(), L"");
}

TEST(MarkupParser, BuildsTheTreeInDocumentOrderSkippingDeclarationsAndComments) {
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromString(
      L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
      L"<!-- a skin -->\n"
      L"<Window size=\"310,100\" caption = \"0,0,0,20\">\n"
      L"  <Font name=\"f\" />\n"
      L"  <!-- between children -->\n"
      L"  <VerticalLayout>\n"
      L"    <Label text=\"x\"/><Label\tname=\"y\"\n/>\n"
      L"  </VerticalLayout >\n"
      L"</ Window>\n"))
      << doc.ErrorMessage().c_str();
  EXPECT_EQ(MarkupOutline(doc.Root()),
            L"Window size=\"310,100\" caption=\"0,0,0,20\"\n"
            L"  Font name=\"f\"\n"
            L"  VerticalLayout\n"
            L"    Label text=\"x\"\n"
            L"    Label name=\"y\"\n");

  const CSkinMarkupNode window = doc.Root();
  const CSkinMarkupNode layout = window.FirstChild().NextSibling();
  EXPECT_FALSE(window.Parent().IsValid());
  EXPECT_FALSE(window.NextSibling().IsValid());
  EXPECT_TRUE(layout.HasChildren());
  EXPECT_FALSE(layout.FirstChild().HasChildren());
  EXPECT_EQ(std::wstring(layout.FirstChild().NextSibling().Parent().Name()), L"VerticalLayout");
  EXPECT_EQ(std::wstring(layout.Parent().Name()), L"Window");
}

TEST(MarkupParser, ElementTextRunsToTheNextTag) {
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromString(L"<a>hello<b/><c>x<!-- note --><d>inner</d></c></a>"));
  const CSkinMarkupNode a = doc.Root();
  const CSkinMarkupNode b = a.FirstChild();
  const CSkinMarkupNode c = b.NextSibling();
  EXPECT_EQ(std::wstring(a.Text()), L"hello");
  EXPECT_EQ(std::wstring(b.Text()), L"");
  EXPECT_EQ(std::wstring(c.Text()), L"x");
  EXPECT_EQ(std::wstring(c.FirstChild().Name()), L"d");
  EXPECT_EQ(std::wstring(c.FirstChild().Text()), L"inner");
}

TEST(MarkupParser, EndsLenientlyAtTheOutermostLevel) {
  struct Case {
    const wchar_t* markup;
    const wchar_t* outline;  // "" when there is no root
  };
  const Case cases[] = {
      {L"", L""},
      {L" \r\n\t ", L""},
      {L"<a>unclosed text", L"a\n"},
      {L"<a/></b>", L"a\n"},
      {L"<a/><b/>", L"a\nb\n"},
      {L"<!-- never closed", L""},
      {L"<a/><?pi never closed", L"a\n"},
      {L"<!-- x --><?pi?><a/>", L"a\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.markup);
    CSkinMarkup doc;
    EXPECT_TRUE(doc.LoadFromString(c.markup)) << doc.ErrorMessage().c_str();
    EXPECT_EQ(MarkupOutline(doc.Root()), c.outline);
  }
}

TEST(MarkupParser, DecodesTheFiveEntitiesInTextsAndValues) {
  struct Case {
    const wchar_t* written;
    const wchar_t* stored;
  };
  const Case cases[] = {
      {L"&amp;", L"&"},
      {L"&lt;&gt;&quot;&apos;", L"<>\"'"},
      {L"a &amp;lt; b", L"a &lt; b"},  // decoded once: the result is not read again
      {L"R&D", L"R&D"},
      {L"&copy;", L"&copy;"},
      {L"&amp", L"&amp"},
      {L"&&amp;&", L"&&&"},
      {L"x&", L"x&"},
      {L"&lt", L"&lt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    CSkinMarkup doc;
    const std::wstring markup = std::wstring(L"<a v=\"") + c.written + L"\">" + c.written + L"</a>";
    ASSERT_TRUE(doc.LoadFromString(markup.c_str())) << doc.ErrorMessage().c_str();
    EXPECT_EQ(std::wstring(doc.Root().AttributeValue(L"v")), c.stored);
    EXPECT_EQ(std::wstring(doc.Root().Text()), c.stored);
  }
}

TEST(MarkupParser, CollapsesWhiteSpaceOnlyWhenAskedTo) {
  struct Case {
    const wchar_t* written;
    const wchar_t* collapsed;
  };
  const Case cases[] = {
      {L"a  \t\r\n b", L"a b"},
      {L"a\t  b", L"a\t b"},  // only a blank starts a run that collapses
      {L"a b", L"a b"},
      {L"  ", L" "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    const std::wstring markup = std::wstring(L"<a v=\"") + c.written + L"\">" + c.written + L"</a>";
    CSkinMarkup kept;
    ASSERT_TRUE(kept.LoadFromString(markup.c_str()));
    EXPECT_EQ(std::wstring(kept.Root().AttributeValue(L"v")), c.written);
    EXPECT_EQ(std::wstring(kept.Root().Text()), c.written);

    CSkinMarkup collapsed;
    collapsed.SetPreserveWhitespace(false);
    ASSERT_TRUE(collapsed.LoadFromString(markup.c_str()));
    EXPECT_EQ(std::wstring(collapsed.Root().AttributeValue(L"v")), c.collapsed);
    EXPECT_EQ(std::wstring(collapsed.Root().Text()), c.collapsed);
  }
}

TEST(MarkupParser, SeesAtMost64AttributesOfAnElement) {
  std::wstring markup = L"<a";
  for (int i = 1; i <= 65; ++i) markup += L" n" + std::to_wstring(i) + L"=\"" + std::to_wstring(i) + L"\"";
  markup += L"><b c=\"d\"/></a>";
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromString(markup.c_str()));
  const CSkinMarkupNode a = doc.Root();
  EXPECT_EQ(a.AttributeCount(), 64u);
  EXPECT_EQ(std::wstring(a.AttributeName(63)), L"n64");
  EXPECT_EQ(std::wstring(a.AttributeValue(L"n64")), L"64");
  EXPECT_FALSE(a.HasAttribute(L"n65"));
  EXPECT_EQ(std::wstring(a.AttributeValue(64)), L"");
  // The next element's attributes are its own.
  EXPECT_EQ(a.FirstChild().AttributeCount(), 1u);
  EXPECT_EQ(std::wstring(a.FirstChild().AttributeValue(L"c")), L"d");
}

TEST(MarkupParser, AttributeNamesAreComparedExactly) {
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromString(L"<a Name=\"x\" =\"empty name\"/>"));
  EXPECT_FALSE(doc.Root().HasAttribute(L"name"));
  EXPECT_EQ(std::wstring(doc.Root().AttributeValue(L"Name")), L"x");
  EXPECT_EQ(std::wstring(doc.Root().AttributeValue(L"")), L"empty name");
}

TEST(MarkupParser, HandlesDeepNestingAndManySiblings) {
  constexpr int kDepth = 200000;
  std::wstring deep;
  for (int i = 0; i < kDepth; ++i) deep += L"<e>";
  for (int i = 0; i < kDepth; ++i) deep += L"</e>";
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromString(deep.c_str()));
  int depth = 0;
  for (CSkinMarkupNode n = doc.Root(); n.IsValid(); n = n.FirstChild()) ++depth;
  EXPECT_EQ(depth, kDepth);

  constexpr int kSiblings = 5000;  // several growths of the element array
  std::wstring wide = L"<list>";
  for (int i = 0; i < kSiblings; ++i) wide += L"<item i=\"" + std::to_wstring(i) + L"\"/>";
  wide += L"</list>";
  ASSERT_TRUE(doc.LoadFromString(wide.c_str()));
  int index = 0;
  for (CSkinMarkupNode n = doc.Root().FirstChild(); n.IsValid(); n = n.NextSibling(), ++index) {
    ASSERT_EQ(std::wstring(n.AttributeValue(L"i")), std::to_wstring(index));
  }
  EXPECT_EQ(index, kSiblings);
}

TEST(MarkupParser, NodesOfAReplacedDocumentAnswerSafely) {
  CSkinMarkup doc;
  ASSERT_TRUE(doc.LoadFromString(L"<a><b><c/></b></a>"));
  const CSkinMarkupNode c = doc.Root().FirstChild().FirstChild();
  ASSERT_TRUE(doc.LoadFromString(L"<x/>"));
  EXPECT_FALSE(c.IsValid());
  EXPECT_EQ(std::wstring(c.Name()), L"");
  EXPECT_EQ(c.AttributeCount(), 0u);
}

}  // namespace
