#include "log/log_message.h"

#include <sstream>

namespace qlog {

LogMessage::LogMessage(const char* sourcePath, std::uint32_t line, std::uint32_t level, BaseLogger& logger)
    : logger_(logger), data_(std::make_unique<LogData>(level, line, sourcePath, std::time(nullptr))) {}

LogMessage::~LogMessage() { flush(); }

void LogMessage::flush() {
  if (flushed_) return;
  flushed_ = true;
  data_->Terminate();
  logger_.deliver(*data_);
}

std::string FormatRecordHeader(const char* tag, std::uint32_t level, const std::tm& utc) {
  std::ostringstream header;
  header << '[' << tag << "][" << LevelLetter(level) << "][" << utc.tm_year + 1900 << '-' << utc.tm_mon + 1
         << '-' << utc.tm_mday << ' ' << utc.tm_hour << ':' << utc.tm_min << ':' << utc.tm_sec << "] ";
  return header.str();
}

}  // namespace qlog

namespace n_log {

CustomLogMessage::CustomLogMessage(const char* sourcePath, std::uint32_t line, std::uint32_t level,
                                   qlog::QeLogger& logger, const char* functionName)
    : LogMessage(sourcePath, line, level, logger), tag_(logger.tag()), functionName_(functionName) {
  writeHeader();
}

void CustomLogMessage::writeHeader() {
  stream() << qlog::FormatRecordHeader(tag_, data().level, data().createdUtc);
}

}  // namespace n_log
