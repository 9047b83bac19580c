#include "log/qe_logger.h"

// The launcher's records go to the debugger output, then to standard error.
qlog::QeLogger& qlog::RootLogger() {
  static QeLogger logger("ZUL", QeLogger::Sinks::DebuggerThenStdErr);
  return logger;
}
