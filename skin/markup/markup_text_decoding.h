#pragma once
// Turns the bytes of a skin file into the UTF-16 text the parser works on.

#include <cstddef>
#include <vector>

#include "skin/markup/skin_markup.h"

// Replaces text with the decoded bytes and a terminating zero. False (text
// left empty) for UTF-16 bytes that do not begin with a byte-order mark.
bool DecodeMarkupText(const unsigned char* bytes, std::size_t length, MarkupEncoding encoding,
                      std::vector<wchar_t>& text);
