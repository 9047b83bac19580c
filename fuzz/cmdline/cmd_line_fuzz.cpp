// The updater's command line is untrusted: any text must give a job without
// crashing, and the parser must honour its own rules on every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "updater/app/CmdLineParser.h"
#include "updater/app/text_conversion.h"
#include "updater/app/zip_conf_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Pairs of bytes as UTF-16 code units, as the Windows entry receives them.
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const wchar_t unit = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    if (unit != 0) text += unit;
  }
  const CCmdLineParser parser(text.c_str());
  for (const auto& [key, value] : parser) {
    if (key.empty() || parser.GetValue(key) != value) std::abort();
    for (const wchar_t c : key) {
      if (c >= L'A' && c <= L'Z') std::abort();  // keys are stored folded
    }
  }
  const ZipConf conf = BuildZipConf(text.c_str(), L"D:\\Apps\\Client\\temp\\");
  if (conf.clientDic.wstring() != L"D:\\Apps\\") std::abort();
  QuotedPathText(conf.clientExePath);
  NarrowToWide(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
