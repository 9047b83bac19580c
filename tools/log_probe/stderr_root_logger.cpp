// A root logger with both sinks, debugger output then standard error, tag "ZUL".
#include "log/qe_logger.h"

qlog::QeLogger& qlog::RootLogger() {
  static QeLogger* const logger = new QeLogger("ZUL", QeLogger::Sinks::DebuggerThenStdErr);
  return *logger;
}
