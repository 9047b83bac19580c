#include "log/outputdebug_stream.h"

#include <string>

#include "platform/system_services.h"

namespace qlog {

OutputDebugStringBuf::OutputDebugStringBuf(EmitFunction emit) : emit_(emit ? emit : platform::EmitDebugText) {
  setp(area_, area_ + kAreaSize);
}

OutputDebugStringBuf::int_type OutputDebugStringBuf::overflow(int_type ch) {
  if (sync() != 0) return traits_type::eof();
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  *pptr() = traits_type::to_char_type(ch);
  pbump(1);
  return ch;
}

int OutputDebugStringBuf::sync() {
  try {
    const std::string piece(pbase(), pptr());
    if (!piece.empty()) emit_(piece);
  } catch (...) {
    return -1;
  }
  setp(area_, area_ + kAreaSize);
  return 0;
}

}  // namespace qlog
