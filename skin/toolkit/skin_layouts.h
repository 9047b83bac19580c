#pragma once
// The two layouts of the skins: children stacked top to bottom, or lined up
// left to right, with the toolkit's two-pass sizing.

#include "skin/toolkit/skin_container.h"

class CSkinVLayout : public CSkinContainer {
 public:
  const wchar_t* ClassLabel() const override { return L"SkinVerticalLayout"; }
  void* FindInterface(const wchar_t* name) override;

 protected:
  void LayoutChildren(const skin::Rect& inner) override;
};

class CSkinHLayout : public CSkinContainer {
 public:
  const wchar_t* ClassLabel() const override { return L"SkinHorizontalLayout"; }
  void* FindInterface(const wchar_t* name) override;

 protected:
  void LayoutChildren(const skin::Rect& inner) override;
};
