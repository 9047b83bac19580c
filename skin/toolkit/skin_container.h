#pragma once
// Controls that hold other controls: the container interface and its base
// class, which owns the children, paints them clipped and hit-tests them.

#include <memory>
#include <vector>

#include "skin/toolkit/skin_control.h"

class ISkinContainer {
 public:
  virtual CSkinControl* GetItemAt(int index) const = 0;
  virtual int GetItemIndex(const CSkinControl* control) const = 0;  // -1 when absent
  virtual int GetCount() const = 0;
  // The container takes the control; on failure the control is discarded.
  virtual bool Add(std::unique_ptr<CSkinControl> control) = 0;
  virtual bool AddAt(std::unique_ptr<CSkinControl> control, int index) = 0;
  virtual bool Remove(CSkinControl* control) = 0;
  virtual void RemoveAll() = 0;

 protected:
  ~ISkinContainer() = default;
};

class CSkinContainer : public CSkinControl, public ISkinContainer {
 public:
  CSkinContainer();
  ~CSkinContainer() override;

  const wchar_t* ClassLabel() const override { return L"SkinContainer"; }
  void* FindInterface(const wchar_t* name) override;

  CSkinControl* GetItemAt(int index) const override;
  int GetItemIndex(const CSkinControl* control) const override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  bool Add(std::unique_ptr<CSkinControl> control) override;
  bool AddAt(std::unique_ptr<CSkinControl> control, int index) override;
  bool Remove(CSkinControl* control) override;
  void RemoveAll() override;

  void SetInset(const skin::Rect& inset);
  const skin::Rect& GetInset() const { return inset_; }
  void SetChildPadding(int padding);
  int GetChildPadding() const { return childPadding_; }

  void BindManager(CSkinManager* manager, CSkinControl* parent, bool init) override;
  void SetVisible(bool visible) override;
  void SetInternVisible(bool visible) override;
  void SetPosition(const skin::Rect& rect, bool invalidate) override;
  CSkinControl* FindControlAt(POINT point) override;
  void ApplyAttribute(const wchar_t* name, const wchar_t* value) override;
  void Paint(HDC hdc, const skin::Rect& paintRect) override;

 protected:
  // The own rectangle less the inset.
  skin::Rect InnerRect() const;
  // Places the children inside `inner`; a plain container gives each
  // visible child the whole of it.
  virtual void LayoutChildren(const skin::Rect& inner);
  std::vector<skin::LayoutItem*> LayoutItems() const;

 private:
  // Hands a removed child to the manager for deletion after the current
  // message (it may be the control whose event is running), or deletes it.
  void Discard(std::unique_ptr<CSkinControl> control);

  std::vector<std::unique_ptr<CSkinControl>> items_;
  skin::Rect inset_{};
  int childPadding_ = 0;
};
