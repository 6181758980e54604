#include "core/U_funcoes_iota.h"

#include <gtest/gtest.h>

#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "ide/host_fixture.h"
#include "platform/component.h"
#include "platform/exceptions.h"

using namespace core;
using ide::testing::HostFixture;
using platform::VarType;

namespace {

struct Project : HostFixture {
  Project() { EXPECT_TRUE(Load({"proj/Cadastro.dpr"})); }
};

}  // namespace

TEST(DesignerAccessTest, TheCurrentModulesFormIsItsSecondFileEditorAndAPlainUnitHasNone) {
  Project p;
  p.MakeCurrent("proj/uRotinas.pas");
  EXPECT_EQ(GetActiveFormEditor(), nullptr);
  EXPECT_EQ(GetActiveFormDesigner(), nullptr);
  EXPECT_TRUE(FN_Selected_Components(GetActiveFormEditor()).empty());
  EXPECT_EQ(FN_Seleciona_Componente("Edit1"), nullptr);
  EXPECT_TRUE(FN_Pega_Propriedade(nullptr, "Edit1", "Left", tTipo_Prop::tpInteger).IsEmpty());
  EXPECT_EQ(FN_Pega_IOTA_Component(nullptr, "Edit1"), nullptr);
  EXPECT_EQ(GetTComponent(nullptr), nullptr);
  EXPECT_EQ(GetFormEditorFromModule(nullptr), nullptr);
  PR_Seta_Propriedade(nullptr, "Left", 10, tTipo_Prop::tpInteger);  // does nothing

  // A unit with a form: the form is the module's second file editor.
  p.MakeCurrent("proj/Dados/uDados.pas");
  auto module = p.host->Module(2);
  auto form = GetActiveFormEditor();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form, ide::Supports<ide::IOTAFormEditor>(module->GetModuleFileEditor(1)));
  EXPECT_EQ(GetFormEditorFromModule(p.host->Module(0))->GetFileName(), "proj/uCadastro.dfm");
  EXPECT_EQ(GetFormEditorFromModule(p.host->Module(1)), nullptr);
  EXPECT_EQ(GetTComponent(form->GetRootComponent()), module->Form()->Root());
  auto designer = GetActiveFormDesigner();
  ASSERT_NE(designer, nullptr);
  EXPECT_EQ(designer->GetRoot()->Name(), "dmDados");

  // Without any host there is no current module either.
  p.host.reset();
  EXPECT_EQ(GetActiveFormEditor(), nullptr);
}

TEST(DesignerAccessTest, SelectionListKeepsTheHostsSelectionOrder) {
  Project p;
  auto form = GetActiveFormEditor();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(FN_Selected_Components(form), std::vector<std::string>{"frmCadastro"});

  platform::TComponent* b = FN_Seleciona_Componente("Edit2");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Name(), "Edit2");
  FN_Pega_IOTA_Component(form, "Edit1")->Select(true);
  FN_Pega_IOTA_Component(form, "Edit2")->Select(true);  // already selected: keeps its place
  EXPECT_EQ(FN_Selected_Components(form), (std::vector<std::string>{"Edit2", "Edit1"}));
  FN_Pega_IOTA_Component(form, "Memo1")->Select(false);  // alone again, as a click selects
  EXPECT_EQ(FN_Selected_Components(form), std::vector<std::string>{"Memo1"});
  FN_Pega_IOTA_Component(form, "Edit1")->Select(true);
  FN_Pega_IOTA_Component(form, "frmCadastro")->Select(true);  // the form clears the rest
  EXPECT_EQ(FN_Selected_Components(form), std::vector<std::string>{"frmCadastro"});
  EXPECT_FALSE(form->GetModified());  // selecting is not a change of the form
  FN_Pega_IOTA_Component(form, "Edit2")->Select(false);
  FN_Pega_IOTA_Component(form, "Edit1")->Select(true);

  // An unknown name selects nothing and leaves the selection as it was.
  EXPECT_EQ(FN_Seleciona_Componente("NaoExiste"), nullptr);
  EXPECT_EQ(FN_Selected_Components(form).size(), 2u);
  EXPECT_EQ(FN_Seleciona_Componente("button1")->Name(), "Button1");
  EXPECT_EQ(FN_Selected_Components(form), std::vector<std::string>{"Button1"});
}

TEST(DesignerAccessTest, PropertiesAreReadAndWrittenAsVariantsOfTheirKind) {
  Project p;
  auto form = GetActiveFormEditor();
  const platform::Variant stop =
      FN_Pega_Propriedade(form, "Button1", "TabStop", tTipo_Prop::tpBoolean);
  EXPECT_EQ(stop.Type(), VarType::Boolean);
  EXPECT_TRUE(stop.AsBoolean());
  const platform::Variant left = FN_Pega_Propriedade(form, "Edit1", "Left", tTipo_Prop::tpInteger);
  EXPECT_EQ(left.Type(), VarType::Integer);
  EXPECT_EQ(left.AsInteger(), 48);
  const platform::Variant caption =
      FN_Pega_Propriedade(form, "Label1", "Caption", tTipo_Prop::tpString);
  EXPECT_EQ(caption.Type(), VarType::String);
  EXPECT_EQ(caption.AsString(), "C\u00f3digo");
  EXPECT_TRUE(FN_Pega_Propriedade(form, "NaoExiste", "Left", tTipo_Prop::tpInteger).IsEmpty());
  EXPECT_TRUE(FN_Pega_Propriedade(form, "Edit1", "NaoExiste", tTipo_Prop::tpInteger).IsEmpty());

  auto edit = FN_Pega_IOTA_Component(form, "Edit1");
  PR_Seta_Propriedade(edit, "Left", std::string("72"), tTipo_Prop::tpInteger);
  EXPECT_EQ(FN_Pega_Propriedade(form, "Edit1", "Left", tTipo_Prop::tpInteger).AsInteger(), 72);
  EXPECT_TRUE(form->GetModified());
  EXPECT_THROW(PR_Seta_Propriedade(edit, "Left", std::string("dez"), tTipo_Prop::tpInteger),
               platform::EConvertError);
  EXPECT_EQ(FN_Pega_Propriedade(form, "Edit1", "Left", tTipo_Prop::tpInteger).AsInteger(), 72);
  PR_Seta_Propriedade(edit, "NaoExiste", 1, tTipo_Prop::tpInteger);  // refused, not reported
  std::string err;
  EXPECT_TRUE(p.host->Module(0)->Form()->CheckConsistency(&err)) << err;
}
