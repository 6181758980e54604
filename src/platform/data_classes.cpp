#include "platform/builtin_classes_parts.h"

namespace platform {

void AddDataClasses(ClassRegistry& registry) {
  (void)registry;
}

}  // namespace platform
