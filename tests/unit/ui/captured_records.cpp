#include "tests/unit/ui/captured_records.h"

#include <mutex>

#include "log/qe_logger.h"

namespace {

std::mutex recordsLock;
std::vector<captured_records::Record> records;

class CapturingLogger : public qlog::QeLogger {
 public:
  CapturingLogger() : QeLogger("TST", Sinks::Debugger) {}
  bool deliver(qlog::LogData& record) override {
    std::string text(record.text(), record.length());
    // The header ends with the first "] " after the time stamp.
    const auto headerEnd = text.find("] ");
    if (headerEnd != std::string::npos) text.erase(0, headerEnd + 2);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    std::lock_guard<std::mutex> guard(recordsLock);
    records.push_back({record.level, text});
    return true;
  }
};

}  // namespace

qlog::QeLogger& qlog::RootLogger() {
  static CapturingLogger logger;
  return logger;
}

namespace captured_records {

void Clear() {
  std::lock_guard<std::mutex> guard(recordsLock);
  records.clear();
}

std::vector<Record> Taken() {
  std::lock_guard<std::mutex> guard(recordsLock);
  return records;
}

}  // namespace captured_records
