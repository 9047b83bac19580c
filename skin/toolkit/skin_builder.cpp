#include "skin/toolkit/skin_builder.h"

#include <string>

#include "skin/toolkit/skin_button.h"
#include "skin/toolkit/skin_layouts.h"
#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_progress.h"
#include "skin/toolkit/skin_values.h"

namespace {

// Tags that describe the skin rather than controls.
bool IsDescriptionTag(const wchar_t* tag) {
  for (const wchar_t* name : {L"Image", L"Font", L"Default", L"MultiLanguage"}) {
    if (skin::EqualsIgnoringCase(tag, name)) return true;
  }
  return false;
}

void RegisterFont(const CSkinMarkupNode& node, CSkinManager& manager) {
  int id = -1;
  int size = 12;
  std::wstring face;
  bool bold = false, underline = false, italic = false, isDefault = false;
  for (std::size_t i = 0; i < node.AttributeCount(); ++i) {
    const std::wstring name = node.AttributeName(i);
    const wchar_t* value = node.AttributeValue(i);
    const bool flag = skin::EqualsIgnoringCase(value, L"true");
    if (name == L"id") {
      id = skin::ParseNumber(value);
    } else if (name == L"name") {
      face = value;
    } else if (name == L"size") {
      size = skin::ParseNumber(value);
    } else if (name == L"bold") {
      bold = flag;
    } else if (name == L"underline") {
      underline = flag;
    } else if (name == L"italic") {
      italic = flag;
    } else if (name == L"default") {
      isDefault = flag;
    }
  }
  // A font without an id (or without a face) registers nothing.
  if (id < 0 || face.empty()) return;
  manager.AddFont(id, face, size, bold, underline, italic);
  if (isDefault) manager.SetDefaultFont(face, size, bold, underline, italic);
}

void ApplyWindowAttributes(const CSkinMarkupNode& window, CSkinManager& manager) {
  for (std::size_t i = 0; i < window.AttributeCount(); ++i) {
    const wchar_t* name = window.AttributeName(i);
    const wchar_t* value = window.AttributeValue(i);
    if (skin::EqualsIgnoringCase(name, L"size")) {
      const skin::Size size = skin::ParseSize(value);
      manager.SetInitSize(size.cx, size.cy);
      ::SetWindowPos(manager.GetPaintWindow(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    } else if (skin::EqualsIgnoringCase(name, L"caption")) {
      manager.SetCaptionRect(skin::ParseRect(value));
    }
  }
}

}  // namespace

std::unique_ptr<CSkinControl> CSkinBuilder::Create(const wchar_t* source, const wchar_t* type,
                                                   ISkinBuilderCallback* callback, CSkinManager* manager) {
  callback_ = callback;
  if (source == nullptr || !Load(source, type)) return nullptr;
  const CSkinMarkupNode root = markup_.Root();
  if (!root.IsValid()) return nullptr;
  if (manager != nullptr) {
    for (CSkinMarkupNode child = root.FirstChild(); child.IsValid(); child = child.NextSibling()) {
      if (skin::EqualsIgnoringCase(child.Name(), L"Font")) RegisterFont(child, *manager);
    }
    if (skin::EqualsIgnoringCase(root.Name(), L"Window") && manager->GetPaintWindow() != nullptr) {
      ApplyWindowAttributes(root, *manager);
    }
  }
  return BuildChildren(root, nullptr, manager);
}

bool CSkinBuilder::Load(const wchar_t* source, const wchar_t* type) {
  if (IS_INTRESOURCE(source)) {
    const HMODULE module = CSkinManager::GetResourceInstance();
    const HRSRC resource = ::FindResourceW(module, source, type);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) return false;
    return markup_.LoadFromMemory(bytes, ::SizeofResource(module, resource), MarkupEncoding::Utf8);
  }
  if (source[0] == L'<') return markup_.LoadFromString(source);
  return markup_.LoadFromFile(source, MarkupEncoding::Utf8);
}

std::unique_ptr<CSkinControl> CSkinBuilder::CreateControl(const wchar_t* tag) {
  if (skin::EqualsIgnoringCase(tag, L"VerticalLayout")) return std::make_unique<CSkinVLayout>();
  if (skin::EqualsIgnoringCase(tag, L"HorizontalLayout")) return std::make_unique<CSkinHLayout>();
  if (skin::EqualsIgnoringCase(tag, L"Label")) return std::make_unique<CSkinLabel>();
  if (skin::EqualsIgnoringCase(tag, L"Button")) return std::make_unique<CSkinButton>();
  if (skin::EqualsIgnoringCase(tag, L"Progress")) return std::make_unique<CSkinProgress>();
  return callback_ != nullptr ? callback_->CreateControl(tag) : nullptr;
}

std::unique_ptr<CSkinControl> CSkinBuilder::BuildChildren(const CSkinMarkupNode& node, CSkinControl* parent,
                                                          CSkinManager* manager) {
  std::unique_ptr<CSkinControl> first;
  for (CSkinMarkupNode element = node.FirstChild(); element.IsValid(); element = element.NextSibling()) {
    if (IsDescriptionTag(element.Name())) continue;
    std::unique_ptr<CSkinControl> control = CreateControl(element.Name());
    if (!control) continue;  // unknown tag: skipped with everything inside it
    CSkinControl* created = control.get();
    // Children first, so that attributes such as `visible` reach them.
    if (element.HasChildren()) BuildChildren(element, created, manager);
    if (parent != nullptr) {
      ISkinContainer* container = parent->AsContainer();
      if (container == nullptr || !container->Add(std::move(control))) continue;
    }
    // Bound while its attributes apply, so that they reach the manager.
    if (manager != nullptr) created->BindManager(manager, parent, false);
    for (std::size_t i = 0; i < element.AttributeCount(); ++i) {
      created->ApplyAttribute(element.AttributeName(i), element.AttributeValue(i));
    }
    if (manager != nullptr) created->BindManager(nullptr, parent, false);
    // Only the first top-level control is the result; nothing would own others.
    if (parent == nullptr && !first) first = std::move(control);
  }
  return first;
}
