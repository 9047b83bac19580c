#include "launcher/launcher_run.h"

#include <shellapi.h>

#include <string>

#include "launcher/client_pipe.h"
#include "launcher/launcher_records.h"
#include "launcher/module_path.h"
#include "launcher/pending_update.h"
#include "launcher/running_client.h"
#include "launcher/scheme_registration.h"
#include "launcher/scheme_url.h"
#include "log/wide_log_text.h"

namespace launcher {

namespace {

int HandToRunningClient(const std::optional<std::wstring>& remainder) {
  if (!remainder) return kExitDone;
  switch (SendToRunningClient(*remainder)) {
    case PipeHandOff::Sent:
      return kExitDone;
    case PipeHandOff::MessageTooLong:
      LOG_INFO << "url not sent to the running client: longer than " << kPipeMessageSize << " bytes";
      return kExitUrlNotDelivered;
    case PipeHandOff::PipeUnavailable:
      break;
  }
  return kExitUrlNotDelivered;
}

void StartClient(HINSTANCE instance, const std::wstring& commandLine) {
  WriteRegFun();
  SetCurrentDirectoryW(FolderWithSeparator(ModuleFilePath(instance)).c_str());
  const std::wstring parameters = ClientParameters(commandLine);
  LAUNCHER_RECORD(315, "wWinMain") << "class path: " << qlog::WideToLogText(kClientExecutable);
  LAUNCHER_RECORD(316, "wWinMain") << "par: " << qlog::WideToLogText(parameters);
  ApplyPendingUpdate();
  ShellExecuteW(nullptr, L"open", kClientExecutable, parameters.c_str(), nullptr, SW_SHOW);
}

}  // namespace

int RunLauncher(HINSTANCE instance, const wchar_t* commandLine) {
  FindRunningClient(ClientPrompt::AskToReopen);
  const std::wstring line = commandLine != nullptr ? commandLine : L"";
  const auto remainder = SchemeRemainder(line);
  if (FindRunningClient(ClientPrompt::Silent)) return HandToRunningClient(remainder);
  StartClient(instance, line);
  return kExitDone;
}

}  // namespace launcher
