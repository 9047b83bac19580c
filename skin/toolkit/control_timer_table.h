#pragma once
// The paint manager's table of control timers: which control asked for
// which of its own timer ids, and the system timer id that stands for it.

#include <cstdint>
#include <vector>

namespace skin {

class ControlTimerTable {
 public:
  struct Entry {
    void* control;
    std::uintptr_t controlTimerId;
    const void* window;
    std::uintptr_t systemId;
    bool killed;
  };

  // The system id to start for a control's timer; none (false) when a live
  // timer of that control, window and id already runs. A killed entry is
  // revived with its old system id.
  bool Start(void* control, std::uintptr_t controlTimerId, const void* window, std::uintptr_t* systemId);
  // Undoes the last Start when the system would not start the timer.
  void Abandon(void* control, std::uintptr_t controlTimerId, const void* window);
  // Marks the timer killed; gives its system id, or false when there is no
  // live timer of that kind.
  bool Kill(void* control, std::uintptr_t controlTimerId, const void* window, std::uintptr_t* systemId);
  // The live entry of a window with that system id, or null.
  const Entry* FindLive(const void* window, std::uintptr_t systemId) const;
  // Forgets every timer of a control (when it goes away); gives the system
  // ids of those still live, for the caller to stop.
  std::vector<std::uintptr_t> RemoveControl(void* control);
  void Clear() { entries_.clear(); }

 private:
  Entry* Find(void* control, std::uintptr_t controlTimerId, const void* window);

  std::vector<Entry> entries_;
  // New system ids run (next + 1) mod 255 from here: 17, 18, ... 254, 0, 1 ...
  std::uintptr_t nextId_ = 4096;
};

}  // namespace skin
