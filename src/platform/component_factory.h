// Making live components for classes known only by their class info (a form file's
// "object Button1: TButton", a user's class from the class table): the object gets the
// behaviour of its nearest ancestor that has a C++ type.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/component.h"

namespace platform {

class ComponentFactory {
 public:
  using Creator = std::function<std::unique_ptr<TComponent>(const TClassInfo* cls)>;

  // Registers the C++ type for a class name (letter case ignored); a later registration
  // of the same name replaces the earlier.
  void Register(const std::string& class_name, Creator creator);
  template <class T>
  void Register(const std::string& class_name) {
    Register(class_name, [](const TClassInfo* cls) { return std::make_unique<T>(cls); });
  }
  // A component of class cls, made by the creator of cls or of its nearest ancestor that
  // has one; nullptr only when cls is nullptr.
  std::unique_ptr<TComponent> Create(const TClassInfo* cls) const;

 private:
  std::unordered_map<std::string, Creator> creators_;  // by upper-cased class name
};

// Registers the platform's controls, forms, menus, actions, timers and image lists.
void AddStandardComponentTypes(ComponentFactory& factory);

}  // namespace platform
