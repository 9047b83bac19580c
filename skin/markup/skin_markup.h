#pragma once
// The skin markup document: XML text parsed in place into a tree of elements.

#include <cstddef>
#include <string>
#include <vector>

#include "skin/markup/skin_source.h"

// How the bytes handed to the document are encoded.
enum class MarkupEncoding {
  Utf8 = 0,   // a leading EF BB BF is dropped
  Utf16 = 1,  // must start with the byte-order mark FF FE or FE FF
  Ansi = 2,   // the system's ANSI code page
};

class CSkinMarkup;

// One element of a document. A light view: valid while its document lives and
// is not loaded again. Texts are UTF-16 code units, zero-terminated, and never
// null (an invalid node answers "").
class CSkinMarkupNode {
 public:
  // Attributes past this many on one element are not seen.
  static constexpr std::size_t kMaxAttributes = 64;

  CSkinMarkupNode() = default;

  bool IsValid() const;
  CSkinMarkupNode Parent() const;
  CSkinMarkupNode FirstChild() const;
  CSkinMarkupNode NextSibling() const;
  bool HasChildren() const;

  const wchar_t* Name() const;
  const wchar_t* Text() const;

  // Attributes in document order.
  std::size_t AttributeCount() const;
  const wchar_t* AttributeName(std::size_t index) const;
  const wchar_t* AttributeValue(std::size_t index) const;
  // By name, compared exactly; "" when absent.
  bool HasAttribute(const wchar_t* name) const;
  const wchar_t* AttributeValue(const wchar_t* name) const;

 private:
  friend class CSkinMarkup;
  CSkinMarkupNode(const CSkinMarkup* doc, std::size_t element) : doc_(doc), element_(element) {}

  const CSkinMarkup* doc_ = nullptr;
  std::size_t element_ = 0;
};

class CSkinMarkup {
 public:
  CSkinMarkup();
  ~CSkinMarkup();
  CSkinMarkup(const CSkinMarkup&) = delete;
  CSkinMarkup& operator=(const CSkinMarkup&) = delete;

  // Each load replaces the previous document. False on any failure, with
  // ErrorMessage() naming the cause and Root() invalid.
  bool LoadFromString(const wchar_t* text);
  bool LoadFromMemory(const void* bytes, std::size_t length, MarkupEncoding encoding = MarkupEncoding::Utf8);
  bool LoadFromFile(const std::wstring& name, MarkupEncoding encoding = MarkupEncoding::Utf8,
                    const CSkinSource& source = CSkinSource::Process());
  void Release();

  // The first top-level element; invalid when there is none.
  CSkinMarkupNode Root() const;

  // With preservation off, a blank followed by more white space is stored as
  // one blank. On by default.
  void SetPreserveWhitespace(bool preserve) { preserveWhitespace_ = preserve; }

  // Set by a failed load: the cause (at most 99 characters) and the first 49
  // characters of the text where parsing stopped.
  const std::wstring& ErrorMessage() const { return errorMessage_; }
  const std::wstring& ErrorLocation() const { return errorLocation_; }

 private:
  friend class CSkinMarkupNode;
  friend class MarkupParser;

  struct Element {
    std::size_t name;
    std::size_t firstChild;
    std::size_t nextSibling;
    std::size_t parent;
    std::size_t text;
    std::size_t firstAttribute;
    std::size_t attributeCount;
  };
  struct Attribute {
    std::size_t name;
    std::size_t value;
  };

  bool Parse();
  void SetError(const wchar_t* message, const wchar_t* location);

  std::vector<wchar_t> text_;  // the document, edited in place, zero-terminated
  std::vector<Element> elements_;
  std::vector<Attribute> attributes_;
  std::wstring errorMessage_;
  std::wstring errorLocation_;
  bool preserveWhitespace_ = true;
};
