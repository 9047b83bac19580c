#pragma once
// Turns a skin file's element tree into fonts, window settings and a tree
// of controls.

#include <windows.h>

#include <memory>

#include "skin/markup/skin_markup.h"
#include "skin/toolkit/skin_control.h"
#include "skin/toolkit/skin_events.h"

class CSkinManager;

class CSkinBuilder {
 public:
  // `source` is a resource identifier (read from the resource of that id
  // and `type`), XML text beginning with "<", or a skin file name. With a
  // manager, the skin's fonts are registered and its `Window` attributes
  // applied to the manager's window. Gives the first top-level control, or
  // null when the skin has no valid root element or no control.
  std::unique_ptr<CSkinControl> Create(const wchar_t* source, const wchar_t* type, ISkinBuilderCallback* callback,
                                       CSkinManager* manager);

  // The parsed document, with its error text after a failed parse.
  const CSkinMarkup& Markup() const { return markup_; }

 private:
  bool Load(const wchar_t* source, const wchar_t* type);
  // Builds the controls of a node's children into `parent` (a container);
  // without a parent gives the first one built.
  std::unique_ptr<CSkinControl> BuildChildren(const CSkinMarkupNode& node, CSkinControl* parent, CSkinManager* manager);
  std::unique_ptr<CSkinControl> CreateControl(const wchar_t* tag);

  CSkinMarkup markup_;
  ISkinBuilderCallback* callback_ = nullptr;
};
