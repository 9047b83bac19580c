#include "log/qe_logger.h"

namespace qlog {

QeLogger::QeLogger(const char* tag, Sinks sinks) : tag_(tag) {
  dbg_ = std::make_unique<QeDbgLogger>();
  sinks_.emplace_back(dbg_.get());
  if (sinks == Sinks::DebuggerThenStdErr) {
    std_ = std::make_unique<QeStdLogger>();
    sinks_.emplace_back(std_.get());
  }
}

bool QeLogger::deliver(LogData& record) {
  std::lock_guard<std::mutex> lock(deliveryLock_);
  try {
    for (const std::any& entry : sinks_) {
      BaseLogger* sink = nullptr;
      if (stdErrOn_ && entry.type() == typeid(QeStdLogger*)) {
        sink = std::any_cast<QeStdLogger*>(entry);
      } else if (debuggerOn_ && entry.type() == typeid(QeDbgLogger*)) {
        sink = std::any_cast<QeDbgLogger*>(entry);
      }
      if (sink == nullptr) continue;
      if (!sink->deliver(record)) return false;
    }
  } catch (...) {
    // A throwing sink ends the visit; the records so far were delivered.
  }
  return true;
}

}  // namespace qlog
