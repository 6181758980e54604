// FormEditor: the designer of one form. Its components are live platform objects built
// from the text form file; every change made through the designer components is written
// into the form file's tree, so saving rewrites only what changed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ide/ToolsAPI.h"
#include "ide/class_inference.h"
#include "platform/variant.h"

namespace platform {
class ClassRegistry;
class TComponent;
}  // namespace platform

namespace ide {

class DfmDocument;
class DfmObject;

class FormEditor : public IOTAFormEditor,
                   public INTAFormEditor,
                   public std::enable_shared_from_this<FormEditor> {
 public:
  // Builds the components of a parsed form. Classes the registry does not know are added
  // to it: the root's class as a descendant of root_ancestor (the form class's ancestor in
  // the unit; TForm when empty or unknown), any other as what the file shows of it (a
  // windowed control, a dataset, a field, a frame, else a non-visual component). nullptr
  // with *err ("file:line:column: expected ..., found ...") on a duplicate or invalid name.
  static std::shared_ptr<FormEditor> Create(std::weak_ptr<IOTAModule> module,
                                            std::unique_ptr<DfmDocument> document,
                                            std::shared_ptr<platform::ClassRegistry> registry,
                                            std::string_view root_ancestor, std::string* err);
  ~FormEditor() override;

  platform::TComponent* Root() const { return root_.get(); }
  // Brings the form file's tree up to date with the live components, for changes a tool
  // made on the objects themselves (a dataset switched off, a control renamed); the
  // module calls it before writing the form.
  void SyncFromComponents();
  DfmDocument& Document() { return *document_; }
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
  FormEditor(std::weak_ptr<IOTAModule> module, std::unique_ptr<DfmDocument> document);
  bool Build(DfmObject& object, platform::TComponent* owner, platform::TComponent* parent,
             platform::ClassRegistry& registry, std::string_view root_ancestor, std::string* err);
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
  std::unordered_map<const platform::TComponent*, DfmObject*> objects_;
  std::vector<platform::TComponent*> selection_;
  std::vector<InferredClass> inferred_;
  // The values each component stored when its object in the file was last brought up to
  // date: what differs from them on sync was changed on the object itself.
  std::unordered_map<const platform::TComponent*,
                     std::vector<std::pair<std::string, platform::Variant>>>
      synced_;
  bool modified_ = false;
};

}  // namespace ide
