#include "skin/toolkit/skin_values.h"

#include <climits>
#include <cwchar>

namespace skin {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// Reads one integer like strtol; `end` gets the first character after it
// (the start when there is none).
int ReadInteger(const wchar_t* text, const wchar_t** end) {
  const wchar_t* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == L'-' || *p == L'+') {
    negative = *p == L'-';
    ++p;
  }
  if (*p < L'0' || *p > L'9') {
    *end = text;
    return 0;
  }
  long long value = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - L'0');
  }
  *end = p;
  if (negative) return value > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// Integers separated by one character each; stops at the end of the text.
void ReadSeparatedIntegers(const wchar_t* text, int* values, int count) {
  const wchar_t* p = text;
  for (int i = 0; p != nullptr && i < count; ++i) {
    const wchar_t* end = nullptr;
    values[i] = ReadInteger(p, &end);
    if (*end == L'\0') break;
    p = end + 1;  // the separator, whatever it is
  }
}

wchar_t FoldCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

}  // namespace

std::uint32_t ParseColour(const wchar_t* text) {
  if (text == nullptr) return 0;
  const wchar_t* p = text;
  while (IsBlank(*p)) ++p;
  if (*p == L'#') ++p;
  std::uint64_t value = 0;
  for (int digit; (digit = HexDigit(*p)) >= 0; ++p) {
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFu) return 0xFFFFFFFFu;
  }
  return static_cast<std::uint32_t>(value);
}

int ParseNumber(const wchar_t* text) {
  if (text == nullptr) return 0;
  const wchar_t* end = nullptr;
  return ReadInteger(text, &end);
}

Rect ParseRect(const wchar_t* text) {
  int v[4] = {0, 0, 0, 0};
  ReadSeparatedIntegers(text, v, 4);
  return {v[0], v[1], v[2], v[3]};
}

Size ParseSize(const wchar_t* text) {
  int v[2] = {0, 0};
  ReadSeparatedIntegers(text, v, 2);
  return {v[0], v[1]};
}

bool ParseFlag(const wchar_t* text) { return text != nullptr && std::wcscmp(text, L"true") == 0; }

bool EqualsIgnoringCase(const wchar_t* a, const wchar_t* b) {
  if (a == nullptr || b == nullptr) return a == b;
  for (; *a != L'\0' && *b != L'\0'; ++a, ++b) {
    if (FoldCase(*a) != FoldCase(*b)) return false;
  }
  return *a == *b;
}

bool Contains(const wchar_t* text, const wchar_t* word) {
  return text != nullptr && word != nullptr && std::wcsstr(text, word) != nullptr;
}

std::uint32_t ToColorRef(std::uint32_t argb) {
  return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}

}  // namespace skin
