#include "ide/class_inference.h"

#include "ide/dfm_document.h"
#include "platform/classes.h"

namespace ide {

namespace {

bool Stores(const DfmObject& object, std::string_view property) {
  return object.FindProperty(property) != nullptr;
}

// True when the object is a control: of a known control class, placed inline (a frame),
// or of an unknown class that is itself windowed by the same rules.
bool IsControl(const platform::ClassRegistry& registry, const DfmObject& object) {
  if (object.kind() == DfmObjectKind::Inline) return true;
  if (const platform::TClassInfo* known = registry.Find(object.class_name())) {
    return known->InheritsFrom("TControl");
  }
  if (Stores(object, "TabOrder")) return true;
  for (const DfmObject* child : object.children()) {
    if (IsControl(registry, *child)) return true;
  }
  return false;
}

bool HoldsField(const platform::ClassRegistry& registry, const DfmObject& object) {
  for (const DfmObject* child : object.children()) {
    const platform::TClassInfo* known = registry.Find(child->class_name());
    if (known != nullptr && known->InheritsFrom("TField")) return true;
  }
  return false;
}

}  // namespace

InferredClass InferClass(const platform::ClassRegistry& registry, const DfmObject& object) {
  InferredClass inferred;
  inferred.name = object.class_name();
  inferred.line = object.line();
  auto as = [&](std::string parent, std::string reason) {
    inferred.parent = std::move(parent);
    inferred.reason = std::move(reason);
    return inferred;
  };
  if (object.kind() == DfmObjectKind::Inline) return as("TFrame", "placed inline");
  if (Stores(object, "TabOrder")) return as("TWinControl", "stores TabOrder");
  for (const DfmObject* child : object.children()) {
    if (IsControl(registry, *child)) return as("TWinControl", "holds controls");
  }
  if (HoldsField(registry, object)) return as("TDataSet", "holds persistent fields");
  // A field of a class no table knows, listed inside a dataset: its FieldName says so.
  const DfmObject* holder = object.parent();
  const platform::TClassInfo* holder_class =
      holder != nullptr ? registry.Find(holder->class_name()) : nullptr;
  if (holder_class != nullptr && holder_class->InheritsFrom("TDataSet") &&
      Stores(object, "FieldName")) {
    return as("TField", "a dataset's field");
  }
  return as("TComponent", "no trace of a control or a dataset");
}

}  // namespace ide
