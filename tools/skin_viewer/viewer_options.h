#pragma once
// The skin viewer's command line:
//   skin_viewer SKIN [--folder DIR] [--title TEXT] [--pos X,Y]
//               [--attr NAME:ATTRIBUTE=VALUE]... [--close-on NAME=CODE]...
//               [--check-glyphs NAME]...
// SKIN is a skin file name, read from the program's skin archive, or from
// DIR as a plain file with --folder.

#include <optional>
#include <string>
#include <vector>

#include "skin/toolkit/skin_geometry.h"

struct ViewerAttribute {
  std::wstring control;
  std::wstring name;
  std::wstring value;
};

struct ViewerCloseRule {
  std::wstring control;
  unsigned code;
};

struct ViewerOptions {
  std::wstring skin;
  std::wstring folder;  // empty: the skin archive of the program
  std::wstring title = L"skin viewer";
  std::optional<skin::Point> position;  // none: centred
  std::vector<ViewerAttribute> attributes;
  std::vector<ViewerCloseRule> closeRules;
  std::vector<std::wstring> glyphChecks;
};

// Reads the arguments after the program name; false with `error` set when
// they do not fit the syntax above.
bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error);
