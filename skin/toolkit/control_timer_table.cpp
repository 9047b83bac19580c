#include "skin/toolkit/control_timer_table.h"

#include <algorithm>

namespace skin {

ControlTimerTable::Entry* ControlTimerTable::Find(void* control, std::uintptr_t controlTimerId, const void* window) {
  for (Entry& e : entries_) {
    if (e.control == control && e.controlTimerId == controlTimerId && e.window == window) return &e;
  }
  return nullptr;
}

bool ControlTimerTable::Start(void* control, std::uintptr_t controlTimerId, const void* window,
                              std::uintptr_t* systemId) {
  if (Entry* e = Find(control, controlTimerId, window)) {
    if (!e->killed) return false;
    e->killed = false;
    *systemId = e->systemId;
    return true;
  }
  nextId_ = (nextId_ + 1) % 255;
  entries_.push_back({control, controlTimerId, window, nextId_, false});
  *systemId = nextId_;
  return true;
}

void ControlTimerTable::Abandon(void* control, std::uintptr_t controlTimerId, const void* window) {
  if (Entry* e = Find(control, controlTimerId, window)) e->killed = true;
}

bool ControlTimerTable::Kill(void* control, std::uintptr_t controlTimerId, const void* window,
                             std::uintptr_t* systemId) {
  Entry* e = Find(control, controlTimerId, window);
  if (e == nullptr || e->killed) return false;
  e->killed = true;
  *systemId = e->systemId;
  return true;
}

const ControlTimerTable::Entry* ControlTimerTable::FindLive(const void* window, std::uintptr_t systemId) const {
  for (const Entry& e : entries_) {
    if (e.window == window && e.systemId == systemId && !e.killed) return &e;
  }
  return nullptr;
}

std::vector<std::uintptr_t> ControlTimerTable::RemoveControl(void* control) {
  std::vector<std::uintptr_t> live;
  for (const Entry& e : entries_) {
    if (e.control == control && !e.killed) live.push_back(e.systemId);
  }
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [control](const Entry& e) { return e.control == control; }),
                 entries_.end());
  return live;
}

}  // namespace skin
