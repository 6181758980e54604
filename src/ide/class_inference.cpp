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

namespace {

// What one object shows of its class, ranked: the strongest sign among all the objects of
// the class in the file wins, so an object that stores little (an inherited one) does not
// decide for the others.
struct Judgement {
  int rank;
  const char* parent;
  const char* reason;
};

Judgement Judge(const platform::ClassRegistry& registry, const DfmObject& object) {
  if (object.kind() == DfmObjectKind::Inline) return {5, "TFrame", "placed inline"};
  if (Stores(object, "TabOrder")) return {4, "TWinControl", "stores TabOrder"};
  for (const DfmObject* child : object.children()) {
    if (IsControl(registry, *child)) return {4, "TWinControl", "holds controls"};
  }
  if (HoldsField(registry, object)) return {3, "TDataSet", "holds persistent fields"};
  // A field of a class no table knows, listed inside a dataset: its FieldName says so.
  const DfmObject* holder = object.parent();
  const platform::TClassInfo* holder_class =
      holder != nullptr ? registry.Find(holder->class_name()) : nullptr;
  if (holder_class != nullptr && holder_class->InheritsFrom("TDataSet") &&
      Stores(object, "FieldName")) {
    return {2, "TField", "a dataset's field"};
  }
  return {1, "TComponent", "no trace of a control or a dataset"};
}

}  // namespace

InferredClass InferClass(const platform::ClassRegistry& registry, const DfmObject& object) {
  const DfmObject* top = &object;
  while (top->parent() != nullptr) top = top->parent();
  const DfmObject* best_object = &object;
  Judgement best = Judge(registry, object);
  for (const DfmObject* other : AllObjects(const_cast<DfmObject&>(*top))) {
    if (other == &object || !platform::SameTextAscii(other->class_name(), object.class_name())) {
      continue;
    }
    const Judgement judged = Judge(registry, *other);
    if (judged.rank > best.rank) {
      best = judged;
      best_object = other;
    }
  }
  InferredClass inferred;
  inferred.name = object.class_name();
  inferred.parent = best.parent;
  inferred.reason = best.reason;
  inferred.line = best_object->line();
  return inferred;
}

}  // namespace ide
