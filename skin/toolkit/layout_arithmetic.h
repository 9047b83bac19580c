#pragma once
// The two-pass arithmetic of the vertical and horizontal layouts, apart from
// any control class so that it is tested without a window.

#include <vector>

#include "skin/toolkit/skin_geometry.h"

namespace skin {

// What a layout needs of each child.
class LayoutItem {
 public:
  virtual ~LayoutItem() = default;
  virtual bool IsVisible() const = 0;
  // The size the child wants; 0 along an axis means it takes a share.
  virtual Size EstimateSize(Size available) = 0;
  virtual Size FixedSize() const = 0;
  virtual Size MinSize() const = 0;
  virtual Size MaxSize() const = 0;
  // Outer margin: left, top, right, bottom.
  virtual Rect Padding() const = 0;
  virtual void PlaceAt(const Rect& rect) = 0;
};

enum class LayoutAxis { Vertical, Horizontal };

// Places the visible children one after another along the axis inside
// `inner`. Flexible children share what the fixed ones leave; the last
// flexible child takes the rounding remainder, less every padding of the
// line (which is why paddings before it count twice and the line may end
// short). Hidden children take no space and are not positioned.
void ArrangeChildren(LayoutAxis axis, const Rect& inner, int childPadding, const std::vector<LayoutItem*>& children);

}  // namespace skin
