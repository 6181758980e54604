#include "platform/component.h"

#include <algorithm>
#include <cctype>

#include "platform/exceptions.h"

namespace platform {

namespace {

// Letters of any script count, as later platform versions read them from form files
// (Añadir); the designer holds names it is given to ASCII.
bool IsValidIdent(const std::string& name) {
  if (name.empty()) return false;
  const auto letter = [](unsigned char u) { return std::isalpha(u) != 0 || u == '_' || u >= 0x80; };
  if (!letter(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) {
    const auto u = static_cast<unsigned char>(c);
    return letter(u) || std::isdigit(u) != 0;
  });
}

}  // namespace

TComponent::TComponent(const TClassInfo* cls) : class_(cls) {
  if (class_ == nullptr) class_ = BuiltinClasses().Find("TComponent");
}

TComponent::~TComponent() {
  if (peer_ != nullptr) peer_->ComponentDestroyed(*this);
  // Owned components go last-created first, as the platform destroys them.
  while (!components_.empty()) {
    std::unique_ptr<TComponent> child = std::move(components_.back());
    components_.pop_back();
    child->owner_ = nullptr;
    child->BeforeDestruction();
    child.reset();
  }
}

void TComponent::Free() {
  if (owner_ == nullptr) {
    throw EInvalidOperation("Component " + name_ + " has no owner to free it");
  }
  BeforeDestruction();
  std::unique_ptr<TComponent> self = owner_->RemoveComponent(this);
  self.reset();
}

bool TComponent::ClassNameIs(std::string_view name) const {
  return SameTextAscii(class_->Name(), name);
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError("'" + name + "' is not a valid component name");
  }
  if (owner_ != nullptr && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other != nullptr && other != this) {
      throw EComponentError("A component named " + name + " already exists");
    }
  }
  const std::string old_name = name_;
  name_ = name;
  if (owner_ != nullptr) owner_->Reindex(this, old_name);
}

void TComponent::Reindex(TComponent* child, const std::string& old_name) {
  if (!old_name.empty()) {
    auto it = by_name_.find(old_name);
    if (it != by_name_.end() && it->second == child) by_name_.erase(it);
  }
  if (!child->name_.empty()) by_name_.insert_or_assign(child->name_, child);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = by_name_.find(name);
  return it == by_name_.end() ? nullptr : it->second;
}

TComponent* TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  TComponent* raw = component.get();
  if (!raw->name_.empty() && FindComponent(raw->name_) != nullptr) {
    throw EComponentError("A component named " + raw->name_ + " already exists");
  }
  raw->owner_ = this;
  components_.push_back(std::move(component));
  Reindex(raw, {});
  return raw;
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [component](const auto& c) { return c.get() == component; });
  if (it == components_.end()) return nullptr;
  std::unique_ptr<TComponent> owned = std::move(*it);
  components_.erase(it);
  if (!owned->name_.empty()) {
    auto found = by_name_.find(owned->name_);
    if (found != by_name_.end() && found->second == component) by_name_.erase(found);
  }
  owned->owner_ = nullptr;
  return owned;
}

const Variant* TComponent::FindStored(std::string_view name) const {
  for (const auto& [key, value] : props_) {
    if (SameTextAscii(key, name)) return &value;
  }
  return nullptr;
}

bool TComponent::HasProperty(std::string_view name) const {
  return SameTextAscii(name, "Name") || class_->FindProperty(name) != nullptr ||
         FindStored(name) != nullptr;
}

std::optional<PropKind> TComponent::PropertyKind(std::string_view name) const {
  if (SameTextAscii(name, "Name")) return PropKind::Text;
  if (const PropInfo* info = class_->FindProperty(name)) return info->kind;
  if (const Variant* stored = FindStored(name)) {
    switch (stored->Type()) {
      case VarType::Boolean:
        return PropKind::Boolean;
      case VarType::Integer:
        return PropKind::Integer;
      default:
        return PropKind::Text;
    }
  }
  return std::nullopt;
}

Variant TComponent::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Name")) return name_;
  if (SameTextAscii(name, "Tag")) return tag_;
  if (const Variant* stored = FindStored(name)) return *stored;
  if (const PropInfo* info = class_->FindProperty(name)) return info->default_value;
  return {};
}

void TComponent::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Name")) {
    SetName(value.AsString());
    return;
  }
  if (SameTextAscii(name, "Tag")) {
    tag_ = value.AsInteger();
    return;
  }
  const PropInfo* info = class_->FindProperty(name);
  if (strict && info == nullptr && FindStored(name) == nullptr) {
    throw EComponentError("Property " + std::string(name) + " does not exist in " + class_->Name());
  }
  Variant converted = value;
  if (info != nullptr) {
    switch (info->kind) {
      case PropKind::Integer:
        converted = value.AsInteger();
        break;
      case PropKind::Boolean:
        converted = value.AsBoolean();
        break;
      case PropKind::Text:
      case PropKind::Enumeration:
      case PropKind::ComponentRef:
      case PropKind::Set:
        converted = value.AsString();
        break;
      default:
        break;
    }
  }
  bool found = false;
  for (auto& [key, stored] : props_) {
    if (SameTextAscii(key, name)) {
      stored = std::move(converted);
      found = true;
      break;
    }
  }
  if (!found) {
    props_.emplace_back(info != nullptr ? info->name : std::string(name), std::move(converted));
  }
  if (peer_ != nullptr) peer_->PropertyChanged(*this, name);
}

void TComponent::ClearPropValue(std::string_view name) {
  std::erase_if(props_, [name](const auto& entry) { return SameTextAscii(entry.first, name); });
}

TComponent* TComponent::GetComponentRef(std::string_view name) const {
  const std::string target = GetPropValue(name).AsString();
  if (target.empty()) return nullptr;
  // A reference names a sibling (same root); a root refers to its own components, also
  // when it has an owner itself (a window owned by the application object).
  if (TComponent* own = FindComponent(target)) return own;
  const TComponent* root = owner_ != nullptr ? owner_ : this;
  if (TComponent* found = root->FindComponent(target)) return found;
  if (SameTextAscii(root->name_, target)) return const_cast<TComponent*>(root);
  return nullptr;
}

bool TComponent::CheckTree(std::string* err) const {
  size_t named = 0;
  for (const auto& child : components_) {
    if (child->owner_ != this) {
      if (err != nullptr) *err = child->name_ + ": owner link broken";
      return false;
    }
    if (!child->name_.empty()) {
      ++named;
      if (FindComponent(child->name_) != child.get()) {
        if (err != nullptr) *err = child->name_ + ": name index out of date";
        return false;
      }
    }
    if (!child->CheckTree(err)) return false;
  }
  if (named != by_name_.size()) {
    if (err != nullptr) *err = name_ + ": duplicate or stale component names";
    return false;
  }
  return true;
}

// --- TControl -------------------------------------------------------------------------

TControl::TControl(const TClassInfo* cls)
    : TComponent(cls != nullptr ? cls : BuiltinClasses().Find("TControl")) {}

TControl::~TControl() {
  TControl::SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->RemoveChild(this);
  parent_ = parent;
  if (parent_ != nullptr) parent_->AddChild(this);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  TComponent::SetPropValue(name, value, strict);
  static constexpr std::string_view kLayout[] = {"Left",   "Top",   "Width",
                                                 "Height", "Align", "Visible"};
  if (parent_ == nullptr) return;
  for (std::string_view p : kLayout) {
    if (SameTextAscii(p, name)) {
      parent_->ControlChanged(*this);
      return;
    }
  }
}

// --- TWinControl ----------------------------------------------------------------------

TWinControl::TWinControl(const TClassInfo* cls)
    : TControl(cls != nullptr ? cls : BuiltinClasses().Find("TWinControl")) {}

TWinControl::~TWinControl() {
  // Leave the parent while this is still a windowed control, so its tab list forgets it.
  TControl::SetParent(nullptr);
  // The parent never frees its children: they only lose their parent.
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

void TWinControl::AddChild(TControl* control) {
  controls_.push_back(control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) tab_list_.push_back(win);
  ControlChanged(*control);
}

void TWinControl::RemoveChild(TControl* control) {
  std::erase(controls_, control);
  std::erase_if(tab_list_,
                [control](TWinControl* w) { return static_cast<TControl*>(w) == control; });
}

int32_t TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int32_t>(it - list.begin());
}

void TWinControl::SetTabOrder(int32_t k) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->tab_list_;
  std::erase(list, this);
  if (k < 0 || k > static_cast<int32_t>(list.size())) k = static_cast<int32_t>(list.size());
  list.insert(list.begin() + k, this);
}

Variant TWinControl::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "TabOrder")) return TabOrder();
  return TControl::GetPropValue(name);
}

void TWinControl::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "TabOrder")) {
    SetTabOrder(value.AsInteger());
    return;
  }
  TControl::SetPropValue(name, value, strict);
  if ((SameTextAscii(name, "Width") || SameTextAscii(name, "Height")) && LiveLayout()) Realign();
}

bool TWinControl::CheckControls(std::string* err) const {
  size_t windowed = 0;
  for (TControl* child : controls_) {
    if (child->Parent() != this) {
      if (err != nullptr) *err = child->Name() + ": parent link broken";
      return false;
    }
    if (auto* win = dynamic_cast<TWinControl*>(child)) {
      ++windowed;
      if (std::count(tab_list_.begin(), tab_list_.end(), win) != 1) {
        if (err != nullptr) *err = child->Name() + ": not once in its parent's tab list";
        return false;
      }
      if (!win->CheckControls(err)) return false;
    }
  }
  if (windowed != tab_list_.size()) {
    if (err != nullptr) *err = Name() + ": tab list holds a control that is not a child";
    return false;
  }
  return true;
}

}  // namespace platform
