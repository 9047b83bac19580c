#pragma once
// Where the updater window sits: the arithmetic, apart from any window.

#include "skin/toolkit/skin_geometry.h"

// The work area's width and height less the window's. Not offset by the work
// area's left and top edges, so a taskbar on the left or top shifts it.
skin::Point CornerPosition(const skin::Rect& workArea, const skin::Rect& window);

inline constexpr int kRetryWindowWidth = 360;

// The window made 360 pixels wide, keeping its right edge, top and height.
skin::Rect WidenedForRetries(const skin::Rect& window);
