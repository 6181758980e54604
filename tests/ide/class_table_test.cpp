#include "ide/class_table.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/classes.h"
#include "platform/component.h"

using namespace ide;
using ide::testing::HostFixture;

TEST(ClassTableTest, ShippedTableKnowsTheDatasetAndConnectionFamilies) {
  platform::ClassRegistry registry(&platform::BuiltinClasses());
  const std::string text =
      ide::testing::ReadBytes(std::string(ZORI_SOURCE_DIR) + "/data/classes.xml");
  std::string err;
  ASSERT_TRUE(LoadClassTable(text, "classes.xml", registry, &err)) << err;
  for (const char* name :
       {"TTable", "TQuery", "TStoredProc", "TClientDataSet", "TADOQuery", "TADOTable",
        "TADODataSet", "TADOStoredProc", "TIBQuery", "TIBTable", "TIBDataSet", "TSQLQuery",
        "TSQLDataSet", "TSQLTable", "TSQLClientDataSet"}) {
    const platform::TClassInfo* cls = registry.Find(name);
    ASSERT_NE(cls, nullptr) << name;
    EXPECT_TRUE(cls->InheritsFrom("TDataSet")) << name;
    const platform::PropInfo* active = cls->FindProperty("Active");
    ASSERT_NE(active, nullptr) << name;
    EXPECT_EQ(active->default_value, platform::Variant(false)) << name;
  }
  for (const char* name : {"TDatabase", "TADOConnection", "TIBDatabase", "TSQLConnection"}) {
    ASSERT_NE(registry.Find(name), nullptr) << name;
    EXPECT_NE(registry.Find(name)->FindProperty("Connected"), nullptr) << name;
  }
  const platform::TClassInfo* edit = registry.Find("TDBEdit");
  EXPECT_TRUE(edit->InheritsFrom("TWinControl"));
  EXPECT_EQ(edit->FindProperty("DataSource")->kind, platform::PropKind::ComponentRef);
  EXPECT_EQ(edit->FindProperty("TabStop")->default_value, platform::Variant(true));
  // Tab sheets, status bars and animations are windowed but publish no tab order.
  EXPECT_NE(edit->FindProperty("TabOrder"), nullptr);
  for (const char* name : {"TTabSheet", "TStatusBar", "TAnimate"}) {
    EXPECT_TRUE(registry.Find(name)->InheritsFrom("TWinControl")) << name;
    EXPECT_EQ(registry.Find(name)->FindProperty("TabOrder"), nullptr) << name;
  }
  EXPECT_TRUE(registry.Find("TLabel")->InheritsFrom("TGraphicControl"));
  EXPECT_EQ(registry.Find("TLabel")->FindProperty("FocusControl")->kind,
            platform::PropKind::ComponentRef);
}

TEST(ClassTableTest, FaultsAreReportedWithFileLineAndColumn) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"<classes>\n  <class name=\"TMeu\" parent=\"TNaoExiste\"/>\n</classes>",
       "t.xml:2:4: expected a new class with a known parent, found class TMeu: unknown parent "
       "class TNaoExiste"},
      {"<classes>\n<class name=\"TMeu\">\n  <property name=\"X\" kind=\"numero\"/>\n</class>\n"
       "</classes>",
       "t.xml:3:4: expected a property kind (integer, text, boolean, enum, set, float, ref, "
       "strings, other), found 'numero'"},
      {"<classes>\n<class name=\"TMeu\">\n<property name=\"X\" kind=\"integer\" default=\"dez\"/>"
       "\n</class>\n</classes>",
       "t.xml:3:2: expected an integer default, found 'dez'"},
      {"<classes>\n<class name=\"TEdit\" parent=\"TWinControl\"/>\n<class name=\"tedit\"/>\n"
       "</classes>",
       "t.xml:3:2: expected a new class with a known parent, found class tedit is already "
       "defined"},
      {"<tabela/>", "t.xml:1:2: expected a <classes> element, found <tabela>"},
  };
  for (const Case& c : cases) {
    platform::ClassRegistry registry(&platform::BuiltinClasses());
    std::string err;
    EXPECT_FALSE(LoadClassTable(c.text, "t.xml", registry, &err));
    EXPECT_EQ(err, c.message);
  }
  platform::ClassRegistry registry(&platform::BuiltinClasses());
  std::string err;
  EXPECT_FALSE(LoadClassTable("<classes><class name=\"T\"></classes>", "t.xml", registry, &err));
  EXPECT_EQ(err.rfind("t.xml:1:", 0), 0u) << err;
}

TEST(ClassTableTest, ProjectClassesExtendTheTableAndUnknownClassesAreNonVisual) {
  HostFixture f;
  f.files->Create("proj/zori.classes.xml",
                  "<classes>\n  <class name=\"TEditCPF\" parent=\"TEdit\">\n"
                  "    <property name=\"Mascara\" kind=\"boolean\" default=\"true\"/>\n"
                  "  </class>\n</classes>\n");
  f.files->Create("proj/uExtra.pas",
                  "unit uExtra;\r\ninterface\r\ntype\r\n  TfrmExtra = class(TForm)\r\n"
                  "    EditCPF1: TEditCPF;\r\n    JvRelogio1: TJvRelogio;\r\n  end;\r\n"
                  "implementation\r\nend.\r\n");
  f.files->Create("proj/uExtra.dfm",
                  "object frmExtra: TfrmExtra\r\n  object EditCPF1: TEditCPF\r\n"
                  "    Left = 4\r\n    TabOrder = 0\r\n    Mascara = False\r\n  end\r\n"
                  "  object JvRelogio1: TJvRelogio\r\n    Left = 30\r\n    Formato = 'hh:nn'\r\n"
                  "  end\r\nend\r\n");
  ASSERT_TRUE(f.Load({"proj/uExtra.pas"})) << f.errors.front();
  auto form = Supports<IOTAFormEditor>(f.host->Module(0)->GetModuleFileEditor(1));
  platform::TComponent* cpf =
      Supports<INTAComponent>(form->FindComponent("EditCPF1"))->GetComponent();
  EXPECT_NE(dynamic_cast<platform::TWinControl*>(cpf), nullptr);
  EXPECT_TRUE(cpf->InheritsFrom("TCustomEdit"));
  TPropBuffer mask = true;
  ASSERT_TRUE(form->FindComponent("EditCPF1")->GetPropValueByName("Mascara", mask));
  EXPECT_FALSE(std::get<bool>(mask));

  platform::TComponent* clock =
      Supports<INTAComponent>(form->FindComponent("JvRelogio1"))->GetComponent();
  EXPECT_EQ(dynamic_cast<platform::TControl*>(clock), nullptr);
  EXPECT_EQ(clock->ClassName(), "TJvRelogio");
  TPropBuffer format = std::string();
  ASSERT_TRUE(form->FindComponent("JvRelogio1")->GetPropValueByName("Formato", format));
  EXPECT_EQ(std::get<std::string>(format), "hh:nn");
  TPropBuffer other = std::string();
  EXPECT_FALSE(form->FindComponent("JvRelogio1")->GetPropValueByName("Caption", other));

  // Back to the class default: the line leaves the file.
  ASSERT_TRUE(form->FindComponent("EditCPF1")->SetPropByName("Mascara", true));
  ASSERT_TRUE(f.host->Module(0)->Save(false, true));
  EXPECT_EQ(f.files->Contents("proj/uExtra.dfm").find("Mascara"), std::string::npos);
}
