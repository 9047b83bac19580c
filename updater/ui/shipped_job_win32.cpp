#include "updater/ui/shipped_job.h"

#include "platform/system_services.h"
#include "updater/app/process_op.h"
#include "updater/ui/launch_wnd.h"
#include "updater/ui/shell_actions.h"
#include "updater/ui/tips_box_wnd.h"
#include "updater/ui/ui_texts.h"
#include "zlibdll/extract_zip_to_dir.h"

namespace {

constexpr const char* kClientProcessName = "tavrenclient.exe";
// ExtractZipToDir's options: 0 is the only value it takes.
constexpr int kExtractOptions = 0;

void ReportInstallFailure() {
  const UiTexts& texts = TextsFor(UserUiLanguage());
  CTipsBoxWnd box(nullptr, texts.problemText, CTipsBoxWnd::kModeCallerConfirmText);
  if (CSkinButton* confirm = box.ConfirmButton()) confirm->SetText(texts.problemConfirm);
  box.RunModal();
}

void ShowLaunchWindow() {
  CLaunchWnd window;
  window.Center();
  window.RunModal();
}

InstallServices ShippedInstallServices() {
  InstallServices s;
  s.clientRunning = [] { return FindProcess_ByName(kClientProcessName) != 0; };
  s.closeClient = CloseClient;
  s.unpack = [](const std::filesystem::path& package, const std::filesystem::path& folder) {
    ExtractZipToDir(package.c_str(), folder.c_str(), kExtractOptions);
  };
  s.reportFailure = ReportInstallFailure;
  s.showLaunchWindow = ShowLaunchWindow;
  s.startLauncher = StartProgram;
  s.tickCount = platform::TickCountMs;
  s.sleep = platform::SleepMs;
  return s;
}

}  // namespace

void CloseClient() { CloseClientAndWait(); }

std::shared_ptr<ZipDownloader> MakeShippedJob(const ZipConf& conf) {
  JobEnvironment environment;
  environment.jobFolder = WideToNarrow(GetExeFolder());
  environment.closeClient = CloseClient;
  return std::make_shared<ZipDownloader>(conf, std::move(environment), ShippedInstallServices());
}
