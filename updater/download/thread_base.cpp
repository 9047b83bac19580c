#include "updater/download/thread_base.h"

#include <system_error>

#include "updater/download/transfer_settings.h"

ThreadBase::~ThreadBase() { Join(); }

bool ThreadBase::Start() {
  if (worker_.joinable()) return true;
  try {
    worker_ = std::thread(Guarded([this] { Run(); }));
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

void ThreadBase::Join() {
  if (!worker_.joinable()) return;
  if (worker_.get_id() == std::this_thread::get_id()) {
    // Released from inside its own notification: the worker cannot wait for
    // itself; it touches nothing of the job after that call returns.
    worker_.detach();
    return;
  }
  worker_.join();
}
