#pragma once
// A stand-in for a control in layout tests: fixed size, paddings and, when it
// has children, a layout of its own along an axis.

#include <memory>
#include <ostream>
#include <vector>

#include "skin/toolkit/layout_arithmetic.h"

namespace skin {
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
}  // namespace skin

namespace skin_test {

class TestBox : public skin::LayoutItem {
 public:
  TestBox& Fixed(int cx, int cy) { fixed_ = {cx, cy}; return *this; }
  TestBox& Padding(int l, int t, int r, int b) { padding_ = {l, t, r, b}; return *this; }
  TestBox& Inset(int l, int t, int r, int b) { inset_ = {l, t, r, b}; return *this; }
  TestBox& Min(int cx, int cy) { min_ = {cx, cy}; return *this; }
  TestBox& Max(int cx, int cy) { max_ = {cx, cy}; return *this; }
  TestBox& ChildPadding(int n) { childPadding_ = n; return *this; }
  TestBox& Hidden() { visible_ = false; return *this; }
  // Estimated height of a control without a fixed height (a label's font
  // height plus 4, say); 0 keeps it flexible.
  TestBox& EstimatedHeight(int cy) { estimatedHeight_ = cy; return *this; }
  void SetVisible(bool visible) { visible_ = visible; }

  // Adds a child laid out along `axis`; all children of a box share one axis.
  TestBox& Add(skin::LayoutAxis axis) {
    axis_ = axis;
    children_.push_back(std::make_unique<TestBox>());
    return *children_.back();
  }

  bool IsVisible() const override { return visible_; }
  skin::Size EstimateSize(skin::Size) override {
    estimates_++;
    return {fixed_.cx, fixed_.cy != 0 ? fixed_.cy : estimatedHeight_};
  }
  skin::Size FixedSize() const override { return fixed_; }
  skin::Size MinSize() const override { return min_; }
  skin::Size MaxSize() const override { return max_; }
  skin::Rect Padding() const override { return padding_; }
  void PlaceAt(const skin::Rect& rect) override {
    rect_ = rect;
    positioned_ = true;
    if (children_.empty()) return;
    std::vector<skin::LayoutItem*> items;
    for (auto& c : children_) items.push_back(c.get());
    const skin::Rect inner{rect.left + inset_.left, rect.top + inset_.top, rect.right - inset_.right,
                           rect.bottom - inset_.bottom};
    skin::ArrangeChildren(axis_, inner, childPadding_, items);
  }

  const skin::Rect& Rect() const { return rect_; }
  bool Positioned() const { return positioned_; }
  int Estimates() const { return estimates_; }
  TestBox& Child(std::size_t i) { return *children_.at(i); }

 private:
  skin::Size fixed_{};
  skin::Size min_{0, 0};
  skin::Size max_{9999, 9999};
  skin::Rect padding_{};
  skin::Rect inset_{};
  int childPadding_ = 0;
  int estimatedHeight_ = 0;
  bool visible_ = true;
  bool positioned_ = false;
  int estimates_ = 0;
  skin::Rect rect_{};
  skin::LayoutAxis axis_ = skin::LayoutAxis::Vertical;
  std::vector<std::unique_ptr<TestBox>> children_;
};

}  // namespace skin_test
