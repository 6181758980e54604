// Class knowledge: names, ancestry and published properties of component classes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/variant.h"

namespace platform {

// Kinds of published properties, as the object inspector and the form file know them.
enum class PropKind {
  Integer,
  Text,
  Boolean,
  Enumeration,  // an identifier value such as alTop
  Set,          // [akLeft, akTop], held as its text
  Float,
  ComponentRef,  // the name of another component of the same root (FocusControl, DataSource)
  Strings,       // a string list such as Items or Lines
  Other          // collections, binary data, anything else the form file holds as is
};

struct PropInfo {
  std::string name;
  PropKind kind = PropKind::Other;
  Variant default_value;     // the class default; a value equal to it is not stored
  bool has_default = false;  // false: always stored when set
  // False when the class keeps an ancestor's property unpublished (a tab sheet's
  // TabOrder): the designer neither shows nor writes it.
  bool published = true;
};

// Hashing and comparing names with ASCII letter case ignored, as Pascal names compare.
struct NameHash {
  using is_transparent = void;
  size_t operator()(std::string_view name) const;
};
struct NameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// One class: its name, its parent class and the properties it publishes itself.
class TClassInfo {
 public:
  TClassInfo(std::string name, const TClassInfo* parent, std::vector<PropInfo> properties);

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  // True when this class is class_name or descends from it (letter case ignored).
  bool InheritsFrom(std::string_view class_name) const;
  // The published property of that name in this class or an ancestor, or nullptr (also
  // when the nearest class that names it leaves it unpublished).
  const PropInfo* FindProperty(std::string_view name) const;
  // Every published property, ancestors' first.
  std::vector<const PropInfo*> Properties() const;

 private:
  std::string name_;
  const TClassInfo* parent_;
  std::vector<PropInfo> properties_;
  // Every property name of the class and its ancestors to the nearest class naming it,
  // made on the first lookup: forms look properties up by name for every value they set.
  using PropertyIndex = std::unordered_map<std::string, const PropInfo*, NameHash, NameEqual>;
  mutable std::shared_ptr<const PropertyIndex> index_;
};

// A set of classes that can name parents in itself or in a fallback registry.
class ClassRegistry {
 public:
  explicit ClassRegistry(const ClassRegistry* fallback = nullptr) : fallback_(fallback) {}

  // Adds a class; its parent must already be known here or in the fallback.
  // Returns nullptr and fills err when the name is taken or the parent is unknown.
  const TClassInfo* Add(std::string name, std::string_view parent_name,
                        std::vector<PropInfo> properties, std::string* err);
  // The class of that name (letter case ignored) here or in the fallback, or nullptr.
  const TClassInfo* Find(std::string_view name) const;

 private:
  const ClassRegistry* fallback_;
  std::vector<std::unique_ptr<TClassInfo>> classes_;
  std::unordered_map<std::string, const TClassInfo*, NameHash, NameEqual> by_name_;
};

// The platform's own classes (TComponent, TControl, TWinControl, TForm, the standard
// controls, datasets): immutable class knowledge shared by every registry.
const ClassRegistry& BuiltinClasses();

// ASCII upper-casing used for names of classes, components and properties.
std::string UpperAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace platform
