#include "tests/unit/app/recording_root_logger.h"

#include <utility>

bool RecordingRootLogger::deliver(qlog::LogData& record) {
  const std::lock_guard<std::mutex> hold(lock_);
  records_.push_back({record.fileName, record.line, record.level, std::string(record.text(), record.length())});
  return true;
}

std::vector<RecordedLog> RecordingRootLogger::TakeRecords() {
  const std::lock_guard<std::mutex> hold(lock_);
  return std::exchange(records_, {});
}

RecordingRootLogger& TestRootLogger() {
  static RecordingRootLogger logger;
  return logger;
}

qlog::QeLogger& qlog::RootLogger() { return TestRootLogger(); }
