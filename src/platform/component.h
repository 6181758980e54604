// TComponent, TControl and TWinControl: the ownership tree, the parent tree, the tab list
// and published properties by name.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/classes.h"
#include "platform/variant.h"

namespace platform {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent;

// What shows a component on a screen (a window system's widget). The component tells its
// peer of every property stored and of its end; headless components have none.
class ComponentPeer {
 public:
  virtual ~ComponentPeer() = default;
  virtual void PropertyChanged(TComponent& component, std::string_view name) = 0;
  // The component is being destroyed: the peer lets go of it.
  virtual void ComponentDestroyed(TComponent& component) = 0;
};

class TComponent : public TObject {
 public:
  // cls: the class this object is an instance of (a built-in or a host-loaded class).
  explicit TComponent(const TClassInfo* cls);
  ~TComponent() override;

  // Creates a component of type T owned by owner (the owner frees it) and returns it.
  template <class T, class... Args>
  static T* Create(TComponent& owner, Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = component.get();
    owner.InsertComponent(std::move(component));
    return raw;
  }

  // Frees this component through its owner; an unowned component cannot free itself and
  // raises EInvalidOperation (its holder's unique_ptr does that).
  void Free();
  // Runs while the object is still whole, just before its owner frees it (a window's
  // OnDestroy); the destructors of derived classes run after it.
  virtual void BeforeDestruction() {}

  const TClassInfo& ClassInfo() const { return *class_; }
  const std::string& ClassName() const { return class_->Name(); }
  bool ClassNameIs(std::string_view name) const;
  bool InheritsFrom(std::string_view class_name) const { return class_->InheritsFrom(class_name); }

  const std::string& Name() const { return name_; }
  // Checks the identifier rule and uniqueness among the owner's components;
  // raises EComponentError otherwise. An empty name is allowed.
  virtual void SetName(const std::string& name);

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index).get(); }
  // The owned component with that name (letter case ignored), or nullptr.
  TComponent* FindComponent(std::string_view name) const;
  // Takes ownership of component (appended to Components) and returns it.
  TComponent* InsertComponent(std::unique_ptr<TComponent> component);
  // Gives up ownership of component without freeing it; nullptr when not owned here.
  std::unique_ptr<TComponent> RemoveComponent(TComponent* component);

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }

  // Published properties by name. A class publishes what its class info lists; a value
  // stored on the object (for example read from a form file) counts as published too.
  bool HasProperty(std::string_view name) const;
  // The property's kind, or nullopt when not published.
  std::optional<PropKind> PropertyKind(std::string_view name) const;
  // The value: the stored one, else the class default, else empty; empty for unknown names.
  virtual Variant GetPropValue(std::string_view name) const;
  // Stores a value; Name and Tag go to their members. Raises EComponentError for a
  // property the class does not publish when strict is true.
  virtual void SetPropValue(std::string_view name, const Variant& value, bool strict = true);
  // Stored values in the order they were first set (form-file order after a load).
  const std::vector<std::pair<std::string, Variant>>& StoredProperties() const { return props_; }
  // Removes a stored value (the property falls back to its class default).
  void ClearPropValue(std::string_view name);
  // A component-reference property resolved among the owner's components, or nullptr.
  TComponent* GetComponentRef(std::string_view name) const;

  // Consistency check of the ownership tree (unique names, owner back-links); fills err.
  bool CheckTree(std::string* err) const;

  // The peer that shows this component on a screen, or nullptr (the peer is not owned).
  ComponentPeer* Peer() const { return peer_; }
  void SetPeer(ComponentPeer* peer) { peer_ = peer; }

 protected:
  const Variant* FindStored(std::string_view name) const;

 private:
  void Reindex(TComponent* child, const std::string& old_name);

  const TClassInfo* class_;
  std::string name_;
  TComponent* owner_ = nullptr;
  int32_t tag_ = 0;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::unordered_map<std::string, TComponent*, NameHash, NameEqual> by_name_;
  std::vector<std::pair<std::string, Variant>> props_;
  ComponentPeer* peer_ = nullptr;
};

class TWinControl;

// A visual control: a parent, a position relative to the parent, size, visibility.
class TControl : public TComponent {
 public:
  explicit TControl(const TClassInfo* cls);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  // Moves the control to a new parent's control list (and tab list if windowed).
  virtual void SetParent(TWinControl* parent);

  int32_t Left() const { return GetPropValue("Left").AsInteger(); }
  int32_t Top() const { return GetPropValue("Top").AsInteger(); }
  int32_t Width() const { return GetPropValue("Width").AsInteger(); }
  int32_t Height() const { return GetPropValue("Height").AsInteger(); }
  void SetLeft(int32_t v) { SetPropValue("Left", v); }
  void SetTop(int32_t v) { SetPropValue("Top", v); }
  void SetWidth(int32_t v) { SetPropValue("Width", v); }
  void SetHeight(int32_t v) { SetPropValue("Height", v); }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

  bool Visible() const { return GetPropValue("Visible").AsBoolean(); }
  void SetVisible(bool v) { SetPropValue("Visible", v); }
  bool Enabled() const { return GetPropValue("Enabled").AsBoolean(); }
  void SetEnabled(bool v) { SetPropValue("Enabled", v); }
  std::string Caption() const { return GetPropValue("Caption").AsString(); }
  void SetCaption(const std::string& v) { SetPropValue("Caption", v); }
  std::string Hint() const { return GetPropValue("Hint").AsString(); }
  void SetHint(const std::string& v) { SetPropValue("Hint", v); }

  TNotifyEvent OnClick;
  // Runs the control's click action (OnClick and whatever the control does on a click).
  virtual void Click();

  // Stores the value; a change of position, size, alignment or visibility asks the parent
  // to lay out its aligned children again.
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
};

// A windowed control: holds child controls and a tab list.
class TWinControl : public TControl {
 public:
  explicit TWinControl(const TClassInfo* cls);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }

  // Position in the parent's tab list; -1 without a parent.
  int32_t TabOrder() const;
  // Moves the control to position k of its parent's tab list and shifts the others;
  // a k outside 0..count-1 moves it to the end, as the platform does.
  void SetTabOrder(int32_t k);
  bool TabStop() const { return GetPropValue("TabStop").AsBoolean(); }
  void SetTabStop(bool v) { SetPropValue("TabStop", v); }
  // The windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return tab_list_; }

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

  // Consistency check of the parent tree and tab lists below this control; fills err.
  bool CheckControls(std::string* err) const;

  // Lays out the aligned children (alTop, alBottom, alLeft, alRight, alClient) in the
  // client area, in that order, each in the space the previous ones left.
  virtual void Realign();
  // Whether changes lay the children out again by themselves: only on a window that has
  // been shown. Designed forms the host loads keep the positions their form files give.
  virtual bool LiveLayout() const { return Parent() != nullptr && Parent()->LiveLayout(); }
  // The area children are aligned in, relative to this control (a panel's bevel is inside).
  virtual void GetClientRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height) const;

 protected:
  // A child's position, size, alignment or visibility changed.
  virtual void ControlChanged(TControl& child);
  bool Aligning() const { return aligning_; }

 private:
  friend class TControl;
  void AddChild(TControl* control);
  void RemoveChild(TControl* control);
  void AlignControls();

  bool aligning_ = false;

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
};

// Frees the object a variable holds: the variable becomes none first, then the object is
// freed. An error while freeing is swallowed and gives false (callers only need to know
// the variable is clear); true otherwise, also for a variable that was already none.
template <class T>
bool FN_Destroi_Objeto(T*& variable) {
  T* object = variable;
  variable = nullptr;
  if (object == nullptr) return true;
  try {
    object->Free();
  } catch (const std::exception&) {
    return false;  // the window is gone from the caller's view either way
  }
  return true;
}

template <class T>
bool FN_Destroi_Objeto(std::unique_ptr<T>& variable) {
  std::unique_ptr<T> object = std::move(variable);
  try {
    // A window held without an owner still gets its OnDestroy while whole.
    if constexpr (std::is_base_of_v<TComponent, T>) {
      if (object != nullptr) object->BeforeDestruction();
    }
    object.reset();
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace platform
