#include "updater/ui/shipped_job.h"

#include "platform/system_services.h"
#include "updater/ui/launch_wnd.h"
#include "updater/ui/shell_actions.h"
#include "updater/ui/tips_box_wnd.h"
#include "updater/ui/ui_texts.h"
#include "zlibdll/extract_zip_to_dir.h"

namespace {

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

InstallServices ShippedInstallServices(const ClientControl& client) {
  InstallServices s;
  s.clientRunning = client.running;
  s.closeClient = client.close;
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

CUpdaterWnd::JobMaker ShippedJobMaker(std::string jobFolder, ClientControl client) {
  return [jobFolder = std::move(jobFolder), client = std::move(client)](const ZipConf& conf) {
    JobEnvironment environment;
    environment.jobFolder = jobFolder;
    environment.closeClient = client.close;
    return std::make_shared<ZipDownloader>(conf, std::move(environment), ShippedInstallServices(client));
  };
}
