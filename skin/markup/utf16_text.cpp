#include "skin/markup/utf16_text.h"

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

void AppendCodePoint(char32_t cp, std::vector<wchar_t>& out) {
  if (cp < 0x10000) {
    out.push_back(static_cast<wchar_t>(cp));
    return;
  }
  cp -= 0x10000;
  out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
  out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
}

// Length of the sequence a lead byte opens and the smallest code point it may
// carry (anything below is an overlong form); 0 for a byte that opens none.
std::size_t SequenceLength(unsigned char lead, char32_t& minimum) {
  if (lead < 0x80) { minimum = 0; return 1; }
  if ((lead & 0xE0) == 0xC0) { minimum = 0x80; return 2; }
  if ((lead & 0xF0) == 0xE0) { minimum = 0x800; return 3; }
  if ((lead & 0xF8) == 0xF0) { minimum = 0x10000; return 4; }
  return 0;
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

void AppendUtf8AsUtf16(const unsigned char* bytes, std::size_t length, std::vector<wchar_t>& out) {
  std::size_t i = 0;
  while (i < length) {
    char32_t minimum = 0;
    const std::size_t n = SequenceLength(bytes[i], minimum);
    if (n == 0 || n > length - i) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t cp = n == 1 ? bytes[i] : bytes[i] & (0x7F >> n);
    std::size_t k = 1;
    for (; k < n && IsContinuation(bytes[i + k]); ++k) cp = (cp << 6) | (bytes[i + k] & 0x3F);
    const bool valid = k == n && cp >= minimum && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    AppendCodePoint(cp, out);
    i += n;
  }
}

std::string Utf16ToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = static_cast<char32_t>(text[i]);
    if (unit > 0xFFFF) {  // only where wchar_t is wider than 16 bits
      AppendUtf8(unit <= 0x10FFFF ? unit : 0xFFFD, out);
      continue;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size()) {
      const char32_t low = static_cast<char32_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
        ++i;
        continue;
      }
    }
    AppendUtf8(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit, out);
  }
  return out;
}
