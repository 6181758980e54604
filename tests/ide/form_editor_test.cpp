#include "ide/form_editor.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/dfm_document.h"
#include "ide/disk_module.h"
#include "ide/source_editor.h"
#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/forms.h"

using namespace ide;
using ide::testing::HostFixture;
using ide::testing::ReplaceOnce;

namespace {

struct Cadastro : HostFixture {
  std::string dfm;
  std::string pas;
  std::shared_ptr<DiskModule> module;
  std::shared_ptr<IOTAFormEditor> form;

  Cadastro() {
    dfm = files->Contents("proj/uCadastro.dfm");
    pas = files->Contents("proj/uCadastro.pas");
    EXPECT_TRUE(Load({"proj/uCadastro.pas"}));
    module = host->Module(0);
    form = Supports<IOTAFormEditor>(module->GetModuleFileEditor(1));
  }
  TPropBuffer Get(const std::string& component, const std::string& name, TPropBuffer kind) {
    EXPECT_TRUE(form->FindComponent(component)->GetPropValueByName(name, kind)) << name;
    return kind;
  }
  bool Set(const std::string& component, const std::string& name, TPropBuffer value) {
    return form->FindComponent(component)->SetPropByName(name, value);
  }
  void Check() {
    std::string err;
    EXPECT_TRUE(module->Form()->CheckConsistency(&err)) << err;
  }
};

}  // namespace

TEST(FormRoundTripTest, UnchangedFormsAreWrittenBackByteForByte) {
  for (const char* input : {"proj/Cadastro.dpr", "proj/Dados/uDados.dfm"}) {
    HostFixture f;
    ASSERT_TRUE(f.Load({input}));
    for (int i = 0; i < f.host->ModuleCount(); ++i) {
      auto module = f.host->Module(i);
      EXPECT_FALSE(module->Modified());
      EXPECT_TRUE(module->Save(false, true));
      if (FormEditor* form = module->Form()) {
        EXPECT_EQ(form->Document().Write(), f.files->Contents(form->GetFileName()));
      }
    }
    EXPECT_TRUE(f.files->writes().empty()) << "an unmodified module was written";
  }
}

TEST(FormRoundTripTest, ChangedPropertyIsWrittenInPlaceAndDefaultsAreDropped) {
  Cadastro c;
  EXPECT_EQ(std::get<int32_t>(c.Get("Edit1", "Left", int32_t{0})), 48);
  EXPECT_TRUE(c.Set("Edit1", "Left", int32_t{60}));
  EXPECT_EQ(std::get<int32_t>(c.Get("Edit1", "Left", int32_t{0})), 60);
  // Setting the value it already has changes nothing.
  EXPECT_TRUE(c.Set("Edit2", "Top", int32_t{10}));
  // Text back to its class default leaves the file; a new property is added in style.
  EXPECT_TRUE(c.Set("Edit1", "Text", std::string()));
  EXPECT_TRUE(c.Set("Button1", "Caption", std::string("Gr\u00e1var 'j\u00e1'")));
  EXPECT_TRUE(c.Set("Label1", "Transparent", true));
  EXPECT_FALSE(c.Set("Label1", "NoSuchProperty", int32_t{1}));
  EXPECT_FALSE(c.Set("Edit1", "Width", std::string("largo")));  // refused, not converted
  EXPECT_TRUE(c.form->GetModified());
  c.Check();

  ASSERT_TRUE(c.module->Save(false, true)) << c.module->LastError();
  std::string expected = ReplaceOnce(c.dfm, "      Left = 48\r\n", "      Left = 60\r\n");
  expected = ReplaceOnce(expected, "      Text = 'Edit1'\r\n", "");
  expected = ReplaceOnce(expected, "      Caption = '&Gravar'\r\n",
                         "      Caption = 'Gr'#225'var '#39'j'#225#39\r\n");
  expected = ReplaceOnce(expected, "      FocusControl = Edit1\r\n",
                         "      FocusControl = Edit1\r\n      Transparent = True\r\n");
  EXPECT_EQ(c.files->Contents("proj/uCadastro.dfm"), expected);
  EXPECT_EQ(c.files->writes(), std::vector<std::string>{"proj/uCadastro.dfm"});
  EXPECT_FALSE(c.module->Modified());
}

TEST(FormRenameTest, RenameUpdatesReferencesTheFormFileAndTheUnitField) {
  Cadastro c;
  ASSERT_TRUE(c.Set("Edit1", "Name", std::string("edtCodigo")));
  EXPECT_EQ(c.form->FindComponent("Edit1"), nullptr);
  auto renamed = c.form->FindComponent("EDTCODIGO");
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(std::get<std::string>(c.Get("edtCodigo", "Name", std::string())), "edtCodigo");
  EXPECT_EQ(std::get<std::string>(c.Get("Label1", "FocusControl", std::string())), "edtCodigo");
  EXPECT_TRUE(c.Set("ClientDataSet1", "Name", std::string("cdsClientes")));

  // Invalid and taken names raise and change nothing.
  EXPECT_THROW(c.Set("edtCodigo", "Name", std::string("2edt")), platform::EComponentError);
  EXPECT_THROW(c.Set("edtCodigo", "Name", std::string("edit2")), platform::EComponentError);
  auto root = c.form->GetRootComponent();
  EXPECT_THROW(root->SetPropByName("Name", std::string("MEMO1")), platform::EComponentError);
  // Nor can a component take the form's name, in any letter case.
  EXPECT_THROW(c.Set("edtCodigo", "Name", std::string("FRMCADASTRO")), platform::EComponentError);
  EXPECT_NE(c.form->FindComponent("edtCodigo"), nullptr);
  c.Check();

  ASSERT_TRUE(c.module->Save(false, true)) << c.module->LastError();
  std::string dfm = ReplaceOnce(c.dfm, "object Edit1: TEdit", "object edtCodigo: TEdit");
  dfm = ReplaceOnce(dfm, "FocusControl = Edit1", "FocusControl = edtCodigo");
  dfm = ReplaceOnce(dfm, "object ClientDataSet1:", "object cdsClientes:");
  dfm = ReplaceOnce(dfm, "DataSet = ClientDataSet1", "DataSet = cdsClientes");
  EXPECT_EQ(c.files->Contents("proj/uCadastro.dfm"), dfm);
  // The field is renamed; the comment and the method body keep the old name, as the
  // designer leaves code to the developer. The unit stays in Windows-1252.
  std::string pas = ReplaceOnce(c.pas, "    Edit1: TEdit;", "    edtCodigo: TEdit;");
  pas = ReplaceOnce(pas, "ClientDataSet1: TClientDataSet", "cdsClientes: TClientDataSet");
  EXPECT_EQ(c.files->Contents("proj/uCadastro.pas"), pas);
  EXPECT_NE(pas.find("Ol\xe1"), std::string::npos);
}

TEST(TabOrderTest, WritingTabOrderMovesTheControlAndRenumbersItsSiblings) {
  Cadastro c;
  // The tab lists come from the file's values, not from the file order.
  EXPECT_EQ(std::get<int32_t>(c.Get("Edit1", "TabOrder", int32_t{0})), 1);
  EXPECT_EQ(std::get<int32_t>(c.Get("Edit2", "TabOrder", int32_t{0})), 0);
  EXPECT_EQ(std::get<int32_t>(c.Get("Panel2", "TabOrder", int32_t{0})), 0);
  EXPECT_TRUE(std::get<bool>(c.Get("Button1", "TabStop", false)));

  ASSERT_TRUE(c.Set("Button1", "TabOrder", int32_t{0}));
  EXPECT_EQ(std::get<int32_t>(c.Get("Button1", "TabOrder", int32_t{0})), 0);
  EXPECT_EQ(std::get<int32_t>(c.Get("DBGrid1", "TabOrder", int32_t{0})), 1);
  EXPECT_EQ(std::get<int32_t>(c.Get("Memo1", "TabOrder", int32_t{0})), 2);
  ASSERT_TRUE(c.Set("DBGrid1", "TabOrder", int32_t{99}));  // past the end: goes last
  EXPECT_EQ(std::get<int32_t>(c.Get("DBGrid1", "TabOrder", int32_t{0})), 2);
  EXPECT_EQ(std::get<int32_t>(c.Get("Memo1", "TabOrder", int32_t{0})), 1);
  c.Check();

  ASSERT_TRUE(c.module->Save(false, true));
  const std::string saved = c.files->Contents("proj/uCadastro.dfm");
  const size_t grid = saved.find("object DBGrid1");
  const size_t memo = saved.find("object Memo1");
  const size_t button = saved.find("object Button1");
  EXPECT_EQ(saved.find("TabOrder = 2", grid), saved.find("TabOrder", grid));
  EXPECT_EQ(saved.find("TabOrder = 1", memo), saved.find("TabOrder", memo));
  EXPECT_EQ(saved.find("TabOrder = 0", button), saved.find("TabOrder", button));
  EXPECT_EQ(saved.substr(0, grid), c.dfm.substr(0, grid));  // the first panel is untouched
}

TEST(DesignedFormTest, OuterAndClientSizesAnswerForEachOtherByBorderStyleAndMenu) {
  HostFixture f("Alinha");
  ASSERT_TRUE(
      f.Load({"proj/uAlinha.pas", "proj/uDialogo.pas", "proj/uMenu.pas", "proj/uAmbos.pas"}));
  auto sizes = [&](int module) {
    auto form = Supports<IOTAFormEditor>(f.host->Module(module)->GetModuleFileEditor(1));
    std::vector<int32_t> out;
    for (const char* name : {"Width", "Height", "ClientWidth", "ClientHeight"}) {
      TPropBuffer value = int32_t{0};
      EXPECT_TRUE(form->GetRootComponent()->GetPropValueByName(name, value)) << name;
      out.push_back(std::get<int32_t>(value));
    }
    return out;
  };
  using V = std::vector<int32_t>;
  EXPECT_EQ(sizes(0), (V{408, 300, 400, 273}));  // sizeable: frame 4, caption 19
  EXPECT_EQ(sizes(1), (V{306, 145, 300, 120}));  // dialog: frame 3
  EXPECT_EQ(sizes(2), (V{500, 360, 492, 314}));  // a main menu bar adds 19
  EXPECT_EQ(sizes(3), (V{320, 240, 312, 206}));  // both stored: both kept as written

  // The designed form is marked as such for the tools that list the IDE's windows.
  auto* root = dynamic_cast<platform::TCustomForm*>(f.host->Module(1)->Form()->Root());
  ASSERT_NE(root, nullptr);
  EXPECT_TRUE(root->HasDesigner());
}

TEST(FormRoundTripTest, ChangesMadeOnTheLiveObjectsReachTheFileWhenTheFormIsSaved) {
  Cadastro c;
  platform::TComponent* root = c.module->Form()->Root();
  root->FindComponent("ClientDataSet1")->SetPropValue("Active", false);
  dynamic_cast<platform::TWinControl*>(root->FindComponent("Edit2"))->SetTabOrder(1);
  root->FindComponent("Label1")->SetPropValue("Caption", std::string("C\u00f3d."));
  root->FindComponent("DataSource1")->SetName("dsClientes");
  // Not marked modified: the designer does not know, and nothing is written.
  ASSERT_TRUE(c.module->Save(false, true));
  EXPECT_TRUE(c.files->writes().empty());

  c.form->MarkModified();
  ASSERT_TRUE(c.module->Save(false, true)) << c.module->LastError();
  std::string expected = ReplaceOnce(c.dfm, "    Active = True\r\n", "");
  expected = ReplaceOnce(expected, "      TabOrder = 1\r\n      Text = 'Edit1'",
                         "      TabOrder = 0\r\n      Text = 'Edit1'");
  expected = ReplaceOnce(expected, "      Height = 21\r\n      TabOrder = 0\r\n    end",
                         "      Height = 21\r\n      TabOrder = 1\r\n    end");
  expected = ReplaceOnce(expected, "Caption = 'C'#243'digo'", "Caption = 'C'#243'd.'");
  expected = ReplaceOnce(expected, "object DataSource1:", "object dsClientes:");
  expected = ReplaceOnce(expected, "DataSource = DataSource1", "DataSource = dsClientes");
  EXPECT_EQ(c.files->Contents("proj/uCadastro.dfm"), expected);
  EXPECT_EQ(c.files->Contents("proj/uCadastro.pas"),
            ReplaceOnce(c.pas, "    DataSource1: TDataSource;", "    dsClientes: TDataSource;"));
  c.Check();
}

TEST(FormRoundTripTest, FailedWritesKeepTheOldFilesAndTheModifiedMark) {
  // A write that fails is checked in ModuleSaveTest; here, a character the unit's
  // Windows-1252 cannot hold stops the save before anything is written, the form included.
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj/uCadastro.pas"}));
  auto module = f.host->Module(0);
  auto form = Supports<IOTAFormEditor>(module->GetModuleFileEditor(1));
  ASSERT_TRUE(form->FindComponent("Edit1")->SetPropByName("Left", int32_t{64}));
  auto writer = module->Source().CreateUndoableWriter();
  writer->Insert("// \u4e2d\r\n");
  writer.reset();
  EXPECT_FALSE(module->Save(false, true));
  EXPECT_EQ(module->LastError().rfind("proj/uCadastro.pas: ", 0), 0u) << module->LastError();
  EXPECT_TRUE(f.files->writes().empty());
  EXPECT_TRUE(module->Modified());
  EXPECT_FALSE(module->Save(true, true));  // a new name needs a dialog this host has not
}

TEST(FormNamesTest, NamesBeyondAsciiLoadAndRenamesKeepTheDelphi6Rule) {
  for (const std::string suffix : {"Utf8", "Ansi"}) {
    SCOPED_TRACE(suffix);
    HostFixture f("Nomes");
    const std::string unit = "proj/uAcoes" + suffix;
    const std::string dfm = f.files->Contents(unit + ".dfm");
    const std::string pas = f.files->Contents(unit + ".pas");
    ASSERT_TRUE(f.Load({unit + ".pas"}));
    auto module = f.host->Module(0);
    auto form = Supports<IOTAFormEditor>(module->GetModuleFileEditor(1));
    ASSERT_NE(form->FindComponent("btnAñadir"), nullptr);
    ASSERT_NE(form->FindComponent("Transferência"), nullptr);
    TPropBuffer handler = std::string();
    ASSERT_TRUE(form->FindComponent("btnAñadir")->GetPropValueByName("OnClick", handler));
    EXPECT_EQ(std::get<std::string>(handler), "btnAñadirClick");
    EXPECT_TRUE(module->Save(false, true));
    EXPECT_TRUE(f.files->writes().empty());

    // A name given through the designer is ASCII; the refusal changes nothing.
    auto edit = form->FindComponent("edtDescrição");
    EXPECT_THROW(edit->SetPropByName("Name", std::string("edtDescriçãoLonga")),
                 platform::EComponentError);
    EXPECT_FALSE(form->GetModified());
    ASSERT_TRUE(
        form->FindComponent("Transferência")->SetPropByName("Name", std::string("actEnviar")));
    ASSERT_TRUE(module->Save(false, true)) << module->LastError();
    const std::string old_name = suffix == "Utf8" ? "Transfer\xC3\xAAncia" : "Transfer\xEAncia";
    EXPECT_EQ(f.files->Contents(unit + ".dfm"),
              ReplaceOnce(ReplaceOnce(dfm, "object " + old_name + ":", "object actEnviar:"),
                          "Action = " + old_name, "Action = actEnviar"));
    EXPECT_EQ(f.files->Contents(unit + ".pas"),
              ReplaceOnce(pas, "    " + old_name + ": TAction;", "    actEnviar: TAction;"));
  }
}

namespace {

// The two-level inherited form of the Heranca project: frmCliente on frmPessoa on frmBase.
struct Heranca : HostFixture {
  std::string base = files->Contents("proj/uBase.dfm");
  std::string pessoa = files->Contents("proj/uPessoa.dfm");
  std::string cliente = files->Contents("proj/uCliente.dfm");
  Heranca() : HostFixture("Heranca") {}
  platform::TComponent* Find(FormEditor& form, const std::string& name) {
    platform::TComponent* found = form.Root()->FindComponent(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
};

}  // namespace

TEST(InheritedFormTest, TwoLevelsDeepBuildsOnItsAncestorsAndWritesOnlyItsDifferences) {
  Heranca h;
  ASSERT_TRUE(h.Load({"proj/Heranca.dpr"})) << ::testing::PrintToString(h.errors);
  auto module = h.host->FindModule("proj/uCliente.pas");
  ASSERT_NE(module, nullptr);
  FormEditor& form = *module->Form();
  EXPECT_TRUE(form.MissingAncestors().empty());
  platform::TComponent* root = form.Root();
  EXPECT_TRUE(root->InheritsFrom("TfrmPessoa"));
  EXPECT_TRUE(root->InheritsFrom("TfrmBase"));
  EXPECT_EQ(root->GetPropValue("Caption").AsString(), "Clientes");
  EXPECT_EQ(root->GetPropValue("Width").AsInteger(), 480);  // from frmBase
  // The ancestors' components, their properties overridden by the descendant's, then the
  // form's own.
  std::vector<std::string> names;
  for (int i = 0; i < root->ComponentCount(); ++i) names.push_back(root->Components(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"pnlBotoes", "btnSalvar", "btnCancelar", "pnlDados",
                                             "dsDados", "lblNome", "lblDocumento", "edtNome",
                                             "edtDocumento", "lblLimite", "edtLimite",
                                             "cdsClientes", "cdsClientesNOME"}));
  platform::TComponent* documento = h.Find(form, "edtDocumento");
  EXPECT_EQ(documento->GetPropValue("Width").AsInteger(), 120);
  EXPECT_EQ(documento->GetPropValue("Left").AsInteger(), 16);
  EXPECT_EQ(dynamic_cast<platform::TControl*>(documento)->Parent(), h.Find(form, "pnlDados"));
  EXPECT_EQ(h.Find(form, "dsDados")->GetPropValue("DataSet").AsString(), "cdsClientes");
  auto tab = [&](const char* name) {
    return dynamic_cast<platform::TWinControl*>(h.Find(form, name))->TabOrder();
  };
  EXPECT_EQ(tab("edtNome"), 0);
  EXPECT_EQ(tab("edtDocumento"), 1);
  EXPECT_EQ(tab("edtLimite"), 2);
  // A component of an ancestor form keeps the ancestor's name.
  auto designer = Supports<IOTAFormEditor>(module->GetModuleFileEditor(1));
  EXPECT_THROW(
      designer->FindComponent("btnSalvar")->SetPropByName("Name", std::string("btnGravar")),
      platform::EComponentError);
  std::string err;
  EXPECT_TRUE(form.CheckConsistency(&err)) << err;
  ASSERT_TRUE(h.host->SaveAll(&err)) << err;
  EXPECT_TRUE(h.files->writes().empty());

  // The tab order and a property of the first ancestor's button change.
  ASSERT_TRUE(designer->FindComponent("edtLimite")->SetPropByName("TabOrder", int32_t{0}));
  ASSERT_TRUE(
      designer->FindComponent("btnSalvar")->SetPropByName("Caption", std::string("&Gravar")));
  EXPECT_TRUE(form.CheckConsistency(&err)) << err;
  ASSERT_TRUE(h.host->SaveAll(&err)) << err;
  EXPECT_EQ(h.files->writes(), std::vector<std::string>{"proj/uCliente.dfm"});
  std::string expected = ReplaceOnce(
      h.cliente, "  inherited pnlDados: TPanel\r\n    inherited edtDocumento: TEdit\r\n",
      "  inherited pnlBotoes: TPanel\r\n    inherited btnSalvar: TButton\r\n"
      "      Caption = '&Gravar'\r\n    end\r\n  end\r\n"
      "  inherited pnlDados: TPanel\r\n    inherited edtNome: TEdit\r\n      TabOrder = 1\r\n"
      "    end\r\n    inherited edtDocumento: TEdit\r\n");
  expected =
      ReplaceOnce(expected, "      Width = 120\r\n", "      Width = 120\r\n      TabOrder = 2\r\n");
  expected = ReplaceOnce(expected, "      TabOrder = 2\r\n    end\r\n  end\r\n  inherited dsDados",
                         "      TabOrder = 0\r\n    end\r\n  end\r\n  inherited dsDados");
  EXPECT_EQ(h.files->Contents("proj/uCliente.dfm"), expected);
  EXPECT_EQ(h.files->Contents("proj/uPessoa.dfm"), h.pessoa);
  EXPECT_EQ(h.files->Contents("proj/uBase.dfm"), h.base);

  // Read again, the form shows what was saved.
  Heranca again;
  again.files->Create("proj/uCliente.dfm", expected);
  ASSERT_TRUE(again.Load({"proj/Heranca.dpr"}));
  FormEditor& reread = *again.host->FindModule("proj/uCliente.pas")->Form();
  EXPECT_EQ(again.Find(reread, "btnSalvar")->GetPropValue("Caption").AsString(), "&Gravar");
  EXPECT_EQ(dynamic_cast<platform::TWinControl*>(again.Find(reread, "edtLimite"))->TabOrder(), 0);
  EXPECT_EQ(dynamic_cast<platform::TWinControl*>(again.Find(reread, "edtDocumento"))->TabOrder(),
            2);

  // A value set back to the ancestors' leaves the descendant's file.
  auto redo =
      Supports<IOTAFormEditor>(again.host->FindModule("proj/uCliente.pas")->GetModuleFileEditor(1));
  ASSERT_TRUE(redo->FindComponent("btnSalvar")->SetPropByName("Caption", std::string("&Salvar")));
  ASSERT_TRUE(again.host->SaveAll(&err)) << err;
  EXPECT_EQ(again.files->Contents("proj/uCliente.dfm"),
            ReplaceOnce(expected, "      Caption = '&Gravar'\r\n", ""));
}

TEST(InheritedFormTest, MissingAncestorLoadsTheFormAsWrittenAndIsNamed) {
  Heranca h;
  h.files->Remove("proj/uBase.pas");
  ASSERT_TRUE(h.Load({"proj/uCliente.pas"}));
  FormEditor& form = *h.host->Module(0)->Form();
  EXPECT_EQ(form.MissingAncestors(), std::vector<std::string>{"TfrmBase"});
  // What frmPessoa gives is there; what frmBase gives is not, and inherited objects
  // without their ancestor are made from what the form says of them.
  EXPECT_NE(form.Root()->FindComponent("edtNome"), nullptr);
  EXPECT_EQ(form.Root()->FindComponent("btnSalvar"), nullptr);
  EXPECT_NE(form.Root()->FindComponent("pnlDados"), nullptr);
  std::string err;
  EXPECT_TRUE(form.CheckConsistency(&err)) << err;
  ASSERT_TRUE(h.host->SaveAll(&err)) << err;
  EXPECT_TRUE(h.files->writes().empty());
}
