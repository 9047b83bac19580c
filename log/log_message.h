#pragma once
// One log record: built at the call site, delivered when it goes out of scope.
//
//   LOG_INFO << "par: " << text;

#include <cstdint>
#include <ctime>
#include <memory>
#include <ostream>
#include <string>

#include "log/log_data.h"
#include "log/log_level.h"
#include "log/qe_logger.h"

namespace qlog {

class LogMessage {
 public:
  LogMessage(const char* sourcePath, std::uint32_t line, std::uint32_t level, BaseLogger& logger);
  virtual ~LogMessage();
  LogMessage(const LogMessage&) = delete;
  LogMessage& operator=(const LogMessage&) = delete;

  virtual void writeHeader() = 0;
  // Ends the text with a line feed and delivers it; only the first call acts.
  void flush();
  std::ostream& stream() { return data_->stream; }

 protected:
  LogData& data() { return *data_; }

 private:
  BaseLogger& logger_;
  bool flushed_ = false;
  std::unique_ptr<LogData> data_;
};

// "[TAG][L][Y-M-D h:m:s] " in UTC, numbers without padding.
std::string FormatRecordHeader(const char* tag, std::uint32_t level, const std::tm& utc);

}  // namespace qlog

namespace n_log {

class CustomLogMessage : public qlog::LogMessage {
 public:
  CustomLogMessage(const char* sourcePath, std::uint32_t line, std::uint32_t level, qlog::QeLogger& logger,
                   const char* functionName);
  void writeHeader() override;
  const char* functionName() const { return functionName_; }

 private:
  const char* tag_;
  const char* functionName_;
};

}  // namespace n_log

#define QLOG_AT(level) \
  ::n_log::CustomLogMessage(__FILE__, __LINE__, (level), ::qlog::RootLogger(), __func__).stream()
// A record known by a fixed line and function name rather than where it is written.
#define QLOG_RECORD(level, line, function) \
  ::n_log::CustomLogMessage(__FILE__, (line), (level), ::qlog::RootLogger(), (function)).stream()
#define LOG_TRACE QLOG_AT(::qlog::kTrace)
#define LOG_INFO QLOG_AT(::qlog::kInfo)
#define LOG_ERROR QLOG_AT(::qlog::kError)
