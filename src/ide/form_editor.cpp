#include "ide/form_editor.h"

#include <algorithm>
#include <optional>

#include "ide/class_inference.h"
#include "ide/dfm_document.h"
#include "platform/classes.h"
#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/forms.h"

namespace ide {

using platform::PropKind;
using platform::SameTextAscii;
using platform::TComponent;
using platform::TWinControl;
using platform::Variant;

namespace {

// The designer's view of one component: it borrows the component from its form editor.
class DesignerComponent : public IOTAComponent, public INTAComponent {
 public:
  DesignerComponent(std::shared_ptr<FormEditor> editor, TComponent* component)
      : editor_(std::move(editor)), component_(component) {}

  std::string GetComponentType() override { return component_->ClassName(); }
  bool GetPropValueByName(const std::string& name, TPropBuffer& value) override {
    return editor_->GetProp(*component_, name, value);
  }
  bool SetPropByName(const std::string& name, const TPropBuffer& value) override {
    return editor_->SetProp(*component_, name, value);
  }
  bool Select(bool add_to_selection) override {
    editor_->Select(*component_, add_to_selection);
    return true;
  }
  TComponent* GetComponent() override { return component_; }

 private:
  std::shared_ptr<FormEditor> editor_;
  TComponent* component_;
};

class FormDesigner : public IFormDesigner {
 public:
  explicit FormDesigner(std::shared_ptr<FormEditor> editor) : editor_(std::move(editor)) {}
  TComponent* GetRoot() override { return editor_->Root(); }
  void Modified() override { editor_->MarkModified(); }

 private:
  std::shared_ptr<FormEditor> editor_;
};

// The form file's position of an object, for messages.
std::string At(const DfmDocument& document, const DfmObject& object) {
  return document.path() + ":" + std::to_string(object.line()) + ":1: ";
}

// Width, height and position are always written for a control, whatever their value, as
// the platform's streaming does; only real class defaults are dropped from the file.
bool AlwaysStored(std::string_view name) {
  return SameTextAscii(name, "Left") || SameTextAscii(name, "Top") ||
         SameTextAscii(name, "Width") || SameTextAscii(name, "Height") ||
         SameTextAscii(name, "TabOrder");
}

// The value of a form-file property as the live component stores it.
Variant StoredValue(const DfmProperty& property) {
  const DfmValue value = property.value();
  switch (value.kind) {
    case DfmValueKind::Set: {
      std::string text = "[";
      for (size_t i = 0; i < value.names.size(); ++i) {
        text += (i == 0 ? "" : ", ") + value.names[i];
      }
      return text + "]";
    }
    case DfmValueKind::Float:
      return value.text.empty() ? std::string(property.source_text()) : value.text;
    default:
      return value.AsVariant();
  }
}

// The form-file value for a live value, in the kind the class declares, else the kind the
// file used before, else the variant's own.
DfmValue FileValue(const Variant& value, std::optional<PropKind> kind,
                   std::optional<DfmValueKind> previous) {
  if (kind == PropKind::Enumeration || kind == PropKind::ComponentRef ||
      previous == DfmValueKind::Identifier) {
    return DfmValue::Identifier(value.AsString());
  }
  if (kind == PropKind::Set || previous == DfmValueKind::Set) {
    std::vector<std::string> names;
    std::string text = value.AsString();
    std::string current;
    for (char c : text) {
      if (c == '[' || c == ']' || c == ' ') continue;
      if (c == ',') {
        if (!current.empty()) names.push_back(current);
        current.clear();
      } else {
        current += c;
      }
    }
    if (!current.empty()) names.push_back(current);
    return DfmValue::Set(std::move(names));
  }
  if (previous == DfmValueKind::Float) {
    // A float keeps its type letter: the live value is the text the file gave it.
    if (auto number = DfmValue::ParseFloat(value.AsString())) return *number;
  }
  if (kind == PropKind::Integer) return DfmValue::Integer(value.AsInteger());
  if (kind == PropKind::Boolean) return DfmValue::Boolean(value.AsBoolean());
  if (kind == PropKind::Text) return DfmValue::String(value.AsString());
  switch (value.Type()) {
    case platform::VarType::Integer:
      return DfmValue::Integer(value.AsInteger());
    case platform::VarType::Boolean:
      return DfmValue::Boolean(value.AsBoolean());
    default:
      return DfmValue::String(value.AsString());
  }
}

bool IsAsciiIdentifier(std::string_view name) {
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (name.empty() || !letter(name[0])) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::unique_ptr<TComponent> NewComponent(const platform::TClassInfo* cls) {
  // A designed form is the platform's form, so its outer and client sizes answer for
  // each other as the border style says, and it stands on the screen like any window.
  if (cls->InheritsFrom("TCustomForm")) return std::make_unique<platform::TForm>(cls);
  if (cls->InheritsFrom("TWinControl")) return std::make_unique<TWinControl>(cls);
  if (cls->InheritsFrom("TControl")) return std::make_unique<platform::TControl>(cls);
  return std::make_unique<TComponent>(cls);
}

// The class of a form's root: from the class tables, else a descendant of root_ancestor
// (the form class's ancestor), else of TForm.
const platform::TClassInfo* RootClass(platform::ClassRegistry& registry, const std::string& name,
                                      std::string_view root_ancestor) {
  if (const platform::TClassInfo* known = registry.Find(name)) return known;
  const platform::TClassInfo* ancestor =
      root_ancestor.empty() ? nullptr : registry.Find(root_ancestor);
  return registry.Add(name, ancestor != nullptr ? ancestor->Name() : "TForm", {}, nullptr);
}

// Registers the root classes of a line of forms, each a descendant of the one before and
// the first of the class its unit declares (a form when that is unknown); returns the
// last class's name, or fallback when the line holds no form.
std::string RegisterLineage(platform::ClassRegistry& registry, const FormLineage& lineage,
                            const std::string& base_fallback, const std::string& fallback) {
  std::string parent = lineage.base_class.empty() ? base_fallback : lineage.base_class;
  for (const auto& form : lineage.forms) {
    const platform::TClassInfo* cls = RootClass(registry, form->root().class_name(), parent);
    if (cls == nullptr) break;
    parent = cls->Name();
  }
  return lineage.forms.empty() ? fallback : parent;
}

// Deeper than any real nesting of frames; it stops frames that hold themselves.
constexpr int kMaxFrameDepth = 16;

}  // namespace

FormEditor::FormEditor(std::weak_ptr<IOTAModule> module, std::unique_ptr<DfmDocument> document)
    : module_(std::move(module)), document_(std::move(document)) {}

FormEditor::~FormEditor() {
  // Components go before the tree that describes them.
  selection_.clear();
  root_.reset();
}

std::shared_ptr<FormEditor> FormEditor::Create(std::weak_ptr<IOTAModule> module,
                                               std::unique_ptr<DfmDocument> document,
                                               std::shared_ptr<platform::ClassRegistry> registry,
                                               std::string_view root_ancestor, std::string* err,
                                               const FormInheritance& inheritance) {
  std::shared_ptr<FormEditor> editor(new FormEditor(std::move(module), std::move(document)));
  editor->classes_ = std::move(registry);
  editor->guessed_classes_ = std::make_unique<platform::ClassRegistry>(editor->classes_.get());
  editor->frames_ = inheritance.frames;
  DfmDocument& own = *editor->document_;
  const DfmObject& root_object = own.root();
  const FormLineage& ancestors = inheritance.ancestors;
  if (root_object.kind() == DfmObjectKind::Inherited && !ancestors.missing.empty()) {
    editor->NoteMissing(ancestors.missing);
  }
  const std::string parent = RegisterLineage(
      *editor->classes_, ancestors, std::string(root_ancestor), std::string(root_ancestor));
  const platform::TClassInfo* cls = RootClass(*editor->classes_, root_object.class_name(), parent);
  if (cls == nullptr) {
    if (err != nullptr) {
      *err = At(own, root_object) + "expected a class the host can register, found '" +
             root_object.class_name() + "'";
    }
    return nullptr;
  }
  editor->root_ = NewComponent(cls);
  try {
    editor->root_->SetName(root_object.name());
  } catch (const platform::EComponentError&) {
    if (err != nullptr) {
      *err = At(own, root_object) + "expected a valid component name, found '" +
             root_object.name() + "'";
    }
    return nullptr;
  }
  TComponent* root = editor->root_.get();
  editor->order_[root] = 0;
  // A designed form keeps both sizes its files store while it loads.
  auto* designed = dynamic_cast<platform::TCustomForm*>(root);
  if (designed != nullptr) {
    designed->SetHasDesigner(true);
    designed->SetLoading(true);
  }
  // The ancestors' forms first, as the IDE streams a descendant in; what they leave is
  // what the form's own file is written against.
  if (root_object.kind() == DfmObjectKind::Inherited) {
    for (const auto& form : ancestors.forms) {
      if (!editor->Apply(form->root(), root, nullptr, false, *form, 0, err)) return nullptr;
      editor->ancestor_classes_.push_back(form->root().class_name());
    }
    editor->SortTabLists(root);
    editor->ancestors_[root] = {root->StoredProperties(), -1};
    editor->Snapshot(0);
  }
  if (!editor->Apply(root_object, root, nullptr, true, own, 0, err)) return nullptr;
  if (designed != nullptr) designed->SetLoading(false);
  editor->SortTabLists(root);
  for (auto& [component, object] : editor->objects_) {
    editor->synced_[component] = component->StoredProperties();
  }
  for (TComponent* component : editor->made_) {
    editor->synced_[component] = component->StoredProperties();
  }
  // The designer opens with the form itself selected.
  editor->selection_.push_back(root);
  editor->frames_ = nullptr;  // it borrows the host's finder, needed only while building
  return editor;
}

TComponent* FormEditor::Make(const DfmObject& object, TComponent* owner, TComponent* parent,
                             const DfmDocument& form, std::string* err) {
  if (object.kind() == DfmObjectKind::Inline && frames_) {
    // A frame's class comes from its own forms, when they can be found.
    RegisterLineage(*classes_, frames_(object.class_name()), "TFrame", "TFrame");
  }
  // A class no table knows is judged from what the form file shows of it.
  std::optional<InferredClass> inferred;
  // A class this form alone judged non-visual, for want of a sign, stays in its own
  // registry, so a later form that shows it windowed still can.
  const platform::TClassInfo* cls = guessed_classes_->Find(object.class_name());
  if (cls == nullptr) {
    inferred = InferClass(*classes_, object);
    platform::ClassRegistry& target =
        inferred->parent == "TComponent" ? *guessed_classes_ : *classes_;
    cls = target.Add(object.class_name(), inferred->parent, {}, nullptr);
  }
  if (cls == nullptr) {
    if (err != nullptr) {
      *err = At(form, object) + "expected a class the host can register, found '" +
             object.class_name() + "'";
    }
    return nullptr;
  }
  if (inferred) {
    inferred->file = form.path();
    inferred_.push_back(std::move(*inferred));
  }
  std::unique_ptr<TComponent> made = NewComponent(cls);
  TComponent* component = made.get();
  try {
    made->SetName(object.name());
    owner->InsertComponent(std::move(made));
  } catch (const platform::EComponentError&) {
    if (err != nullptr) {
      *err = At(form, object) + "expected a unique component name, found '" + object.name() + "'";
    }
    return nullptr;
  }
  auto* control = dynamic_cast<platform::TControl*>(component);
  if (auto* parent_control = dynamic_cast<TWinControl*>(parent); control && parent_control) {
    control->SetParent(parent_control);
  }
  order_[component] = made_.size() + 1;
  made_.push_back(component);
  return component;
}

bool FormEditor::Apply(const DfmObject& object, TComponent* component, TComponent* parent,
                       bool editable, const DfmDocument& form, int depth, std::string* err) {
  if (editable) {
    objects_[component] = const_cast<DfmObject*>(&object);
    components_[&object] = component;
  }
  for (const DfmProperty& property : object.properties()) {
    if (SameTextAscii(property.name(), "TabOrder")) {
      // Applied with the siblings, once every form has given its values.
      const DfmValue tab = property.value();
      if (tab.kind == DfmValueKind::Integer) tab_values_[component] = tab.integer;
      continue;
    }
    const Variant value = StoredValue(property);
    if (value.IsEmpty()) continue;  // lists, collections, binary: the file keeps them
    try {
      component->SetPropValue(property.name(), value, false);
    } catch (const platform::EConvertError&) {
      // A value of another kind than the class table says: the file keeps it as written
      // and the component reports the class default.
    }
  }
  // Components of an inline frame belong to the frame, as its names are its own; the
  // other components of a form belong to the form.
  const bool owns_children = component == root_.get() || frame_components_.count(component) != 0;
  TComponent* child_owner = owns_children ? component : component->Owner();
  auto* control = dynamic_cast<platform::TControl*>(component);
  TComponent* child_parent =
      control != nullptr && dynamic_cast<TWinControl*>(component) ? component : parent;
  for (const DfmObject* child : object.children()) {
    // An `inherited` object stands for the component of that name; so does an `inline`
    // one naming a frame the ancestors placed already.
    TComponent* existing = child->kind() != DfmObjectKind::Object
                               ? child_owner->FindComponent(child->name())
                               : nullptr;
    if (existing != nullptr && child->kind() == DfmObjectKind::Inline &&
        frame_components_.count(existing) == 0) {
      existing = nullptr;
    }
    if (existing != nullptr) {
      if (!Apply(*child, existing, child_parent, editable, form, depth, err)) return false;
      continue;
    }
    const size_t first = made_.size();
    TComponent* made = Make(*child, child_owner, child_parent, form, err);
    if (made == nullptr) return false;
    stream_parent_[made] = component;
    if (!editable) inherited_.insert(made);
    if (child->kind() == DfmObjectKind::Inline) {
      frame_components_.insert(made);
      if (!ApplyFrameForms(*child, made, child_parent, depth + 1, err)) return false;
      if (editable) {
        // What the frame's own forms left is what this form's inline object is written
        // against.
        SortTabLists(made);
        ancestors_[made] = {made->StoredProperties(), -1};
        Snapshot(first + 1);
      }
    }
    if (!Apply(*child, made, child_parent, editable, form, depth, err)) return false;
  }
  return true;
}

bool FormEditor::ApplyFrameForms(const DfmObject& object, TComponent* frame, TComponent* parent,
                                 int depth, std::string* err) {
  if (!frames_ || depth > kMaxFrameDepth) return true;
  const FormLineage lineage = frames_(object.class_name());
  if (!lineage.missing.empty()) NoteMissing(lineage.missing);
  // The root object of the frame's own form stands for the frame component; its children
  // are made inside the frame.
  for (const auto& form : lineage.forms) {
    if (!Apply(form->root(), frame, parent, false, *form, depth, err)) return false;
  }
  return true;
}

void FormEditor::SortTabLists(TComponent* component) {
  auto* win = dynamic_cast<TWinControl*>(component);
  if (win == nullptr) return;
  // The tab list follows the TabOrder values of the forms, the order made breaking ties.
  std::vector<std::pair<int64_t, TWinControl*>> order;
  for (TWinControl* child : win->TabList()) {
    auto tab = tab_values_.find(child);
    order.emplace_back(tab != tab_values_.end() ? tab->second : INT32_MAX, child);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < order.size(); ++i) order[i].second->SetTabOrder(static_cast<int32_t>(i));
  for (int i = 0; i < win->ControlCount(); ++i) SortTabLists(win->Controls(i));
}

void FormEditor::Snapshot(size_t first) {
  for (size_t i = first; i < made_.size(); ++i) {
    TComponent* component = made_[i];
    auto* win = dynamic_cast<TWinControl*>(component);
    ancestors_[component] = {component->StoredProperties(),
                             win != nullptr && win->Parent() != nullptr ? win->TabOrder() : -1};
  }
}

void FormEditor::NoteMissing(const std::string& class_name) {
  if (std::find(missing_ancestors_.begin(), missing_ancestors_.end(), class_name) ==
      missing_ancestors_.end()) {
    missing_ancestors_.push_back(class_name);
  }
}

DfmObject* FormEditor::FindObject(const TComponent& component) const {
  auto found = objects_.find(&component);
  return found != objects_.end() ? found->second : nullptr;
}

DfmObject& FormEditor::ObjectFor(TComponent& component) {
  if (DfmObject* object = FindObject(component)) return *object;
  DfmObject& parent = ObjectFor(*stream_parent_.at(&component));
  // In the ancestors' order: before the first inherited object that comes later there, or
  // the first of the form's own objects that the file does not place by position.
  const size_t order = order_.at(&component);
  size_t index = parent.children().size();
  for (size_t i = 0; i < parent.children().size(); ++i) {
    const DfmObject* sibling = parent.children()[i];
    auto other = components_.find(sibling);
    if (other == components_.end()) continue;
    const bool later_inherited = IsInherited(*other->second) && order_.at(other->second) > order;
    const bool own_unplaced = !IsInherited(*other->second) && !sibling->child_index();
    if (later_inherited || own_unplaced) {
      index = i;
      break;
    }
  }
  DfmObject& made =
      parent.AddChild(index, DfmObjectKind::Inherited, component.Name(), component.ClassName());
  objects_[&component] = &made;
  components_[&made] = &component;
  return made;
}

std::optional<int64_t> FormEditor::WrittenTabOrder(const TComponent& component) const {
  if (const DfmObject* object = FindObject(component)) {
    if (const DfmProperty* tab = object->FindProperty("TabOrder")) {
      const DfmValue value = tab->value();
      if (value.kind == DfmValueKind::Integer) return value.integer;
    }
  }
  auto ancestor = ancestors_.find(&component);
  if (ancestor != ancestors_.end() && ancestor->second.tab_order >= 0) {
    return ancestor->second.tab_order;
  }
  return std::nullopt;
}

std::string FormEditor::GetFileName() {
  return document_->path();
}

std::shared_ptr<IOTAComponent> FormEditor::Wrap(TComponent* component) {
  if (component == nullptr) return nullptr;
  return std::make_shared<DesignerComponent>(shared_from_this(), component);
}

std::shared_ptr<IOTAComponent> FormEditor::GetRootComponent() {
  return Wrap(root_.get());
}

std::shared_ptr<IOTAComponent> FormEditor::FindComponent(const std::string& name) {
  // The form answers to its own name like any of its components.
  if (!name.empty() && SameTextAscii(name, root_->Name())) return Wrap(root_.get());
  return Wrap(root_->FindComponent(name));
}

std::shared_ptr<IOTAComponent> FormEditor::GetSelComponent(int index) {
  if (index < 0 || index >= GetSelCount()) return nullptr;
  return Wrap(selection_[index]);
}

std::shared_ptr<IFormDesigner> FormEditor::GetFormDesigner() {
  return std::make_shared<FormDesigner>(shared_from_this());
}

void FormEditor::Select(TComponent& component, bool add_to_selection) {
  // As in the IDE's designer the form is never selected together with its components:
  // selecting the form clears the rest, selecting a component drops the form. The list
  // keeps the order of selection; its first entry is the tools' reference.
  if (!add_to_selection || &component == root_.get()) selection_.clear();
  std::erase(selection_, root_.get());
  if (std::find(selection_.begin(), selection_.end(), &component) == selection_.end()) {
    selection_.push_back(&component);
  }
}

bool FormEditor::GetProp(TComponent& component, const std::string& name, TPropBuffer& value) {
  if (!component.HasProperty(name)) return false;
  const Variant stored = component.GetPropValue(name);
  try {
    if (std::holds_alternative<int32_t>(value)) {
      value = stored.AsInteger();
    } else if (std::holds_alternative<bool>(value)) {
      value = stored.AsBoolean();
    } else {
      value = stored.AsString();
    }
  } catch (const platform::EConvertError&) {
    return false;
  }
  return true;
}

bool FormEditor::SetProp(TComponent& component, const std::string& name, const TPropBuffer& value) {
  Variant wanted;
  if (const auto* i = std::get_if<int32_t>(&value)) {
    wanted = *i;
  } else if (const auto* b = std::get_if<bool>(&value)) {
    wanted = *b;
  } else {
    wanted = std::get<std::string>(value);
  }
  if (SameTextAscii(name, "Name")) {
    Rename(component, wanted.AsString());  // an invalid or taken name raises to the caller
    return true;
  }
  if (!component.HasProperty(name)) return false;
  const Variant before = component.GetPropValue(name);
  try {
    component.SetPropValue(name, wanted);
  } catch (const platform::Exception&) {
    return false;
  }
  if (SameTextAscii(name, "TabOrder")) {
    auto* control = dynamic_cast<platform::TControl*>(&component);
    if (control != nullptr && control->Parent() != nullptr) {
      WriteTabOrders(*control->Parent(), control);
    }
    return true;
  }
  const DfmObject* object = FindObject(component);
  if (component.GetPropValue(name) == before &&
      (ancestors_.count(&component) != 0 || (object != nullptr && object->FindProperty(name)))) {
    return true;  // nothing changed: the file and the modified mark stay as they are
  }
  WriteProperty(component, name);
  return true;
}

void FormEditor::WriteProperty(TComponent& component, const std::string& name) {
  const Variant now = component.GetPropValue(name);
  const platform::PropInfo* info = component.ClassInfo().FindProperty(name);
  if (auto ancestor = ancestors_.find(&component); ancestor != ancestors_.end()) {
    // A descendant stores only what differs from its ancestors: a value back at theirs
    // leaves the form's file.
    const auto& values = ancestor->second.values;
    auto was = std::find_if(values.begin(), values.end(),
                            [&](const auto& entry) { return SameTextAscii(entry.first, name); });
    const bool at_default = info != nullptr && info->has_default && now == info->default_value;
    if (was != values.end() ? now == was->second : at_default) {
      if (was == values.end()) component.ClearPropValue(name);
      synced_[&component] = component.StoredProperties();
      DfmObject* object = FindObject(component);
      if (object != nullptr && object->RemoveProperty(name)) modified_ = true;
      return;
    }
  } else if (info != nullptr && info->has_default && now == info->default_value &&
             !AlwaysStored(name)) {
    DfmObject& object = ObjectFor(component);
    component.ClearPropValue(name);
    synced_[&component] = component.StoredProperties();
    if (object.RemoveProperty(name)) modified_ = true;
    return;
  }
  DfmObject& object = ObjectFor(component);
  std::optional<DfmValueKind> previous;
  std::string file_name = info != nullptr ? info->name : name;
  if (const DfmProperty* existing = object.FindProperty(name)) {
    previous = existing->kind();
    file_name = existing->name();
  }
  object.SetProperty(file_name, FileValue(now, component.PropertyKind(name), previous));
  synced_[&component] = component.StoredProperties();
  modified_ = true;
}

void FormEditor::WriteTabOrders(TComponent& parent, const TComponent* moved) {
  auto* win = dynamic_cast<TWinControl*>(&parent);
  if (win == nullptr) return;
  for (TWinControl* child : win->TabList()) {
    DfmObject* object = FindObject(*child);
    const DfmProperty* tab = object != nullptr ? object->FindProperty("TabOrder") : nullptr;
    const int64_t now = child->TabOrder();
    auto ancestor = ancestors_.find(child);
    if (ancestor != ancestors_.end() && ancestor->second.tab_order >= 0) {
      // An inherited control: its tab order is written where it differs from the
      // ancestors', under an `inherited` object made for it when needed.
      if (WrittenTabOrder(*child) == now) continue;
      if (now == ancestor->second.tab_order) {
        object->RemoveProperty("TabOrder");
      } else {
        ObjectFor(*child).SetProperty(tab != nullptr ? tab->name() : "TabOrder",
                                      DfmValue::Integer(now));
      }
      modified_ = true;
      continue;
    }
    if (object == nullptr) continue;
    // Controls the file gives no tab order keep none, unless it is the one moved.
    if (tab == nullptr && child != moved) continue;
    if (tab == nullptr || tab->value().kind != DfmValueKind::Integer ||
        tab->value().integer != now) {
      object->SetProperty(tab != nullptr ? tab->name() : "TabOrder", DfmValue::Integer(now));
      modified_ = true;
    }
  }
}

void FormEditor::Rename(TComponent& component, const std::string& name) {
  const std::string old_name = component.Name();
  if (name == old_name) return;
  // Forms may carry names in any script, written by later IDE versions; a name given here
  // keeps the Delphi 6 rule of ASCII letters, digits and underscores.
  if (!IsAsciiIdentifier(name)) {
    throw platform::EComponentError("'" + name + "' is not a valid component name");
  }
  // A component of an ancestor form is named there, as the designer holds it.
  if (IsInherited(component)) {
    throw platform::EComponentError("Cannot rename " + old_name +
                                    ": it was introduced in an ancestor form");
  }
  // The form shares one name space with its components, as the designer enforces: the
  // form cannot take a component's name, nor a component the form's.
  const bool taken = &component == root_.get() ? root_->FindComponent(name) != nullptr
                                               : SameTextAscii(name, root_->Name());
  if (taken) throw platform::EComponentError("A component named " + name + " already exists");
  if (&component != root_.get() && on_rename_check) {
    if (const std::string why = on_rename_check(old_name, name); !why.empty())
      throw platform::EComponentError("Cannot rename " + old_name + ": " + why);
  }
  component.SetName(name);
  FollowRename(component, old_name);
}

void FormEditor::FollowRename(TComponent& component, const std::string& old_name) {
  const std::string name = component.Name();
  ObjectFor(component).Rename(name);
  FollowReferences(old_name, name);
  modified_ = true;
  if (&component != root_.get() && on_rename) on_rename(old_name, name);
}

bool FormEditor::DescendsFrom(const std::string& form_class) const {
  return std::any_of(ancestor_classes_.begin(), ancestor_classes_.end(),
                     [&](const std::string& cls) { return SameTextAscii(cls, form_class); });
}

bool FormEditor::FollowAncestorRename(const std::string& old_name, const std::string& new_name) {
  TComponent* component = root_->FindComponent(old_name);
  if (component == nullptr || !IsInherited(*component)) return false;
  component->SetName(new_name);
  // The form file names the component only when it changes something on it.
  if (DfmObject* object = FindObject(*component)) object->Rename(new_name);
  FollowReferences(old_name, new_name);
  modified_ = true;
  return true;
}

void FormEditor::FollowReferences(const std::string& old_name, const std::string& name) {
  for (auto& [other, object] : objects_) {
    std::vector<std::string> refs;
    for (const DfmProperty& property : object->properties()) {
      if (property.kind() != DfmValueKind::Identifier) continue;
      if (!SameTextAscii(property.value().text, old_name)) continue;
      const auto kind = other->PropertyKind(property.name());
      if (kind && *kind != PropKind::ComponentRef && *kind != PropKind::Other &&
          *kind != PropKind::Text) {
        continue;  // an enumeration value that happens to spell the name
      }
      refs.push_back(property.name());
    }
    for (const std::string& ref : refs) {
      object->SetProperty(ref, DfmValue::Identifier(name));
      const_cast<TComponent*>(other)->SetPropValue(ref, name, false);
    }
    if (!refs.empty()) synced_[other] = other->StoredProperties();
  }
}

void FormEditor::SyncFromComponents() {
  // Writing may add `inherited` objects, so the walk is over the components.
  std::vector<TComponent*> components{root_.get()};
  components.insert(components.end(), made_.begin(), made_.end());
  for (TComponent* component : components) {
    // An inherited component's name is the ancestor form's, which the written form cannot
    // change; the designer refuses such a rename before it happens.
    if (const DfmObject* object = FindObject(*component);
        !IsInherited(*component) && object != nullptr && component->Name() != object->name()) {
      const std::string old_name = object->name();  // a copy: the rename changes the object
      FollowRename(*component, old_name);
    }
    const auto before = synced_[component];
    const auto& now = component->StoredProperties();
    auto find = [](const auto& list, const std::string& name) {
      return std::find_if(list.begin(), list.end(),
                          [&](const auto& entry) { return SameTextAscii(entry.first, name); });
    };
    std::vector<std::string> changed;
    for (const auto& [name, value] : now) {
      auto was = find(before, name);
      if (was == before.end() || was->second != value) changed.push_back(name);
    }
    std::vector<std::string> cleared;
    for (const auto& [name, value] : before) {
      if (find(now, name) == now.end()) cleared.push_back(name);
    }
    for (const std::string& name : changed) WriteProperty(*component, name);
    for (const std::string& name : cleared) {
      DfmObject* object = FindObject(*component);
      if (object != nullptr && object->RemoveProperty(name)) modified_ = true;
    }
    synced_[component] = component->StoredProperties();
    // Tab order moved on the objects.
    auto* win = dynamic_cast<TWinControl*>(component);
    if (win != nullptr && win->Parent() != nullptr) {
      const std::optional<int64_t> tab = WrittenTabOrder(*win);
      if (tab && *tab != win->TabOrder()) WriteTabOrders(*win->Parent(), nullptr);
    }
  }
}

bool FormEditor::CheckConsistency(std::string* err) const {
  auto fail = [err](std::string message) {
    if (err != nullptr) *err = std::move(message);
    return false;
  };
  if (!root_->CheckTree(err)) return false;
  if (auto* win = dynamic_cast<const TWinControl*>(root_.get()); win && !win->CheckControls(err)) {
    return false;
  }
  const std::vector<DfmObject*> all = AllObjects(document_->root());
  if (all.size() != objects_.size()) {
    return fail("form file has " + std::to_string(all.size()) + " objects, designer has " +
                std::to_string(objects_.size()) + " components");
  }
  for (const auto& [component, object] : objects_) {
    if (std::find(all.begin(), all.end(), object) == all.end()) {
      return fail(component->Name() + ": no object in the form file");
    }
    if (object->name() != component->Name()) {
      return fail(component->Name() + ": form file names it " + object->name());
    }
    if (!SameTextAscii(object->class_name(), component->ClassName())) {
      return fail(component->Name() + ": form file gives class " + object->class_name());
    }
  }
  for (const auto& [component, object] : objects_) {
    auto back = components_.find(object);
    if (back == components_.end() || back->second != component) {
      return fail(component->Name() + ": its object in the form file is not its own");
    }
  }
  for (const TComponent* selected : selection_) {
    if (order_.count(selected) == 0) return fail("selection holds a component not on the form");
  }
  return true;
}

}  // namespace ide
