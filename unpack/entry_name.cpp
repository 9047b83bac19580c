#include "unpack/entry_name.h"

#include <algorithm>
#include <array>

namespace unpack {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsForbiddenCharacter(char16_t c) {
  if (c < 0x20) return true;
  switch (c) {
    case u'<': case u'>': case u'"': case u'|': case u'?': case u'*': case u':':
      return true;
    default:
      return false;
  }
}

char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Windows opens a device for these names whatever extension follows them.
bool IsDeviceName(const WideName& component) {
  WideName base = component.substr(0, component.find(u'.'));
  while (!base.empty() && base.back() == u' ') base.pop_back();
  std::transform(base.begin(), base.end(), base.begin(), AsciiUpper);
  static const std::array<std::u16string_view, 6> kPlain = {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
  if (std::find(kPlain.begin(), kPlain.end(), base) != kPlain.end()) return true;
  const bool numbered = base.size() == 4 && (base.compare(0, 3, u"COM") == 0 || base.compare(0, 3, u"LPT") == 0);
  return numbered && base[3] >= u'1' && base[3] <= u'9';
}

// "..", "...", ". ." and the like: Windows trims trailing dots and blanks, so
// these may name the parent or the folder itself.
bool IsOnlyDotsAndBlanks(const WideName& component) {
  return std::all_of(component.begin(), component.end(), [](char16_t c) { return c == u'.' || c == u' '; });
}

}  // namespace

WideName DecodeUtf8(std::string_view bytes) {
  WideName out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t code = length == 1 ? lead : (lead & (0x7F >> length));
    bool valid = true;
    for (int k = 1; k < length && valid; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed too.
    const char32_t minimum = length == 1 ? 0 : length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (!valid || code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += static_cast<std::size_t>(length);
  }
  return out;
}

WideName CleanEntryName(WideName name) {
  static const std::array<std::u16string_view, 4> kParentSteps = {u"\\..\\", u"\\../", u"/../", u"/..\\"};
  for (;;) {
    if (name.size() >= 2 && name[1] == u':') {
      name.erase(0, 2);
      continue;
    }
    if (!name.empty() && IsSeparator(name[0])) {
      name.erase(0, 1);
      continue;
    }
    bool cut = false;
    for (std::u16string_view step : kParentSteps) {
      const std::size_t at = name.find(step);
      if (at != WideName::npos) {
        name.erase(0, at + step.size());
        cut = true;
        break;
      }
    }
    if (!cut) return name;
  }
}

std::optional<std::vector<WideName>> SafeComponents(const WideName& cleaned) {
  std::vector<WideName> components;
  std::size_t start = 0;
  while (start <= cleaned.size()) {
    std::size_t end = start;
    while (end < cleaned.size() && !IsSeparator(cleaned[end])) ++end;
    WideName component = cleaned.substr(start, end - start);
    start = end + 1;
    if (component.empty() || component == u".") continue;
    if (IsOnlyDotsAndBlanks(component) || IsDeviceName(component)) return std::nullopt;
    if (std::any_of(component.begin(), component.end(), IsForbiddenCharacter)) return std::nullopt;
    components.push_back(std::move(component));
  }
  return components;
}

}  // namespace unpack
