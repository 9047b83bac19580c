#include "viewer_options.h"

#include "skin/toolkit/skin_values.h"

namespace {

// "NAME<separator>REST"; false when the separator is missing or NAME empty.
bool SplitAt(const std::wstring& text, wchar_t separator, std::wstring& head, std::wstring& tail) {
  const std::size_t at = text.find(separator);
  if (at == std::wstring::npos || at == 0) return false;
  head = text.substr(0, at);
  tail = text.substr(at + 1);
  return true;
}

}  // namespace

bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg.rfind(L"--", 0) != 0) {
      if (!options.skin.empty()) {
        error = L"more than one skin: " + arg;
        return false;
      }
      options.skin = arg;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = L"missing value after " + arg;
      return false;
    }
    const std::wstring& value = args[++i];
    if (arg == L"--folder") {
      options.folder = value;
    } else if (arg == L"--title") {
      options.title = value;
    } else if (arg == L"--pos") {
      const skin::Size at = skin::ParseSize(value.c_str());
      options.position = skin::Point{at.cx, at.cy};
    } else if (arg == L"--attr") {
      ViewerAttribute attribute;
      std::wstring assignment;
      if (!SplitAt(value, L':', attribute.control, assignment) ||
          !SplitAt(assignment, L'=', attribute.name, attribute.value)) {
        error = L"--attr wants NAME:ATTRIBUTE=VALUE, not " + value;
        return false;
      }
      options.attributes.push_back(attribute);
    } else if (arg == L"--close-on") {
      ViewerCloseRule rule;
      std::wstring code;
      if (!SplitAt(value, L'=', rule.control, code)) {
        error = L"--close-on wants NAME=CODE, not " + value;
        return false;
      }
      rule.code = static_cast<unsigned>(skin::ParseNumber(code.c_str()));
      options.closeRules.push_back(rule);
    } else if (arg == L"--check-glyphs") {
      options.glyphChecks.push_back(value);
    } else {
      error = L"unknown option " + arg;
      return false;
    }
  }
  if (options.skin.empty()) {
    error = L"no skin given";
    return false;
  }
  return true;
}
