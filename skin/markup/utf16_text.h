#pragma once
// UTF-8 <-> UTF-16 for the skin markup. Wide strings hold UTF-16 code units
// in every build (wchar_t is wider than that off Windows, and unused bits stay 0).

#include <cstddef>
#include <string>
#include <vector>

// Appends the UTF-16 form of UTF-8 bytes; each byte of an invalid sequence
// becomes U+FFFD.
void AppendUtf8AsUtf16(const unsigned char* bytes, std::size_t length, std::vector<wchar_t>& out);

// UTF-8 form of UTF-16 units; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::wstring& text);
