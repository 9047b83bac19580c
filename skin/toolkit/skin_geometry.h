#pragma once
// Plain geometry of the skin toolkit, free of <windows.h> so that layout and
// placement arithmetic builds and is tested on every platform.

namespace skin {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size& a, const Size& b) { return a.cx == b.cx && a.cy == b.cy; }
};

// Edges as Win32 uses them: right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// The overlap of two rectangles; empty (all zero) when they do not meet.
Rect Intersect(const Rect& a, const Rect& b);
// The smallest rectangle holding both; an empty one is left out.
Rect Union(const Rect& a, const Rect& b);

}  // namespace skin
