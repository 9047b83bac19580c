#include "updater/ui/window_corner.h"

skin::Point CornerPosition(const skin::Rect& workArea, const skin::Rect& window) {
  return {workArea.Width() - window.Width(), workArea.Height() - window.Height()};
}

skin::Rect WidenedForRetries(const skin::Rect& window) {
  return {window.right - kRetryWindowWidth, window.top, window.right, window.bottom};
}
