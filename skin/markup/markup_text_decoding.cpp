#include "skin/markup/markup_text_decoding.h"

#include "platform/ansi_code_page.h"
#include "skin/markup/utf16_text.h"

namespace {

void DecodeUtf8(const unsigned char* bytes, std::size_t length, std::vector<wchar_t>& text) {
  if (length >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    bytes += 3;
    length -= 3;
  }
  text.reserve(length + 1);
  AppendUtf8AsUtf16(bytes, length, text);
}

bool DecodeUtf16(const unsigned char* bytes, std::size_t length, std::vector<wchar_t>& text) {
  if (length < 2) return false;
  const bool littleEndian = bytes[0] == 0xFF && bytes[1] == 0xFE;
  const bool bigEndian = bytes[0] == 0xFE && bytes[1] == 0xFF;
  if (!littleEndian && !bigEndian) return false;
  const std::size_t units = (length - 2) / 2;  // a trailing odd byte is dropped
  text.reserve(units + 1);
  for (std::size_t i = 0; i < units; ++i) {
    const unsigned char first = bytes[2 + 2 * i];
    const unsigned char second = bytes[3 + 2 * i];
    text.push_back(static_cast<wchar_t>(littleEndian ? first | second << 8 : first << 8 | second));
  }
  return true;
}

}  // namespace

bool DecodeMarkupText(const unsigned char* bytes, std::size_t length, MarkupEncoding encoding,
                      std::vector<wchar_t>& text) {
  text.clear();
  switch (encoding) {
    case MarkupEncoding::Utf8:
      DecodeUtf8(bytes, length, text);
      break;
    case MarkupEncoding::Utf16:
      if (!DecodeUtf16(bytes, length, text)) {
        text.clear();
        return false;
      }
      break;
    case MarkupEncoding::Ansi:
      text.reserve(length + 1);
      platform::AppendAnsiAsUtf16(reinterpret_cast<const char*>(bytes), length, text);
      break;
    default:
      return false;
  }
  text.push_back(0);
  return true;
}
