// Writes log records through a program's root logger, for tests that read
// them back from the debugger output (and the standard error stream).
//   log_probe.exe record LEVEL TOTAL            one record of TOTAL characters,
//                                               header and final line feed included
//   log_probe.exe threads THREADS RECORDS TOTAL each thread writes RECORDS records
//                                               of one letter of its own
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "log/log_message.h"

namespace {

constexpr int kUsageError = 2;

// The record's length so far (its header, once constructed).
std::size_t RecordLength(n_log::CustomLogMessage& record) {
  return static_cast<qlog::helpers::fixed_streambuf*>(record.stream().rdbuf())->size();
}

void WriteRecord(std::uint32_t level, std::size_t total, char fill) {
  n_log::CustomLogMessage record(__FILE__, __LINE__, level, qlog::RootLogger(), "WriteRecord");
  const std::size_t header = RecordLength(record);
  const std::size_t text = total > header + 1 ? total - header - 1 : 0;
  if (fill != 0) {
    record.stream() << std::string(text, fill);
    return;
  }
  // Digits that count on, so a lost or doubled piece shows.
  std::string digits;
  digits.reserve(text);
  for (std::size_t i = 0; i < text; ++i) digits += static_cast<char>('0' + i % 10);
  record.stream() << digits;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 4 && std::strcmp(argv[1], "record") == 0) {
      WriteRecord(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)), std::strtoul(argv[3], nullptr, 10), 0);
      return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "threads") == 0) {
      const unsigned threads = std::strtoul(argv[2], nullptr, 10);
      const unsigned records = std::strtoul(argv[3], nullptr, 10);
      const std::size_t total = std::strtoul(argv[4], nullptr, 10);
      std::vector<std::thread> writers;
      for (unsigned t = 0; t < threads; ++t) {
        writers.emplace_back([=] {
          for (unsigned r = 0; r < records; ++r) WriteRecord(qlog::kInfo, total, static_cast<char>('a' + t % 26));
        });
      }
      for (std::thread& writer : writers) writer.join();
      return 0;
    }
  } catch (...) {
    return 1;
  }
  return kUsageError;
}
