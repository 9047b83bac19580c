#pragma once
// Decimal numbers in response heads.

#include <cstdint>
#include <string_view>

// Reads like the C library's string-to-integer conversions: leading white
// space, an optional sign, then digits up to the first other character.
// Text without leading digits, and a number beyond 64 bits, read as 0.
std::int64_t ReadDecimal(std::string_view text);
