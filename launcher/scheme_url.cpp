#include "launcher/scheme_url.h"

namespace launcher {

std::optional<std::wstring> SchemeRemainder(std::wstring_view commandLine) {
  const std::size_t at = commandLine.find(kSchemePrefix);
  if (at == std::wstring_view::npos) return std::nullopt;
  return std::wstring(commandLine.substr(at + kSchemePrefix.size()));
}

std::wstring ClientParameters(std::wstring_view commandLine) {
  auto remainder = SchemeRemainder(commandLine);
  return remainder ? std::move(*remainder) : std::wstring(commandLine);
}

}  // namespace launcher
