#include "platform/builtin_classes_parts.h"

namespace platform {

void AddStandardControlClasses(ClassRegistry& registry) {
  (void)registry;
}

}  // namespace platform
