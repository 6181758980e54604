// FormEditor: the designer of one form. Its components are live platform objects built
// from the text form file; every change made through the designer components is written
// into the form file's tree, so saving rewrites only what changed.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ide/ToolsAPI.h"
#include "ide/class_inference.h"
#include "ide/form_ancestry.h"
#include "platform/variant.h"

namespace platform {
class ClassRegistry;
class TComponent;
}  // namespace platform

namespace ide {

class DfmDocument;
class DfmObject;

// What a form is designed on top of: the forms of its root's ancestors, for a form
// written as `inherited`, and the forms of the frames it places inline.
struct FormInheritance {
  FormLineage ancestors;
  // The forms of an inline frame's class; nullptr finds none.
  std::function<FormLineage(const std::string& class_name)> frames;
};

class FormEditor : public IOTAFormEditor,
                   public INTAFormEditor,
                   public std::enable_shared_from_this<FormEditor> {
 public:
  // Builds the components of a parsed form, as the IDE streams it in: the ancestors'
  // forms first, then the form's own objects on top (an `inherited` object sets the
  // properties of the component of that name, any other adds one); an inline frame is
  // built from its own forms, then from what the form sets on it. Classes the registry
  // does not know are added to it: the root's class as a descendant of the last ancestor
  // form's class, else of root_ancestor (the form class's ancestor in the unit; TForm when
  // empty or unknown), a frame's from its own forms, any other as what the file shows of
  // it (a windowed control, a dataset, a field, a frame, else a non-visual component).
  // nullptr with *err ("file:line:column: expected ..., found ...") on a duplicate or
  // invalid name.
  static std::shared_ptr<FormEditor> Create(std::weak_ptr<IOTAModule> module,
                                            std::unique_ptr<DfmDocument> document,
                                            std::shared_ptr<platform::ClassRegistry> registry,
                                            std::string_view root_ancestor, std::string* err,
                                            const FormInheritance& inheritance = {});
  ~FormEditor() override;

  platform::TComponent* Root() const { return root_.get(); }
  // Brings the form file's tree up to date with the live components, for changes a tool
  // made on the objects themselves (a dataset switched off, a control renamed); the
  // module calls it before writing the form.
  void SyncFromComponents();
  DfmDocument& Document() { return *document_; }
  // Classes whose forms the form builds on but that were not found (its root's ancestor,
  // frames placed inline), each once, in the order met.
  const std::vector<std::string>& MissingAncestors() const { return missing_ancestors_; }
  // The component whose object holds this one's in the form file (the form, a control, or
  // a non-visual component such as an action or bindings list); nullptr when the file does
  // not hold it.
  platform::TComponent* StreamParent(const platform::TComponent& component) const {
    const auto found = stream_parent_.find(&component);
    return found != stream_parent_.end() ? found->second : nullptr;
  }
  // How many ancestor forms (of the root's class line) this form is built on.
  size_t AncestorFormCount() const { return ancestor_classes_.size(); }
  // True for a component designed in an ancestor form or a frame's own form: its name is
  // the ancestor's.
  bool IsInherited(const platform::TComponent& component) const {
    return inherited_.count(&component) != 0;
  }
  // The classes this form named that no class table knew, in the order they were met
  // (a class met first in another form of the same host is not listed again).
  const std::vector<InferredClass>& InferredClasses() const { return inferred_; }
  void ClearModified() { modified_ = false; }
  // Checks that the live components and the form file's tree agree (one component per
  // object, same names and classes, intact ownership, parent and tab lists, selection of
  // live components); fills err with the first disagreement.
  bool CheckConsistency(std::string* err) const;

  // Called after a component other than the root was renamed (old name, new name), so the
  // unit's form class follows.
  std::function<void(const std::string&, const std::string&)> on_rename;
  // Asked before a component other than the root is renamed (old name, new name): a
  // non-empty answer is why the rename cannot be made (a descendant form has that name).
  std::function<std::string(const std::string&, const std::string&)> on_rename_check;

  // True when the form is designed on top of the form of class form_class.
  bool DescendsFrom(const std::string& form_class) const;
  // The form of class form_class renamed a component old_name to new_name: the components
  // this form inherits from it (through its root, or an inline frame of that class or a
  // descendant) follow with their objects in the form file and every reference to them, as
  // the designer does for open descendants. False when nothing here came from it.
  bool FollowAncestorRename(const std::string& form_class, const std::string& old_name,
                            const std::string& new_name);

  // IOTAEditor
  std::string GetFileName() override;
  std::shared_ptr<IOTAModule> GetModule() override { return module_.lock(); }
  bool GetModified() override { return modified_; }
  void MarkModified() override { modified_ = true; }
  // IOTAFormEditor
  std::shared_ptr<IOTAComponent> GetRootComponent() override;
  std::shared_ptr<IOTAComponent> FindComponent(const std::string& name) override;
  int GetSelCount() override { return static_cast<int>(selection_.size()); }
  std::shared_ptr<IOTAComponent> GetSelComponent(int index) override;
  // INTAFormEditor
  std::shared_ptr<IFormDesigner> GetFormDesigner() override;

  // The designer operations behind IOTAComponent.
  bool GetProp(platform::TComponent& component, const std::string& name, TPropBuffer& value);
  bool SetProp(platform::TComponent& component, const std::string& name, const TPropBuffer& value);
  void Select(platform::TComponent& component, bool add_to_selection);

 private:
  // What the ancestors' forms left on a component, before the form's own objects: the
  // written form stores only what differs from it.
  struct AncestorState {
    std::vector<std::pair<std::string, platform::Variant>> values;
    int32_t tab_order = -1;
  };

  FormEditor(std::weak_ptr<IOTAModule> module, std::unique_ptr<DfmDocument> document);
  // Applies an object of a form (editable: of the form being designed, not an ancestor's)
  // to component: its properties, then its children, found by name or made.
  bool Apply(const DfmObject& object, platform::TComponent* component, platform::TComponent* parent,
             bool editable, const DfmDocument& form, int depth, std::string* err);
  platform::TComponent* Make(const DfmObject& object, platform::TComponent* owner,
                             platform::TComponent* parent, const DfmDocument& form,
                             std::string* err);
  // Applies the forms of an inline frame's class to the frame component just made.
  bool ApplyFrameForms(const DfmObject& object, platform::TComponent* frame,
                       platform::TComponent* parent, int depth, std::string* err);
  void SortTabLists(platform::TComponent* component);
  // Records the ancestors' state of the components made from index first of made_ on.
  void Snapshot(size_t first);
  void NoteMissing(const std::string& class_name);
  // The component's object in the form file, made (an `inherited` object in the
  // ancestors' order) when the form had none for it.
  DfmObject& ObjectFor(platform::TComponent& component);
  DfmObject* FindObject(const platform::TComponent& component) const;
  // Points every reference to old_name in the form (and on the live components) at name.
  void RenameReferences(const std::string& old_name, const std::string& name);
  // The tab order the written form gives a control (its own, else its ancestors').
  std::optional<int64_t> WrittenTabOrder(const platform::TComponent& component) const;
  std::shared_ptr<IOTAComponent> Wrap(platform::TComponent* component);
  void Rename(platform::TComponent& component, const std::string& name);
  // The form file and the unit follow a component already renamed from old_name.
  void FollowRename(platform::TComponent& component, const std::string& old_name);
  void WriteProperty(platform::TComponent& component, const std::string& name);
  // Writes the tab orders of parent's windowed children that the file records, and that
  // of moved (which may be nullptr).
  void WriteTabOrders(platform::TComponent& parent, const platform::TComponent* moved);

  std::weak_ptr<IOTAModule> module_;
  std::unique_ptr<DfmDocument> document_;
  std::shared_ptr<platform::ClassRegistry> classes_;  // outlives root_, whose classes it holds
  // Classes this form alone judged non-visual, for want of a sign; falls back to classes_.
  std::unique_ptr<platform::ClassRegistry> guessed_classes_;
  std::unique_ptr<platform::TComponent> root_;
  std::unordered_map<const platform::TComponent*, DfmObject*> objects_;  // those with one
  std::unordered_map<const DfmObject*, platform::TComponent*> components_;
  // The component whose object holds a component's object, and the order components were
  // made in (the ancestors' first).
  std::unordered_map<const platform::TComponent*, platform::TComponent*> stream_parent_;
  std::unordered_map<const platform::TComponent*, size_t> order_;
  std::vector<platform::TComponent*> made_;
  std::unordered_map<const platform::TComponent*, AncestorState> ancestors_;
  std::unordered_set<const platform::TComponent*> inherited_;
  std::unordered_set<const platform::TComponent*> frame_components_;  // placed inline
  // The TabOrder each control's forms gave it, the last form's winning.
  std::unordered_map<const platform::TComponent*, int64_t> tab_values_;
  std::function<FormLineage(const std::string&)> frames_;
  std::vector<std::string> missing_ancestors_;
  std::vector<std::string> ancestor_classes_;  // of the root's ancestor forms
  std::vector<platform::TComponent*> selection_;
  std::vector<InferredClass> inferred_;
  // The values each component stored when its object in the file was last brought up to
  // date: what differs from them on sync was changed on the object itself.
  std::unordered_map<const platform::TComponent*,
                     std::vector<std::pair<std::string, platform::Variant>>>
      synced_;
  // Each windowed control's place in its parent's tab list when its parent's tab orders
  // were last written (or loaded): a file may number them with gaps (a control that keeps
  // its place without storing it, such as a Lazarus splitter), which stay as they are
  // until a control really moves.
  std::unordered_map<const platform::TComponent*, int> tab_synced_;
  void SnapshotTabOrders(platform::TComponent& parent);
  bool modified_ = false;
};

}  // namespace ide
