#pragma once
// Where a skinned window goes and which of its points drag it: the
// arithmetic of centring and of the caption band, apart from any window.

#include "skin/toolkit/skin_geometry.h"

namespace skin {

// Top-left corner that centres a window of `size` over `reference`, kept
// inside `workArea` (left and top edges win when the window is larger).
Point CenteredPosition(const Rect& reference, Size size, const Rect& workArea);

// True when a point (client coordinates) lies in the caption band: between
// the caption's left and right margins and from its top to its bottom.
// Whether it then drags depends on the control under it.
bool InCaptionBand(const Rect& client, const Rect& caption, Point point);

}  // namespace skin
