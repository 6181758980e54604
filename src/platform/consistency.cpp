#include "platform/consistency.h"

#include "platform/com_controls.h"
#include "platform/ext_controls.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

namespace platform {

namespace {

bool Fail(std::string* err, const TComponent& c, const std::string& what) {
  if (err != nullptr) *err = c.Name() + ": " + what;
  return false;
}

bool CheckOne(const TComponent& c, std::string* err) {
  if (const auto* menu = dynamic_cast<const TMenu*>(&c)) {
    if (menu->Items()->Parent() != nullptr) return Fail(err, c, "menu root has a parent");
    if (!menu->Items()->CheckMenu(err)) return false;
  }
  if (const auto* item = dynamic_cast<const TMenuItem*>(&c)) {
    if (!item->CheckMenu(err)) return false;
  }
  if (const auto* tree = dynamic_cast<const TCustomTreeView*>(&c)) {
    if (!tree->Items().CheckTree(err)) return false;
  }
  if (const auto* combo = dynamic_cast<const TCustomComboBox*>(&c)) {
    const int index = combo->ItemIndex();
    if (index < -1 || index >= combo->Items().Count()) {
      return Fail(err, c, "item index " + std::to_string(index) + " out of range");
    }
    if (combo->IsDropDownList() && combo->Text() != (index >= 0 ? combo->Items()[index] : "")) {
      return Fail(err, c, "text is not the selected item");
    }
  }
  if (const auto* group = dynamic_cast<const TCustomRadioGroup*>(&c)) {
    const int index = group->ItemIndex();
    if (index < -1 || index >= group->Items().Count()) {
      return Fail(err, c, "item index " + std::to_string(index) + " out of range");
    }
  }
  if (const auto* pages = dynamic_cast<const TPageControl*>(&c)) {
    const std::string active = pages->GetPropValue("ActivePage").AsString();
    if (!active.empty() && pages->ActivePage() == nullptr) {
      return Fail(err, c, "active page " + active + " is not one of its pages");
    }
  }
  return true;
}

bool Walk(const TComponent& c, std::string* err) {
  if (!CheckOne(c, err)) return false;
  for (int i = 0; i < c.ComponentCount(); ++i) {
    if (!Walk(*c.Components(i), err)) return false;
  }
  return true;
}

}  // namespace

bool CheckConsistency(const TComponent& root, std::string* err) {
  if (!root.CheckTree(err)) return false;
  if (const auto* win = dynamic_cast<const TWinControl*>(&root)) {
    if (!win->CheckControls(err)) return false;
  }
  return Walk(root, err);
}

}  // namespace platform
