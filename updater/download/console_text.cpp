#include "updater/download/console_text.h"

#include <cstdio>

void WriteStdout(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}
