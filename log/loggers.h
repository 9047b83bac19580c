#pragma once
// Log sinks: each is a level filter in front of an output stream.

#include <cstdint>
#include <ostream>

#include "log/log_data.h"
#include "log/outputdebug_stream.h"

namespace qlog {

class BaseLogger {
 public:
  virtual bool deliver(LogData& record) = 0;
  virtual ~BaseLogger() = default;
};

// Writes each record in one write and flushes; a failing stream is not an error.
class OstreamLogger : public BaseLogger {
 public:
  explicit OstreamLogger(std::ostream& stream) : stream_(stream) {}
  bool deliver(LogData& record) override;

 private:
  std::ostream& stream_;
};

class StdErrLogger : public OstreamLogger {
 public:
  StdErrLogger();
};

namespace detail {
// Constructs the stream before the OstreamLogger base that refers to it.
struct OwnedDebugStream {
  outputdebug_stream debugStream;
};
}  // namespace detail

class OutputDebugStringLogger : private detail::OwnedDebugStream, public OstreamLogger {
 public:
  OutputDebugStringLogger() : OstreamLogger(debugStream) {}
};

class FilteringLogger : public BaseLogger {
 public:
  FilteringLogger(std::uint32_t lowestLevel, BaseLogger* target, bool ownsTarget)
      : lowestLevel_(lowestLevel), target_(target), ownsTarget_(ownsTarget) {}
  ~FilteringLogger() override;
  FilteringLogger(const FilteringLogger&) = delete;
  FilteringLogger& operator=(const FilteringLogger&) = delete;
  bool deliver(LogData& record) override;

 private:
  std::uint32_t lowestLevel_;
  BaseLogger* target_;
  bool ownsTarget_;
};

class QeFilteringLogger : public FilteringLogger {
 public:
  using FilteringLogger::FilteringLogger;
};

class QeDbgLogger : public QeFilteringLogger {
 public:
  QeDbgLogger() : QeFilteringLogger(0, &sink_, false) {}

 private:
  OutputDebugStringLogger sink_;
};

class QeStdLogger : public QeFilteringLogger {
 public:
  QeStdLogger() : QeFilteringLogger(0, &sink_, false) {}

 private:
  StdErrLogger sink_;
};

}  // namespace qlog
