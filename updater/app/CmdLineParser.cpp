#include "updater/app/CmdLineParser.h"

#include <string_view>
#include <utility>

namespace {

constexpr wchar_t kKeyIntroducer = L'-';
constexpr wchar_t kValueSeparator = L'=';
constexpr wchar_t kQuote = L'"';
constexpr wchar_t kBlank = L' ';  // a tab does not end a value

std::wstring FoldCase(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

}  // namespace

CCmdLineParser::CCmdLineParser(const wchar_t* commandLine) {
  if (commandLine != nullptr) Parse(commandLine);
}

void CCmdLineParser::Parse(const wchar_t* commandLine) {
  values.clear();
  if (commandLine == nullptr) return;
  const std::wstring_view text(commandLine);
  constexpr auto npos = std::wstring_view::npos;

  std::size_t cursor = 0;
  while (cursor < text.size()) {
    const std::size_t dash = text.find(kKeyIntroducer, cursor);
    if (dash == npos) return;
    const std::size_t keyStart = dash + 1;
    if (keyStart >= text.size()) return;

    const std::size_t separator = text.find(kValueSeparator, keyStart);
    if (separator == npos) {
      // No value anywhere after the key: the rest of the text is the key.
      Store(std::wstring(text.substr(keyStart)), {});
      return;
    }
    const std::wstring key(text.substr(keyStart, separator - keyStart));
    if (separator + 1 == text.size()) {
      Store(key, {});
      return;
    }

    std::size_t valueStart = separator + 1;
    std::size_t valueEnd;
    if (text[valueStart] == kQuote) {
      ++valueStart;
      valueEnd = text.find(kQuote, valueStart);
    } else {
      valueEnd = text.find(kBlank, valueStart);
    }
    if (valueEnd == npos) {
      // An unclosed quote or a value up to the end: it takes the rest.
      Store(key, std::wstring(text.substr(valueStart)));
      return;
    }
    Store(key, std::wstring(text.substr(valueStart, valueEnd - valueStart)));
    cursor = valueEnd + 1;
  }
}

CCmdLineParser::ValueMap::const_iterator CCmdLineParser::FindKey(const std::wstring& key) const {
  return values.find(FoldCase(key));
}

std::wstring CCmdLineParser::GetValue(const std::wstring& key) const {
  const auto found = FindKey(key);
  return found == values.end() ? std::wstring() : found->second;
}

void CCmdLineParser::Store(std::wstring key, std::wstring value) {
  if (key.empty()) return;
  values.emplace(FoldCase(std::move(key)), std::move(value));
}
