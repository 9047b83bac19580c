#include "skin/toolkit/image_description.h"

#include <algorithm>
#include <cwchar>

#include "skin/toolkit/skin_values.h"

namespace skin {
namespace {

void ApplyKey(ImageDescription& description, const std::wstring& key, const std::wstring& value) {
  const wchar_t* v = value.c_str();
  if (key == L"file" || key == L"res") {
    description.file = value;
  } else if (key == L"restype") {
    description.resourceType = value;
  } else if (key == L"dest") {
    description.dest = ParseRect(v);
  } else if (key == L"source") {
    description.source = ParseRect(v);
  } else if (key == L"corner") {
    description.corner = ParseRect(v);
  } else if (key == L"mask") {
    description.mask = ParseColour(v);
  } else if (key == L"fade") {
    description.fade = static_cast<std::uint8_t>(std::clamp(ParseNumber(v), 0, 255));
  } else if (key == L"hole") {
    description.hole = ParseFlag(v);
  } else if (key == L"xtiled") {
    description.xtiled = ParseFlag(v);
  } else if (key == L"ytiled") {
    description.ytiled = ParseFlag(v);
  }
}

// Tiles `length` units starting at `at` with tiles of `tile` units: each
// piece as (offset into the target, length); the last one cut short.
std::vector<std::pair<int, int>> Tiles(int at, int length, int tile) {
  std::vector<std::pair<int, int>> out;
  if (tile <= 0) return out;
  for (int offset = 0; offset < length; offset += tile) out.emplace_back(at + offset, std::min(tile, length - offset));
  return out;
}

}  // namespace

ImageDescription ParseImageDescription(const wchar_t* text) {
  ImageDescription description;
  if (text == nullptr) return description;
  if (std::wcschr(text, L'=') == nullptr) {
    description.file = text;
    return description;
  }
  const wchar_t* p = text;
  for (;;) {
    while (*p == L' ') ++p;
    const wchar_t* keyStart = p;
    while (*p != L'\0' && *p != L'=' && *p != L' ') ++p;
    if (*p != L'=' || p == keyStart) break;
    const std::wstring key(keyStart, p);
    ++p;
    if (*p != L'\'') break;
    const wchar_t* valueStart = ++p;
    while (*p != L'\0' && *p != L'\'') ++p;
    if (*p != L'\'') break;  // unterminated value
    ApplyKey(description, key, std::wstring(valueStart, p));
    ++p;
  }
  return description;
}

std::vector<ImagePiece> PlanImagePieces(const Rect& dest, const Rect& source, const ImageDescription& description) {
  std::vector<ImagePiece> pieces;
  // Corners are image pixels drawn unscaled: none can be wider than the
  // image part or the target, or negative.
  const int maxX = std::max(0, std::min(dest.Width(), source.Width()));
  const int maxY = std::max(0, std::min(dest.Height(), source.Height()));
  const Rect c{std::clamp(description.corner.left, 0, maxX), std::clamp(description.corner.top, 0, maxY),
               std::clamp(description.corner.right, 0, maxX - std::clamp(description.corner.left, 0, maxX)),
               std::clamp(description.corner.bottom, 0, maxY - std::clamp(description.corner.top, 0, maxY))};
  const Rect midDest{dest.left + c.left, dest.top + c.top, dest.right - c.right, dest.bottom - c.bottom};
  const Rect midSource{source.left + c.left, source.top + c.top, source.right - c.right, source.bottom - c.bottom};
  auto add = [&pieces](const Rect& d, const Rect& s) {
    if (!d.IsEmpty() && !s.IsEmpty()) pieces.push_back({d, s});
  };

  if (!description.hole) {
    if (!description.xtiled && !description.ytiled) {
      add(midDest, midSource);
    } else {
      // A tiled axis repeats the source unscaled; the other one stretches.
      const auto columns = description.xtiled ? Tiles(midDest.left, midDest.Width(), midSource.Width())
                                       : std::vector<std::pair<int, int>>{{midDest.left, midDest.Width()}};
      const auto rows = description.ytiled ? Tiles(midDest.top, midDest.Height(), midSource.Height())
                                    : std::vector<std::pair<int, int>>{{midDest.top, midDest.Height()}};
      for (const auto& [y, h] : rows) {
        for (const auto& [x, w] : columns) {
          const int sw = description.xtiled ? w : midSource.Width();
          const int sh = description.ytiled ? h : midSource.Height();
          add({x, y, x + w, y + h}, {midSource.left, midSource.top, midSource.left + sw, midSource.top + sh});
        }
      }
    }
  }
  if (c.left == 0 && c.top == 0 && c.right == 0 && c.bottom == 0) return pieces;

  // Edges: top, bottom, left, right (stretched along their length).
  add({midDest.left, dest.top, midDest.right, midDest.top}, {midSource.left, source.top, midSource.right, midSource.top});
  add({midDest.left, midDest.bottom, midDest.right, dest.bottom},
      {midSource.left, midSource.bottom, midSource.right, source.bottom});
  add({dest.left, midDest.top, midDest.left, midDest.bottom}, {source.left, midSource.top, midSource.left, midSource.bottom});
  add({midDest.right, midDest.top, dest.right, midDest.bottom},
      {midSource.right, midSource.top, source.right, midSource.bottom});
  // Corners, unscaled.
  add({dest.left, dest.top, midDest.left, midDest.top}, {source.left, source.top, midSource.left, midSource.top});
  add({midDest.right, dest.top, dest.right, midDest.top}, {midSource.right, source.top, source.right, midSource.top});
  add({dest.left, midDest.bottom, midDest.left, dest.bottom}, {source.left, midSource.bottom, midSource.left, source.bottom});
  add({midDest.right, midDest.bottom, dest.right, dest.bottom},
      {midSource.right, midSource.bottom, source.right, source.bottom});
  return pieces;
}

}  // namespace skin
