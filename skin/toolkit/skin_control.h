#pragma once
// The base of every skin control: name, text, rectangle, layout fields,
// visibility and focus flags, events, attributes and the five paint steps.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/toolkit/image_attribute.h"
#include "skin/toolkit/layout_arithmetic.h"
#include "skin/toolkit/skin_events.h"

class CSkinManager;
class ISkinContainer;

// Wishes a control answers from ControlFlags().
constexpr UINT kControlWantsSetCursor = 0x01;
constexpr UINT kControlTabStop = 0x02;

class CSkinControl : public skin::LayoutItem {
 public:
  CSkinControl();
  ~CSkinControl() override;
  CSkinControl(const CSkinControl&) = delete;
  CSkinControl& operator=(const CSkinControl&) = delete;

  virtual const std::wstring& GetName() const { return name_; }
  virtual void SetName(const std::wstring& name) { name_ = name; }
  virtual const wchar_t* ClassLabel() const { return L"SkinControl"; }
  // The control as the named interface ("Control", "Label", ...), or null.
  virtual void* FindInterface(const wchar_t* name);
  virtual UINT ControlFlags() const { return 0; }
  virtual bool Activate();

  CSkinManager* GetManager() const { return manager_; }
  // Binds the control (and a container's subtree) to a manager under a
  // parent; with `init` the names go into the manager's name map.
  virtual void BindManager(CSkinManager* manager, CSkinControl* parent, bool init);
  CSkinControl* GetParent() const { return parent_; }
  // The container interface of this control, or null for a leaf.
  ISkinContainer* AsContainer();

  virtual std::wstring GetText() const { return text_; }
  virtual void SetText(const std::wstring& text);
  const std::wstring& GetToolTip() const { return toolTip_; }
  void SetToolTip(const std::wstring& text) { toolTip_ = text; }
  int GetToolTipWidth() const { return kToolTipWidth; }

  const skin::Rect& GetRect() const { return rect_; }
  virtual void SetPosition(const skin::Rect& rect, bool invalidate);

  virtual void SetVisible(bool visible);
  bool IsVisible() const override { return visible_ && internVisible_; }
  // Shown or hidden with the container that holds the control.
  virtual void SetInternVisible(bool visible);
  virtual void SetEnabled(bool enabled);
  bool IsEnabled() const { return enabled_; }
  bool IsMouseEnabled() const { return mouseEnabled_; }
  void SetMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
  bool IsKeyboardEnabled() const { return keyboardEnabled_; }
  void SetKeyboardEnabled(bool enabled) { keyboardEnabled_ = enabled; }
  bool IsFocused() const { return focused_; }
  void SetFocus();

  // Hit test: the topmost visible, mouse-enabled control under the point.
  virtual CSkinControl* FindControlAt(POINT point);

  virtual void HandleEvent(UIEvent& event);
  virtual void ApplyAttribute(const wchar_t* name, const wchar_t* value);

  // Layout (skin::LayoutItem).
  skin::Size EstimateSize(skin::Size available) override;
  skin::Size FixedSize() const override { return fixed_; }
  skin::Size MinSize() const override { return min_; }
  skin::Size MaxSize() const override { return max_; }
  skin::Rect Padding() const override { return padding_; }
  void PlaceAt(const skin::Rect& rect) override { SetPosition(rect, false); }
  void SetFixedWidth(int cx);
  void SetFixedHeight(int cy);
  void SetPadding(const skin::Rect& padding);

  std::uint32_t GetBkColor() const { return bkColor_; }
  void SetBkColor(std::uint32_t argb);
  void SetBkImage(const std::wstring& text);

  // Layout requests: of this control, or of the container that holds it.
  void NeedUpdate();
  void NeedParentUpdate();
  bool IsUpdateNeeded() const { return updateNeeded_; }
  // Repaints the control's rectangle, cut to its ancestors.
  void Invalidate();

  // The control's own notification handlers, run before the window's.
  void AddNotifyDelegate(std::function<void(NotifyMsg&)> handler) { notifyDelegates_.push_back(std::move(handler)); }
  void RunNotifyDelegates(NotifyMsg& msg);

  virtual void Paint(HDC hdc, const skin::Rect& paintRect);
  virtual void PaintBkColor(HDC hdc);
  virtual void PaintBkImage(HDC hdc);
  virtual void PaintStatusImage(HDC) {}
  virtual void PaintText(HDC) {}
  // No skin of this toolkit's subset sets a border.
  virtual void PaintBorder(HDC) {}

 protected:
  // Draws one image attribute over the control; false when it has none.
  bool DrawImage(HDC hdc, ImageAttribute& image, const skin::Rect* destOffsets = nullptr);

  static constexpr int kToolTipWidth = 300;

  CSkinManager* manager_ = nullptr;
  CSkinControl* parent_ = nullptr;
  std::wstring name_;
  std::wstring text_;
  std::wstring toolTip_;
  skin::Rect rect_{};
  skin::Rect paintRect_{};  // the part of rect_ being painted
  skin::Size fixed_{};
  skin::Size min_{0, 0};
  skin::Size max_{9999, 9999};
  skin::Rect padding_{};
  std::uint32_t bkColor_ = 0;
  ImageAttribute bkImage_;
  bool visible_ = true;
  bool internVisible_ = true;
  bool enabled_ = true;
  bool mouseEnabled_ = true;
  bool keyboardEnabled_ = true;
  bool focused_ = false;
  bool updateNeeded_ = true;
  std::vector<std::function<void(NotifyMsg&)>> notifyDelegates_;
};
