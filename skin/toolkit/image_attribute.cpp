#include "skin/toolkit/image_attribute.h"

#include <algorithm>

#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_paint.h"

void ImageAttribute::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  image_ = nullptr;
  loadAttempted_ = false;
}

bool ImageAttribute::Draw(HDC hdc, CSkinManager& manager, const skin::Rect& controlRect, const skin::Rect& paintRect,
                          const skin::Rect* destOffsets) {
  if (text_.empty()) return false;
  if (!loadAttempted_) {
    // Parsed and loaded once; a failed load is not retried.
    loadAttempted_ = true;
    description_ = skin::ParseImageDescription(text_.c_str());
    image_ = manager.AddImage(description_.file, description_.resourceType, description_.mask);
  }
  if (image_ == nullptr) return false;

  skin::Rect dest = controlRect;
  const skin::Rect* offsets = destOffsets != nullptr ? destOffsets : (description_.dest ? &*description_.dest : nullptr);
  if (offsets != nullptr) {
    dest = skin::Intersect({controlRect.left + offsets->left, controlRect.top + offsets->top,
                            controlRect.left + offsets->right, controlRect.top + offsets->bottom},
                           controlRect);
  }
  skin::Rect source{0, 0, image_->width, image_->height};
  if (description_.source) {
    source = *description_.source;
    source.left = std::max(source.left, 0);
    source.top = std::max(source.top, 0);
    source.right = std::min(source.right, image_->width);
    source.bottom = std::min(source.bottom, image_->height);
  }
  if (dest.IsEmpty() || source.IsEmpty()) return true;
  skin::DrawImagePieces(hdc, *image_, skin::PlanImagePieces(dest, source, description_), paintRect, description_.fade);
  return true;
}
