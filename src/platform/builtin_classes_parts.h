// The built-in class list is assembled from one part per area of the platform.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/classes.h"

namespace platform {

// Shorthands for property lists: Int("Left", 0) publishes Left with default 0.
inline PropInfo Int(std::string name, int32_t def) {
  return {std::move(name), PropKind::Integer, def, true};
}
inline PropInfo IntStored(std::string name) {
  return {std::move(name), PropKind::Integer, {}, false};
}
// An ancestor's property the class keeps unpublished (a tab sheet's TabOrder).
inline PropInfo Unpublished(std::string name) {
  PropInfo info{std::move(name), PropKind::Integer, {}, false};
  info.published = false;
  return info;
}
inline PropInfo Bool(std::string name, bool def) {
  return {std::move(name), PropKind::Boolean, def, true};
}
inline PropInfo Text(std::string name) {
  return {std::move(name), PropKind::Text, std::string(), true};
}
inline PropInfo Enum(std::string name, std::string def) {
  return {std::move(name), PropKind::Enumeration, std::move(def), true};
}
inline PropInfo Ref(std::string name) {
  return {std::move(name), PropKind::ComponentRef, std::string(), true};
}

inline void AddOrDie(ClassRegistry& registry, std::string name, std::string_view parent,
                     std::vector<PropInfo> properties) {
  std::string err;
  if (registry.Add(std::move(name), parent, std::move(properties), &err) == nullptr) {
    throw std::logic_error(err);
  }
}

// Standard, additional, win32 and system controls, menus, timers, image lists.
void AddStandardControlClasses(ClassRegistry& registry);
// Datasets, fields' owners, data sources and data-aware controls.
void AddDataClasses(ClassRegistry& registry);

}  // namespace platform
