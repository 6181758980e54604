#include "platform/component_factory.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/consistency.h"
#include "platform/forms.h"
#include "platform/std_controls.h"

using namespace platform;

namespace {

// What a host does with a form file: classes from the built-in table plus the user's own,
// components made by class name, parented and named as the file says.
struct LoadedForm {
  ClassRegistry classes{&BuiltinClasses()};
  ComponentFactory factory;
  std::unique_ptr<TComponent> root;

  LoadedForm() {
    AddStandardComponentTypes(factory);
    std::string err;
    EXPECT_NE(classes.Add("TMyButton", "TBitBtn", {}, &err), nullptr) << err;
    EXPECT_NE(classes.Add("TF_Main", "TForm", {}, &err), nullptr) << err;
    root = factory.Create(classes.Find("TF_Main"));
    root->SetName("F_Main");
  }
  TComponent* Object(const char* name, const char* class_name, const char* parent) {
    auto made = factory.Create(classes.Find(class_name));
    TComponent* raw = root->InsertComponent(std::move(made));
    raw->SetName(name);
    auto* control = dynamic_cast<TControl*>(raw);
    auto* parent_control = dynamic_cast<TWinControl*>(
        std::string(parent) == "F_Main" ? root.get() : root->FindComponent(parent));
    if (control != nullptr && parent_control != nullptr) control->SetParent(parent_control);
    return raw;
  }
};

}  // namespace

TEST(ComponentFactoryTest, ObjectsOfAFormFileBehaveAsTheirClasses) {
  ResetApplication();
  LoadedForm f;
  auto* form = dynamic_cast<TCustomForm*>(f.root.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->ClassName(), "TF_Main");
  TComponent* ok = f.Object("btnOk", "TMyButton", "F_Main");
  ok->SetPropValue("Kind", "bkOK");
  // A user's class gets its nearest platform ancestor's behaviour.
  ASSERT_NE(dynamic_cast<TBitBtn*>(ok), nullptr);
  EXPECT_EQ(ok->ClassName(), "TMyButton");
  EXPECT_EQ(ok->GetPropValue("ModalResult").AsInteger(), mrOk);
  auto* combo = dynamic_cast<TComboBox*>(f.Object("cbModo", "TComboBox", "F_Main"));
  ASSERT_NE(combo, nullptr);
  combo->SetPropValue("Items", "Hide\r\nShow\r\n");
  combo->SetPropValue("ItemIndex", 1);
  EXPECT_EQ(combo->Text(), "Show");
  // An unknown class of the user's is a plain component.
  std::string err;
  ASSERT_NE(f.classes.Add("TThing", "TComponent", {}, &err), nullptr);
  TComponent* thing = f.Object("Thing1", "TThing", "F_Main");
  EXPECT_EQ(typeid(*thing), typeid(TComponent));

  // The loaded window is a form of the screen and runs modally like any other.
  EXPECT_EQ(Screen().FormCount(), 1);
  auto driver = std::make_unique<ScriptedModalDriver>();
  driver->ExpectClick("F_Main", "btnOk");
  Application().SetModalDriver(std::move(driver));
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(CheckConsistency(*form, &err)) << err;
  f.root.reset();
  EXPECT_EQ(Screen().FormCount(), 0);
  ResetApplication();
}

TEST(ComponentFactoryTest, ConsistencyCheckFindsAPageTheFileNamesWrongly) {
  LoadedForm f;
  auto* pages = dynamic_cast<TPageControl*>(f.Object("pgc_Master", "TPageControl", "F_Main"));
  ASSERT_NE(pages, nullptr);
  f.Object("tbsh_Opcoes", "TTabSheet", "pgc_Master");
  f.Object("pnl_Solto", "TPanel", "F_Main");
  std::string err;
  pages->SetPropValue("ActivePage", "tbsh_Opcoes");
  EXPECT_TRUE(CheckConsistency(*f.root, &err)) << err;
  pages->SetPropValue("ActivePage", "pnl_Solto");
  EXPECT_FALSE(CheckConsistency(*f.root, &err));
  EXPECT_EQ(err, "pgc_Master: active page pnl_Solto is not one of its pages");
}
