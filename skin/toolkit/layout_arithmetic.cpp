#include "skin/toolkit/layout_arithmetic.h"

#include <algorithm>

namespace skin {
namespace {

// Reads sizes and margins along the layout axis ("main") or across it.
struct AxisView {
  LayoutAxis axis;

  int Main(Size s) const { return axis == LayoutAxis::Vertical ? s.cy : s.cx; }
  int Cross(Size s) const { return axis == LayoutAxis::Vertical ? s.cx : s.cy; }
  Size Make(int main, int cross) const { return axis == LayoutAxis::Vertical ? Size{cross, main} : Size{main, cross}; }
  int LeadPadding(const Rect& p) const { return axis == LayoutAxis::Vertical ? p.top : p.left; }
  int TrailPadding(const Rect& p) const { return axis == LayoutAxis::Vertical ? p.bottom : p.right; }
  int CrossLeadPadding(const Rect& p) const { return axis == LayoutAxis::Vertical ? p.left : p.top; }
  int CrossTrailPadding(const Rect& p) const { return axis == LayoutAxis::Vertical ? p.right : p.bottom; }
  int MainStart(const Rect& r) const { return axis == LayoutAxis::Vertical ? r.top : r.left; }
  int CrossStart(const Rect& r) const { return axis == LayoutAxis::Vertical ? r.left : r.top; }
  // A rectangle from spans along and across the axis.
  Rect Span(int mainBegin, int mainEnd, int crossBegin, int crossEnd) const {
    return axis == LayoutAxis::Vertical ? Rect{crossBegin, mainBegin, crossEnd, mainEnd}
                                        : Rect{mainBegin, crossBegin, mainEnd, crossEnd};
  }
};

// Lower bound first, so that a maximum below the minimum wins.
int Clamp(int value, int minimum, int maximum) {
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
  return value;
}

}  // namespace

void ArrangeChildren(LayoutAxis axis, const Rect& inner, int childPadding, const std::vector<LayoutItem*>& children) {
  const AxisView v{axis};
  const Size available{inner.Width(), inner.Height()};
  const int availableMain = v.Main(available);
  const int availableCross = v.Cross(available);

  // Pass 1: what the fixed children and every padding take.
  int fixedTotal = 0;
  int flexibleCount = 0;
  int placedCount = 0;
  for (LayoutItem* child : children) {
    if (!child->IsVisible()) continue;
    const int wanted = v.Main(child->EstimateSize(available));
    if (wanted == 0) {
      ++flexibleCount;
    } else {
      fixedTotal += Clamp(wanted, v.Main(child->MinSize()), v.Main(child->MaxSize()));
    }
    const Rect padding = child->Padding();
    fixedTotal += v.LeadPadding(padding) + v.TrailPadding(padding);
    ++placedCount;
  }
  if (placedCount > 1) fixedTotal += childPadding * (placedCount - 1);

  int share = 0;
  if (flexibleCount > 0) share = std::max(0, (availableMain - fixedTotal) / flexibleCount);

  // Pass 2: positions. Only fixed lengths leave fixedRemaining.
  int pos = v.MainStart(inner);
  int remaining = availableMain;
  int fixedRemaining = fixedTotal;
  int flexibleSeen = 0;
  for (LayoutItem* child : children) {
    if (!child->IsVisible()) continue;
    const Rect padding = child->Padding();
    const int lead = v.LeadPadding(padding);
    const int trail = v.TrailPadding(padding);
    const Size minSize = child->MinSize();
    const Size maxSize = child->MaxSize();

    remaining -= lead;
    int length = v.Main(child->EstimateSize(v.Make(remaining, availableCross)));
    if (length == 0) {
      ++flexibleSeen;
      length = share;
      if (flexibleSeen == flexibleCount) length = std::max(0, remaining - trail - fixedRemaining);
      length = Clamp(length, v.Main(minSize), v.Main(maxSize));
    } else {
      length = Clamp(length, v.Main(minSize), v.Main(maxSize));
      fixedRemaining -= length;
    }

    int across = v.Cross(child->FixedSize());
    if (across == 0) across = std::max(0, availableCross - v.CrossLeadPadding(padding) - v.CrossTrailPadding(padding));
    across = Clamp(across, v.Cross(minSize), v.Cross(maxSize));

    const int crossBegin = v.CrossStart(inner) + v.CrossLeadPadding(padding);
    child->PlaceAt(v.Span(pos + lead, pos + lead + length + trail, crossBegin, crossBegin + across));

    pos += lead + length + trail + childPadding;
    remaining -= length + trail + childPadding;
  }
}

}  // namespace skin
