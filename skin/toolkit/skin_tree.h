#pragma once
// Walks a control tree: a container before its children, children in list
// order.

#include "skin/toolkit/skin_container.h"

// Calls `visit` for every control; a visit that answers false skips the
// control's children.
template <typename Visit>
void VisitControlTree(CSkinControl* control, Visit&& visit) {
  if (control == nullptr || !visit(*control)) return;
  if (ISkinContainer* container = control->AsContainer()) {
    for (int i = 0; i < container->GetCount(); ++i) VisitControlTree(container->GetItemAt(i), visit);
  }
}
