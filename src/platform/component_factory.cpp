#include "platform/component_factory.h"

#include "platform/actions.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/dialogs.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/mask_edit.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/timer.h"
#include "platform/tree_view.h"
#include "platform/value_list_editor.h"

namespace platform {

void ComponentFactory::Register(const std::string& class_name, Creator creator) {
  creators_[UpperAscii(class_name)] = std::move(creator);
}

std::unique_ptr<TComponent> ComponentFactory::Create(const TClassInfo* cls) const {
  if (cls == nullptr) return nullptr;
  for (const TClassInfo* c = cls; c != nullptr; c = c->Parent()) {
    auto it = creators_.find(UpperAscii(c->Name()));
    if (it != creators_.end()) return it->second(cls);
  }
  if (cls->InheritsFrom("TWinControl")) return std::make_unique<TWinControl>(cls);
  if (cls->InheritsFrom("TControl")) return std::make_unique<TControl>(cls);
  return std::make_unique<TComponent>(cls);
}

void AddStandardComponentTypes(ComponentFactory& f) {
  f.Register<TForm>("TCustomForm");
  f.Register<TScrollBox>("TScrollBox");
  f.Register<TLabel>("TCustomLabel");
  f.Register<TEdit>("TCustomEdit");
  f.Register<TMaskEdit>("TCustomMaskEdit");
  f.Register<TMemo>("TCustomMemo");
  f.Register<TRichEdit>("TCustomRichEdit");
  f.Register<TSpinEdit>("TSpinEdit");
  f.Register<TButtonControl>("TButtonControl");
  f.Register<TButton>("TButton");
  f.Register<TBitBtn>("TBitBtn");
  f.Register<TCheckBox>("TCustomCheckBox");
  f.Register<TRadioButton>("TRadioButton");
  f.Register<TGroupBox>("TCustomGroupBox");
  f.Register<TRadioGroup>("TCustomRadioGroup");
  f.Register<TPanel>("TCustomPanel");
  f.Register<TComboBox>("TCustomComboBox");
  f.Register<TComboBoxEx>("TCustomComboBoxEx");
  f.Register<TListBox>("TCustomListBox");
  f.Register<TCheckListBox>("TCheckListBox");
  f.Register<THotKey>("TCustomHotKey");
  f.Register<TPageControl>("TPageControl");
  f.Register<TTabSheet>("TTabSheet");
  f.Register<TTreeView>("TCustomTreeView");
  f.Register<TProgressBar>("TProgressBar");
  f.Register<TToolBar>("TToolBar");
  f.Register<TToolButton>("TToolButton");
  f.Register<TValueListEditor>("TValueListEditor");
  f.Register<TImage>("TImage");
  f.Register<TBevel>("TBevel");
  f.Register<TSpeedButton>("TSpeedButton");
  f.Register<TImageList>("TCustomImageList");
  f.Register<TMenuItem>("TMenuItem");
  f.Register<TMainMenu>("TMainMenu");
  f.Register<TPopupMenu>("TPopupMenu");
  f.Register<TTimer>("TTimer");
  f.Register<TAction>("TCustomAction");
  f.Register<TBasicAction>("TBasicAction");
  f.Register<TActionList>("TCustomActionList");
  f.Register<TOpenDialog>("TOpenDialog");
}

}  // namespace platform
