#include "updater/download/transfer_settings.h"

std::thread StartStdThread(std::function<void()> body) { return std::thread(std::move(body)); }

std::function<void()> Guarded(std::function<void()> body) {
  return [body = std::move(body)] {
    try {
      body();
    } catch (...) {
      // A thread has nobody to report to; its owner judges the outcome.
    }
  };
}
