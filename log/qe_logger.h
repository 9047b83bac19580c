#pragma once
// The root logger: hands each record to its sinks in a fixed order.

#include <any>
#include <memory>
#include <mutex>
#include <vector>

#include "log/loggers.h"

namespace qlog {

class QeLogger : public BaseLogger {
 public:
  enum class Sinks { Debugger, DebuggerThenStdErr };

  // `tag` names the program in every record ("LOM", "ZUL").
  QeLogger(const char* tag, Sinks sinks);
  bool deliver(LogData& record) override;
  const char* tag() const { return tag_; }

 private:
  const char* tag_;
  bool stdErrOn_ = true;
  bool debuggerOn_ = true;
  std::unique_ptr<QeDbgLogger> dbg_;
  std::unique_ptr<QeStdLogger> std_;
  std::vector<std::any> sinks_;  // each a QeDbgLogger* or QeStdLogger*
  std::mutex deliveryLock_;      // records of two threads never interleave
};

// The program's root logger; each program (and each test program) defines it.
QeLogger& RootLogger();

}  // namespace qlog
