// The in-place parser behind CSkinMarkup::Parse. It writes string terminators
// into the document's text and decodes entities where they stand; a
// terminator is only ever written over a character that has been consumed.
// Nesting is tracked with an explicit stack, so deep documents cannot exhaust
// the thread's stack.

#include <cstdint>

#include "skin/markup/skin_markup.h"

class MarkupParser {
 public:
  explicit MarkupParser(CSkinMarkup& doc) : doc_(doc), base_(doc.text_.data()), p_(base_) {}

  bool Run();

 private:
  struct Level {
    std::size_t parent;
    std::size_t lastChild;
  };
  enum class TagEnd { Empty, Open, Failed };

  static bool IsWhite(wchar_t c) {
    const auto code = static_cast<std::uint32_t>(c);
    return code != 0 && code <= 32;
  }
  // Letters, digits, "_" and ":"; every code unit beyond ASCII counts as a
  // letter so that names behave alike on every system.
  static bool IsNameChar(wchar_t c) {
    const auto code = static_cast<std::uint32_t>(c);
    return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') ||
           code == '_' || code == ':' || code >= 0x80;
  }

  std::size_t Index(const wchar_t* p) const { return static_cast<std::size_t>(p - base_); }
  void SkipWhite() {
    while (IsWhite(*p_)) ++p_;
  }
  void SkipPast(const wchar_t* marker);
  bool Fail(const wchar_t* message);

  std::size_t AppendElement(Level& level);
  TagEnd ParseTag(std::size_t element);
  bool ParseAttribute(std::size_t element);
  wchar_t* DecodeUntil(wchar_t stop);
  bool CloseElement(std::size_t element);

  CSkinMarkup& doc_;
  wchar_t* const base_;
  wchar_t* p_;
};

bool MarkupParser::Run() {
  std::vector<Level> levels{{0, 0}};
  bool tagOpenConsumed = false;  // the "<" before p_ was already taken (and maybe overwritten)
  for (;;) {
    const bool outermost = levels.size() == 1;
    if (!tagOpenConsumed) {
      SkipWhite();
      if (*p_ == 0) return outermost || Fail(L"Expected start tag");
      if (*p_ != L'<') return Fail(L"Expected start tag");
      ++p_;
    }
    tagOpenConsumed = false;

    if (*p_ == L'/') {  // "</" ends the current level
      if (outermost) return true;
      ++p_;
      if (!CloseElement(levels.back().parent)) return false;
      levels.pop_back();
      continue;
    }
    if (*p_ == L'!') {
      SkipPast(L"->");
      continue;
    }
    if (*p_ == L'?') {
      SkipPast(L"?>");
      continue;
    }

    const std::size_t element = AppendElement(levels.back());
    const TagEnd tagEnd = ParseTag(element);
    if (tagEnd == TagEnd::Failed) return false;
    if (tagEnd == TagEnd::Empty) continue;

    wchar_t* const text = p_;
    wchar_t* const textEnd = DecodeUntil(L'<');
    doc_.elements_[element].text = Index(text);
    if (*p_ == 0) {
      *textEnd = 0;
      return outermost || Fail(L"Expected end-tag start");
    }
    const bool closing = p_[1] == L'/';
    *textEnd = 0;  // may overwrite the "<" examined above
    ++p_;
    if (closing) {
      ++p_;
      if (!CloseElement(element)) return false;
      continue;
    }
    levels.push_back({element, 0});
    tagOpenConsumed = true;
  }
}

void MarkupParser::SkipPast(const wchar_t* marker) {
  // An unterminated declaration or comment runs to the end of the text.
  for (; *p_; ++p_) {
    if (p_[0] == marker[0] && p_[1] == marker[1]) {
      p_ += 2;
      return;
    }
  }
}

bool MarkupParser::Fail(const wchar_t* message) {
  doc_.SetError(message, p_);
  return false;
}

std::size_t MarkupParser::AppendElement(Level& level) {
  auto& elements = doc_.elements_;
  if (elements.size() == elements.capacity()) {
    elements.reserve(elements.capacity() + elements.capacity() / 2 + 500);
  }
  const std::size_t none = doc_.text_.size() - 1;  // the final terminator: an empty text
  const std::size_t index = elements.size();
  elements.push_back({none, 0, 0, level.parent, none, doc_.attributes_.size(), 0});
  if (level.lastChild == 0) {
    elements[level.parent].firstChild = index;
  } else {
    elements[level.lastChild].nextSibling = index;
  }
  level.lastChild = index;
  return index;
}

MarkupParser::TagEnd MarkupParser::ParseTag(std::size_t element) {
  wchar_t* const name = p_;
  while (IsNameChar(*p_)) ++p_;
  if (p_ == name) {
    Fail(L"Error parsing element name");
    return TagEnd::Failed;
  }
  wchar_t* const nameEnd = p_;
  doc_.elements_[element].name = Index(name);

  for (;;) {
    SkipWhite();
    if (*p_ == L'>' || *p_ == L'/') break;
    if (!ParseAttribute(element)) return TagEnd::Failed;
  }
  if (*p_ == L'/') {
    if (p_[1] != L'>') {
      Fail(L"Expected start-tag closing");
      return TagEnd::Failed;
    }
    p_ += 2;
    *nameEnd = 0;
    return TagEnd::Empty;
  }
  ++p_;
  *nameEnd = 0;
  return TagEnd::Open;
}

bool MarkupParser::ParseAttribute(std::size_t element) {
  wchar_t* const name = p_;
  while (IsNameChar(*p_)) ++p_;
  wchar_t* const nameEnd = p_;
  SkipWhite();
  if (*p_ != L'=') return Fail(L"Error while parsing attributes");
  ++p_;
  SkipWhite();
  if (*p_ != L'"') return Fail(L"Expected attribute value");
  ++p_;
  wchar_t* const value = p_;
  wchar_t* const valueEnd = DecodeUntil(L'"');
  if (*p_ != L'"') return Fail(L"Error while parsing attribute string");
  ++p_;
  *nameEnd = 0;
  *valueEnd = 0;
  doc_.attributes_.push_back({Index(name), Index(value)});
  ++doc_.elements_[element].attributeCount;
  return true;
}

wchar_t* MarkupParser::DecodeUntil(wchar_t stop) {
  static constexpr struct {
    const wchar_t* name;  // what follows the ampersand
    wchar_t character;
  } kEntities[] = {{L"amp;", L'&'}, {L"lt;", L'<'}, {L"gt;", L'>'}, {L"quot;", L'"'}, {L"apos;", L'\''}};

  wchar_t* out = p_;  // never passes p_: decoding only shrinks the text
  while (*p_ != 0 && *p_ != stop) {
    if (*p_ == L'&') {
      bool decoded = false;
      for (const auto& entity : kEntities) {
        std::size_t n = 0;
        while (entity.name[n] != 0 && p_[1 + n] == entity.name[n]) ++n;
        if (entity.name[n] == 0) {
          *out++ = entity.character;
          p_ += 1 + n;
          decoded = true;
          break;
        }
      }
      if (decoded) continue;
    } else if (*p_ == L' ' && !doc_.preserveWhitespace_) {
      *out++ = *p_++;
      SkipWhite();
      continue;
    }
    *out++ = *p_++;
  }
  return out;
}

bool MarkupParser::CloseElement(std::size_t element) {
  SkipWhite();
  const wchar_t* name = base_ + doc_.elements_[element].name;
  while (*name != 0 && *p_ == *name) {
    ++p_;
    ++name;
  }
  if (*name != 0) return Fail(L"Unmatched closing tag");
  SkipWhite();
  if (*p_ != L'>') return Fail(L"Unmatched closing tag");
  ++p_;
  return true;
}

bool CSkinMarkup::Parse() {
  elements_.clear();
  attributes_.clear();
  const std::size_t none = text_.size() - 1;
  elements_.reserve(500);
  elements_.push_back({none, 0, 0, 0, none, 0, 0});  // the synthetic root
  if (MarkupParser(*this).Run()) return true;
  Release();
  return false;
}
