#pragma once
// The launcher's own log records name a fixed source and line, so that they
// read the same whichever build wrote them.

#include "log/log_message.h"

namespace launcher {

inline constexpr char kRecordSource[] = "Stelmore";

#define LAUNCHER_RECORD(line, function) \
  ::n_log::CustomLogMessage(::launcher::kRecordSource, (line), ::qlog::kInfo, ::qlog::RootLogger(), (function)).stream()

}  // namespace launcher
