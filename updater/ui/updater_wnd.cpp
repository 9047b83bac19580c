#include "updater/ui/updater_wnd.h"

#include <chrono>

#include "updater/ui/progress_line.h"
#include "updater/ui/shell_actions.h"
#include "updater/ui/tips_box_wnd.h"
#include "updater/ui/ui_texts.h"
#include "updater/ui/window_corner.h"

CUpdaterWnd::CUpdaterWnd(JobMaker makeJob) : makeJob_(std::move(makeJob)) { CreateMainWindow(); }

CUpdaterWnd::~CUpdaterWnd() { EndJob(); }

void CUpdaterWnd::EndJob() {
  if (gate_) gate_->Close();
  job_.reset();
}

const wchar_t* CUpdaterWnd::ClassName() const { return L"lom_updater_wnd_class_name"; }

std::wstring CUpdaterWnd::SkinFile() const { return L"UpdaterWnd.xml"; }

void CUpdaterWnd::InitWindow() {
  tipsLabel_ = dynamic_cast<CSkinLabel*>(manager_.FindControl(L"tipsLabel"));
  closeButton_ = dynamic_cast<CSkinButton*>(manager_.FindControl(L"closeButton"));
  skipButton_ = dynamic_cast<CSkinButton*>(manager_.FindControl(L"skipButton"));
  buttonLayout_ = dynamic_cast<CSkinHLayout*>(manager_.FindControl(L"buttonLayout"));
  progressLayout_ = dynamic_cast<CSkinHLayout*>(manager_.FindControl(L"progressLayout"));
  downloadProgress_ = dynamic_cast<CSkinProgress*>(manager_.FindControl(L"downloadProgress"));
}

void CUpdaterWnd::StartUpdate(const ZipConf& conf) {
  conf_ = conf;
  if (conf_.forcedUpdate != 0 && skipButton_) skipButton_->SetVisible(false);
  EndJob();
  retryCount_ = 0;
  gate_ = std::make_shared<NotificationGate>();
  job_ = makeJob_(conf_);
  job_->onRetry = [this](std::uint32_t attempt) { OnRetry(attempt); };
  job_->onFail = [this] { OnFail(); };
  job_->Start();
  ::SetTimer(GetHWND(), kProgressTimerId, kProgressTimerMs, nullptr);
}

void CUpdaterWnd::OnProgressTimer() {
  if (!job_) return;
  const DownloadState state = job_->GetState();
  ShowProgress(DownloadPercent(state.received, state.total));
}

void CUpdaterWnd::ShowProgress(std::uint32_t percent) {
  const UiTexts& texts = TextsFor(UserUiLanguage());
  if (percent > 100) percent = 100;
  const std::uint32_t retries = retryCount_;
  if (retries == 1) {
    RECT r{};
    ::GetWindowRect(GetHWND(), &r);
    const skin::Rect wide = WidenedForRetries({r.left, r.top, r.right, r.bottom});
    ::SetWindowPos(GetHWND(), nullptr, wide.left, wide.top, wide.Width(), wide.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const bool forced = conf_.forcedUpdate != 0;
  if (tipsLabel_) tipsLabel_->SetText(ProgressLine(texts, forced, percent, retries));
  if (downloadProgress_) downloadProgress_->SetValue(static_cast<int>(percent));

  if (!job_ || !job_->downloaded) return;
  ::KillTimer(GetHWND(), kProgressTimerId);
  if (closeButton_) closeButton_->SetVisible(true);
  if (!forced) {
    if (tipsLabel_) tipsLabel_->SetText(texts.downloadedNormal);
    if (progressLayout_) progressLayout_->SetVisible(false);
    if (buttonLayout_) buttonLayout_->SetVisible(true);
    return;
  }
  ::Sleep(kBeforeForcedInstallMs);
  Install();
}

void CUpdaterWnd::Install() {
  // The install's own windows pump this thread's messages: a second click
  // on the install button must not start a second install.
  if (installing_) return;
  installing_ = true;
  if (job_) job_->DoInstall();
  ::PostQuitMessage(0);
}

void CUpdaterWnd::OnRetry(std::uint32_t attempt) {
  retryCount_ = attempt;
  gate_->PauseUnlessClosed(std::chrono::milliseconds(kRetryPauseMs));
}

void CUpdaterWnd::OnFail() {
  const UiTexts& texts = TextsFor(UserUiLanguage());
  CTipsBoxWnd box(nullptr, texts.problemText, CTipsBoxWnd::kModeCallerConfirmText);
  if (CSkinButton* confirm = box.ConfirmButton()) confirm->SetText(texts.problemConfirm);
  const HWND boxWindow = box.GetHWND();
  // A window that is going away dismisses the box with the system's code,
  // which opens nothing.
  if (!gate_->EnterPrompt([boxWindow] { ::PostMessageW(boxWindow, WM_CLOSE, CTipsBoxWnd::kResultClosedBySystem, 0); }))
    box.Close(CTipsBoxWnd::kResultClosedBySystem);
  const int result = box.RunModal();
  gate_->LeavePrompt();
  if (gate_->IsClosed()) return;
  if (result == CTipsBoxWnd::kResultConfirm) OpenDownloadPage();
  // Delivered to the window's own thread without waiting for it, so a window
  // that is ending at this moment never blocks on this thread.
  ::SendNotifyMessageW(GetHWND(), WM_QUIT, 0, 0);
}

void CUpdaterWnd::Notify(NotifyMsg& msg) {
  if (msg.type != L"click" || msg.sender == nullptr) return;
  const std::wstring& sender = msg.sender->GetName();
  if (sender == L"closeButton" || sender == L"skipButton") ::PostQuitMessage(0);
  if (sender == L"installButton") Install();
}

LRESULT CUpdaterWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE || msg == WM_QUIT) {
    ::PostQuitMessage(0);
    return 0;
  }
  if (msg == WM_TIMER && wParam == kProgressTimerId) OnProgressTimer();
  return CLomWndBase::HandleMessage(msg, wParam, lParam);
}
