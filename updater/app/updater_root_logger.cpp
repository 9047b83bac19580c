// The updater's root logger: debugger output only, tag "LOM".
#include "log/qe_logger.h"

qlog::QeLogger& qlog::RootLogger() {
  // Never destroyed: the download threads may still log while the process exits.
  static QeLogger* const logger = new QeLogger("LOM", QeLogger::Sinks::Debugger);
  return *logger;
}

namespace {
// Built during static initialisation, before the entry runs.
[[maybe_unused]] const qlog::QeLogger& builtBeforeEntry = qlog::RootLogger();
}  // namespace
