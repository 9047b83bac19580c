#pragma once
// The test program's root logger: keeps every record it is given.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "log/qe_logger.h"

struct RecordedLog {
  std::string fileName;
  std::uint32_t line;
  std::uint32_t level;
  std::string text;  // header, text and final line feed
};

class RecordingRootLogger : public qlog::QeLogger {
 public:
  RecordingRootLogger() : QeLogger("LOM", Sinks::Debugger) {}
  bool deliver(qlog::LogData& record) override;
  std::vector<RecordedLog> TakeRecords();

 private:
  std::mutex lock_;
  std::vector<RecordedLog> records_;
};

RecordingRootLogger& TestRootLogger();
