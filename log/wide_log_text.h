#pragma once
#include <string>

namespace qlog {

// Wide text as it goes into a launcher record: code page 936 (simplified
// Chinese), '?' for characters that code page lacks.
std::string WideToLogText(const std::wstring& text);

}  // namespace qlog
