#pragma once
// The corner window of the updater: owns the update job, shows its progress
// and retries, and ends with install, skip, close or the job's failure.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "updater/app/zip_conf.h"
#include "updater/install/zip_downloader.h"
#include "updater/ui/lom_wnd_base.h"
#include "updater/ui/notification_gate.h"

class CUpdaterWnd : public CLomWndBase {
 public:
  using JobMaker = std::function<std::shared_ptr<ZipDownloader>(const ZipConf&)>;

  static constexpr UINT_PTR kProgressTimerId = 1121;
  static constexpr UINT kProgressTimerMs = 1000;
  static constexpr std::uint32_t kRetryPauseMs = 2000;
  static constexpr std::uint32_t kBeforeForcedInstallMs = 1000;

  // `makeJob` builds the update job from the window's copy of the record.
  explicit CUpdaterWnd(JobMaker makeJob);
  // Ends the job before anything it calls back into goes.
  ~CUpdaterWnd() override;

  // Copies the record, starts the job's worker and the progress timer.
  void StartUpdate(const ZipConf& conf);
  void ShowProgress(std::uint32_t percent);

  // The job's notifications, on its worker thread.
  void OnRetry(std::uint32_t attempt);
  void OnFail();

 protected:
  const wchar_t* ClassName() const override;
  std::wstring SkinFile() const override;
  void InitWindow() override;
  void Notify(NotifyMsg& msg) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnProgressTimer();
  void Install();
  // Releases the job after waking its worker from any pause or prompt.
  void EndJob();

  const JobMaker makeJob_;
  ZipConf conf_;
  std::atomic<std::uint32_t> retryCount_{0};
  bool installing_ = false;
  std::shared_ptr<NotificationGate> gate_;  // one per job
  std::shared_ptr<ZipDownloader> job_;

  CSkinLabel* tipsLabel_ = nullptr;
  CSkinButton* closeButton_ = nullptr;
  CSkinButton* skipButton_ = nullptr;
  CSkinHLayout* buttonLayout_ = nullptr;
  CSkinHLayout* progressLayout_ = nullptr;
  CSkinProgress* downloadProgress_ = nullptr;
};
