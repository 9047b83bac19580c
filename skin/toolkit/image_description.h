#pragma once
// The image attribute syntax: a plain file name, or key='value' pairs
// naming the file and how to draw it; and the pieces a drawing is made of.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/toolkit/skin_geometry.h"

namespace skin {

struct ImageDescription {
  std::wstring file;
  std::wstring resourceType;      // with `res`: read the image from this resource type
  std::optional<Rect> dest;       // offsets from the control's top-left corner
  std::optional<Rect> source;     // part of the image
  Rect corner{};                  // borders drawn unscaled
  std::uint32_t mask = 0;         // pixels of this value become transparent
  std::uint8_t fade = 255;        // constant opacity
  bool hole = false;              // leave the centre out (with corners)
  bool xtiled = false;
  bool ytiled = false;
};

// Parses an image attribute value. A value without "=" is the file name
// itself. Pairs are separated by blanks; a pair that breaks the syntax ends
// the parsing, keeping what was read before it. Unknown keys are ignored.
ImageDescription ParseImageDescription(const wchar_t* text);

// One blit of a drawing: a part of the image to a part of the target.
struct ImagePiece {
  Rect dest;
  Rect source;
};

// Splits the drawing of `source` over `dest` into pieces: the corners
// unscaled, the edges stretched along their length, the centre stretched or
// tiled (and left out with `hole`).
std::vector<ImagePiece> PlanImagePieces(const Rect& dest, const Rect& source, const ImageDescription& description);

}  // namespace skin
