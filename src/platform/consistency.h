// One consistency check over a window (or any root component) for tests: ownership,
// parents and tab lists, menus, tree views and the selections of list controls.
#pragma once

#include <string>

#include "platform/component.h"

namespace platform {

// True when every tree below root is whole: owned components (unique names, owner
// links), controls (parent links, tab lists), menu item trees, tree view nodes, and the
// indexes of combo boxes, radio groups and page controls point at what exists.
// Otherwise false, with the first fault in *err.
bool CheckConsistency(const TComponent& root, std::string* err);

}  // namespace platform
