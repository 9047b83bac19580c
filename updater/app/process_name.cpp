#include "updater/app/process_name.h"

namespace {

constexpr unsigned kFirstNonAscii = 0x80;

unsigned UpperAscii(unsigned c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

}  // namespace

bool SameExeName(std::wstring_view exeFileName, std::string_view name) {
  if (exeFileName.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned nameByte = static_cast<unsigned char>(name[i]);
    if (nameByte >= kFirstNonAscii) return false;
    if (UpperAscii(static_cast<unsigned>(exeFileName[i])) != UpperAscii(nameByte)) return false;
  }
  return true;
}
