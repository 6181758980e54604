// The built-in class list is assembled from one part per area of the platform.
#pragma once

#include "platform/classes.h"

namespace platform {

// Standard, additional, win32 and system controls, menus, timers, image lists.
void AddStandardControlClasses(ClassRegistry& registry);
// Datasets, fields' owners, data sources and data-aware controls.
void AddDataClasses(ClassRegistry& registry);

}  // namespace platform
