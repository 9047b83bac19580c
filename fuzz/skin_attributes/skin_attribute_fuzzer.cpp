// Attribute values of any text: the value parsers, the image syntax and the
// pieces of an image drawing must neither crash nor overflow.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/toolkit/image_description.h"
#include "skin/toolkit/progress_geometry.h"
#include "skin/toolkit/skin_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each byte one character, as ASCII-heavy values are what the syntaxes see.
  const std::wstring text(data, data + size);
  const wchar_t* value = text.c_str();

  const skin::Rect rect = skin::ParseRect(value);
  const skin::Size pair = skin::ParseSize(value);
  skin::ParseColour(value);
  skin::ParseFlag(value);
  skin::Contains(value, L"center");
  skin::EqualsIgnoringCase(value, L"Window");

  const skin::ProgressRange range = skin::NormalizedProgress({rect.left, rect.top, skin::ParseNumber(value)});
  skin::ProgressForeDestination(range, {pair.cx & 0xFFFF, pair.cy & 0xFFFF}, skin::ProgressDirection::Horizontal);
  skin::ProgressForeDestination(range, {pair.cx & 0xFFFF, pair.cy & 0xFFFF}, skin::ProgressDirection::Vertical);

  // A control at most 2000 pixels wide and an image of at most 256.
  const skin::ImageDescription description = skin::ParseImageDescription(value);
  const skin::Rect dest{0, 0, (rect.right & 0x7FF) % 2001, (rect.bottom & 0x7FF) % 2001};
  const skin::Rect source{0, 0, (pair.cx & 0xFF) + 1, (pair.cy & 0xFF) + 1};
  skin::PlanImagePieces(dest, source, description);
  return 0;
}
