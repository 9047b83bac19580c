#include "updater/ui/notification_gate.h"

bool NotificationGate::PauseUnlessClosed(std::chrono::milliseconds pause) {
  std::unique_lock<std::mutex> guard(lock_);
  return wake_.wait_for(guard, pause, [this] { return closed_; });
}

bool NotificationGate::EnterPrompt(std::function<void()> dismiss) {
  std::lock_guard<std::mutex> guard(lock_);
  if (closed_) return false;
  dismissPrompt_ = std::move(dismiss);
  return true;
}

void NotificationGate::LeavePrompt() {
  std::lock_guard<std::mutex> guard(lock_);
  dismissPrompt_ = nullptr;
}

bool NotificationGate::IsClosed() const {
  std::lock_guard<std::mutex> guard(lock_);
  return closed_;
}

void NotificationGate::Close() {
  std::lock_guard<std::mutex> guard(lock_);
  closed_ = true;
  // Dismissing only posts to the prompt's window: safe under the lock.
  if (dismissPrompt_) dismissPrompt_();
  dismissPrompt_ = nullptr;
  wake_.notify_all();
}
