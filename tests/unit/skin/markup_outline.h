#pragma once
// Renders an element tree as indented lines: "Name a="1" b="2"", two blanks
// deeper per level. Texts are left out.

#include <string>

#include "skin/markup/skin_markup.h"

inline std::wstring MarkupOutline(CSkinMarkupNode node, int depth = 0) {
  std::wstring out;
  for (; node.IsValid(); node = node.NextSibling()) {
    out.append(static_cast<std::size_t>(depth) * 2, L' ');
    out += node.Name();
    for (std::size_t i = 0; i < node.AttributeCount(); ++i) {
      out += L' ';
      out += node.AttributeName(i);
      out += L"=\"";
      out += node.AttributeValue(i);
      out += L'"';
    }
    out += L'\n';
    out += MarkupOutline(node.FirstChild(), depth + 1);
  }
  return out;
}
