#pragma once
// Lets the updater window end while the job's worker thread is inside one of
// its notifications: the retry pause is cut short and a prompt the worker
// shows is dismissed, so that releasing the job never waits on the user.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

class NotificationGate {
 public:
  // Worker: pauses for `pause` unless the gate closes first; true when closed.
  bool PauseUnlessClosed(std::chrono::milliseconds pause);

  // Worker: about to run a prompt that `dismiss` ends. False (nothing kept)
  // when the gate is already closed, and the prompt must then not wait.
  bool EnterPrompt(std::function<void()> dismiss);
  void LeavePrompt();

  bool IsClosed() const;

  // Owner: closes the gate, wakes a pausing worker and dismisses its prompt.
  void Close();

 private:
  mutable std::mutex lock_;
  std::condition_variable wake_;
  bool closed_ = false;
  std::function<void()> dismissPrompt_;
};
