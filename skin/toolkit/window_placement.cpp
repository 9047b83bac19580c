#include "skin/toolkit/window_placement.h"

namespace skin {
namespace {

int CenterAxis(int refBegin, int refEnd, int length, int areaBegin, int areaEnd) {
  int at = (refBegin + refEnd) / 2 - length / 2;
  // A window larger than the area keeps its top-left edge (and so its
  // caption) on screen.
  if (at < areaBegin) {
    at = areaBegin;
  } else if (at + length > areaEnd) {
    at = areaEnd - length;
  }
  return at;
}

}  // namespace

Point CenteredPosition(const Rect& reference, Size size, const Rect& workArea) {
  return {CenterAxis(reference.left, reference.right, size.cx, workArea.left, workArea.right),
          CenterAxis(reference.top, reference.bottom, size.cy, workArea.top, workArea.bottom)};
}

bool InCaptionBand(const Rect& client, const Rect& caption, Point point) {
  if (point.x < client.left + caption.left || point.x >= client.right - caption.right) return false;
  return point.y >= caption.top && point.y < caption.bottom;
}

}  // namespace skin
