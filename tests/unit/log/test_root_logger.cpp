#include "log/qe_logger.h"

qlog::QeLogger& qlog::RootLogger() {
  static QeLogger logger("TST", QeLogger::Sinks::Debugger);
  return logger;
}
