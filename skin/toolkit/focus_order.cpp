#include "skin/toolkit/focus_order.h"

namespace skin {

int NextTabStop(int count, int current, TabDirection direction) {
  if (count <= 0) return -1;
  const bool forward = direction == TabDirection::Forward;
  if (current < 0 || current >= count) return forward ? 0 : count - 1;
  if (forward) return current + 1 < count ? current + 1 : 0;
  return current > 0 ? current - 1 : count - 1;
}

}  // namespace skin
