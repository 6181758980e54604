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

std::unique_ptr<TComponent> NewComponent(const platform::TClassInfo* cls) {
  // A designed form is the platform's form, so its outer and client sizes answer for
  // each other as the border style says.
  if (cls->InheritsFrom("TCustomForm")) return std::make_unique<platform::TForm>(cls);
  if (cls->InheritsFrom("TWinControl")) return std::make_unique<TWinControl>(cls);
  if (cls->InheritsFrom("TControl")) return std::make_unique<platform::TControl>(cls);
  return std::make_unique<TComponent>(cls);
}

// The class of an object: from the class tables, else the root's from the form class's
// ancestor, else judged from what the form file shows of it (recorded in *inferred). A
// class judged non-visual only for want of a sign is kept in this form's own registry
// (guessed), so a later form whose objects of that class show it windowed still can.
const platform::TClassInfo* ResolveClass(platform::ClassRegistry& registry,
                                         platform::ClassRegistry& guessed, const DfmObject& object,
                                         bool is_root, std::string_view root_ancestor,
                                         std::optional<InferredClass>* inferred) {
  const std::string& name = object.class_name();
  if (const platform::TClassInfo* known = guessed.Find(name)) return known;
  if (is_root) {
    const platform::TClassInfo* ancestor =
        root_ancestor.empty() ? nullptr : registry.Find(root_ancestor);
    return registry.Add(name, ancestor != nullptr ? ancestor->Name() : "TForm", {}, nullptr);
  }
  *inferred = InferClass(registry, object);
  platform::ClassRegistry& target = (*inferred)->parent == "TComponent" ? guessed : registry;
  return target.Add(name, (*inferred)->parent, {}, nullptr);
}

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
                                               std::string_view root_ancestor, std::string* err) {
  std::shared_ptr<FormEditor> editor(new FormEditor(std::move(module), std::move(document)));
  editor->classes_ = std::move(registry);
  editor->guessed_classes_ = std::make_unique<platform::ClassRegistry>(editor->classes_.get());
  if (!editor->Build(editor->document_->root(), nullptr, nullptr, *editor->classes_, root_ancestor,
                     err)) {
    return nullptr;
  }
  // The designer opens with the form itself selected.
  editor->selection_.push_back(editor->root_.get());
  return editor;
}

bool FormEditor::Build(DfmObject& object, TComponent* owner, TComponent* parent,
                       platform::ClassRegistry& registry, std::string_view root_ancestor,
                       std::string* err) {
  const bool is_root = owner == nullptr;
  std::optional<InferredClass> inferred;
  const platform::TClassInfo* cls =
      ResolveClass(registry, *guessed_classes_, object, is_root, root_ancestor, &inferred);
  if (cls == nullptr) {
    if (err != nullptr) {
      *err = At(*document_, object) + "expected a class the host can register, found '" +
             object.class_name() + "'";
    }
    return false;
  }
  if (inferred) {
    inferred->file = document_->path();
    inferred_.push_back(std::move(*inferred));
  }
  std::unique_ptr<TComponent> made = NewComponent(cls);
  TComponent* component = made.get();
  try {
    made->SetName(object.name());
    if (is_root) {
      root_ = std::move(made);
    } else {
      owner->InsertComponent(std::move(made));
    }
  } catch (const platform::EComponentError&) {
    if (err != nullptr) {
      *err = At(*document_, object) + "expected a unique component name, found '" + object.name() +
             "'";
    }
    return false;
  }
  objects_[component] = &object;
  auto* control = dynamic_cast<platform::TControl*>(component);
  if (auto* parent_control = dynamic_cast<TWinControl*>(parent); control && parent_control) {
    control->SetParent(parent_control);
  }
  auto* form = is_root ? dynamic_cast<platform::TCustomForm*>(component) : nullptr;
  if (form != nullptr) {
    form->SetHasDesigner(true);
    form->SetLoading(true);
  }
  for (const DfmProperty& property : object.properties()) {
    if (SameTextAscii(property.name(), "TabOrder")) continue;  // applied with the siblings
    const Variant value = StoredValue(property);
    if (value.IsEmpty()) continue;  // lists, collections, binary: the file keeps them
    try {
      component->SetPropValue(property.name(), value, false);
    } catch (const platform::EConvertError&) {
      // A value of another kind than the class table says: the file keeps it as written
      // and the component reports the class default.
    }
  }
  if (form != nullptr) form->SetLoading(false);
  synced_[component] = component->StoredProperties();
  // Components of an inline frame belong to the frame, as its names are its own.
  TComponent* child_owner =
      is_root ? component : (object.kind() == DfmObjectKind::Inline ? component : owner);
  TComponent* child_parent =
      control != nullptr && dynamic_cast<TWinControl*>(component) ? component : parent;
  for (const auto& child : object.children()) {
    if (!Build(*child, child_owner, child_parent, registry, root_ancestor, err)) return false;
  }
  // The tab list follows the TabOrder values of the file, file order breaking ties.
  if (auto* win = dynamic_cast<TWinControl*>(component)) {
    std::vector<std::pair<int64_t, TWinControl*>> order;
    for (size_t i = 0; i < win->TabList().size(); ++i) {
      TWinControl* child = win->TabList()[i];
      const DfmProperty* tab = objects_[child]->FindProperty("TabOrder");
      const int64_t value = tab != nullptr && tab->value().kind == DfmValueKind::Integer
                                ? tab->value().integer
                                : INT32_MAX;
      order.emplace_back(value, child);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < order.size(); ++i) order[i].second->SetTabOrder(static_cast<int32_t>(i));
  }
  return true;
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
  if (component.GetPropValue(name) == before && objects_[&component]->FindProperty(name)) {
    return true;  // nothing changed: the file and the modified mark stay as they are
  }
  WriteProperty(component, name);
  return true;
}

void FormEditor::WriteProperty(TComponent& component, const std::string& name) {
  DfmObject& object = *objects_.at(&component);
  const Variant now = component.GetPropValue(name);
  const platform::PropInfo* info = component.ClassInfo().FindProperty(name);
  if (info != nullptr && info->has_default && now == info->default_value && !AlwaysStored(name)) {
    component.ClearPropValue(name);
    synced_[&component] = component.StoredProperties();
    if (object.RemoveProperty(name)) modified_ = true;
    return;
  }
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
    auto it = objects_.find(child);
    if (it == objects_.end()) continue;
    const DfmProperty* tab = it->second->FindProperty("TabOrder");
    const int64_t now = child->TabOrder();
    // Controls the file gives no tab order keep none, unless it is the one moved.
    if (tab == nullptr && child != moved) continue;
    if (tab == nullptr || tab->value().kind != DfmValueKind::Integer ||
        tab->value().integer != now) {
      it->second->SetProperty(tab != nullptr ? tab->name() : "TabOrder", DfmValue::Integer(now));
      modified_ = true;
    }
  }
}

void FormEditor::Rename(TComponent& component, const std::string& name) {
  const std::string old_name = component.Name();
  if (name == old_name) return;
  // The form shares one name space with its components, as the designer enforces: the
  // form cannot take a component's name, nor a component the form's.
  const bool taken = &component == root_.get() ? root_->FindComponent(name) != nullptr
                                               : SameTextAscii(name, root_->Name());
  if (taken) throw platform::EComponentError("A component named " + name + " already exists");
  component.SetName(name);
  FollowRename(component, old_name);
}

void FormEditor::FollowRename(TComponent& component, const std::string& old_name) {
  const std::string name = component.Name();
  objects_.at(&component)->Rename(name);
  // Every reference to the component in the form follows it.
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
  modified_ = true;
  if (&component != root_.get() && on_rename) on_rename(old_name, name);
}

void FormEditor::SyncFromComponents() {
  for (auto& [key, object] : objects_) {
    auto* component = const_cast<TComponent*>(key);
    if (component->Name() != object->name()) {
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
      if (object->RemoveProperty(name)) modified_ = true;
    }
    synced_[component] = component->StoredProperties();
    // Tab order moved on the objects.
    auto* win = dynamic_cast<TWinControl*>(component);
    if (win != nullptr && win->Parent() != nullptr) {
      const DfmProperty* tab = object->FindProperty("TabOrder");
      if (tab != nullptr && tab->value().integer != win->TabOrder()) {
        WriteTabOrders(*win->Parent(), nullptr);
      }
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
  for (const TComponent* selected : selection_) {
    if (objects_.count(selected) == 0) return fail("selection holds a component not on the form");
  }
  return true;
}

}  // namespace ide
