#include "log/loggers.h"

#include <iostream>

namespace qlog {

bool OstreamLogger::deliver(LogData& record) {
  stream_.write(record.text(), static_cast<std::streamsize>(record.length()));
  stream_.flush();
  stream_.clear();
  return true;
}

StdErrLogger::StdErrLogger() : OstreamLogger(std::cerr) {}

FilteringLogger::~FilteringLogger() {
  if (ownsTarget_) delete target_;
}

bool FilteringLogger::deliver(LogData& record) {
  if (record.level < lowestLevel_) return true;
  return target_ != nullptr && target_->deliver(record);
}

}  // namespace qlog
