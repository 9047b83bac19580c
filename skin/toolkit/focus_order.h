#pragma once
// Tab order over a window's tab stops, with wrap-around.

namespace skin {

enum class TabDirection { Forward, Backward };

// Index of the tab stop that Tab (or Shift+Tab) moves to among `count`
// stops, from the stop at `current` (-1 when none has the focus). -1 when
// there is no stop at all.
int NextTabStop(int count, int current, TabDirection direction);

}  // namespace skin
