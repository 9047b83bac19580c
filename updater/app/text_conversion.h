#pragma once
// Narrow text (the user's default code page) to and from wide text, through the
// C library under the user's default LC_CTYPE; the switch of LC_CTYPE stays in
// force for the whole process after the first call.

#include <string>

std::wstring NarrowToWide(const std::string& text);
// A text the code page cannot hold whole gives an empty string, never a cut
// prefix: a shortened path could name another folder.
std::string WideToNarrow(const std::wstring& text);
