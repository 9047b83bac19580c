#pragma once
// Routes a window's notifications to handlers chosen by notification type.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/toolkit/skin_events.h"

class CNotifyRelay {
 public:
  using Handler = std::function<void(NotifyMsg&)>;

  // Later handlers of the same type run after earlier ones.
  void OnNotifyType(std::wstring type, Handler handler) { handlers_.emplace_back(std::move(type), std::move(handler)); }

  // Runs the handlers of msg.type; false when there is none.
  bool RelayNotify(NotifyMsg& msg) const {
    bool relayed = false;
    for (const auto& [type, handler] : handlers_) {
      if (type == msg.type) {
        handler(msg);
        relayed = true;
      }
    }
    return relayed;
  }

 protected:
  ~CNotifyRelay() = default;

 private:
  std::vector<std::pair<std::wstring, Handler>> handlers_;
};
