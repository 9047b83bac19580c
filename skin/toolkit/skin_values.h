#pragma once
// The value syntaxes of skin attributes: colours, rectangles, sizes,
// numbers and flags, read from the UTF-16 text of the markup.

#include <cstdint>

#include "skin/toolkit/skin_geometry.h"

namespace skin {

// "#AARRGGBB": leading blanks and one "#" skipped, the rest read as a
// hexadecimal number (alpha in the top byte). Too many digits saturate.
std::uint32_t ParseColour(const wchar_t* text);

// Decimal integer as the C library reads one (blanks, sign, digits); text
// that is no number gives 0; out-of-range values saturate.
int ParseNumber(const wchar_t* text);

// "l,t,r,b": four integers, each separator one character of any kind.
// Missing numbers are 0; reading never runs past the end of the text.
Rect ParseRect(const wchar_t* text);

// "cx,cy".
Size ParseSize(const wchar_t* text);

// Control flags are true only for exactly "true".
bool ParseFlag(const wchar_t* text);

// ASCII letters compared without regard to case (tag and font attributes).
bool EqualsIgnoringCase(const wchar_t* a, const wchar_t* b);

// True when `word` occurs in `text` (the align attributes).
bool Contains(const wchar_t* text, const wchar_t* word);

// Red, green and blue of an ARGB colour in the order GDI's COLORREF takes
// them (0x00BBGGRR); alpha dropped.
std::uint32_t ToColorRef(std::uint32_t argb);

}  // namespace skin
