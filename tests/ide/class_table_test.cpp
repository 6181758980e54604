#include "ide/class_table.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <optional>

#include "host_fixture.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/classes.h"
#include "platform/component.h"

using namespace ide;
using ide::testing::HostFixture;

namespace {

// The registry the host builds from a shipped class table.
std::unique_ptr<platform::ClassRegistry> Shipped(const std::string& table) {
  auto registry = std::make_unique<platform::ClassRegistry>(&platform::BuiltinClasses());
  std::string err;
  EXPECT_TRUE(
      LoadClassTable(ide::testing::ReadBytes(std::string(ZORI_SOURCE_DIR) + "/data/" + table),
                     table, *registry, &err))
      << err;
  return registry;
}

// Checks each "Class<Ancestor" of the registry: that it knows the class and its ancestry,
// whether it is windowed when that is given and, for "Class<Ancestor.Property", that the
// class has that property, off by default.
void ExpectKnown(const platform::ClassRegistry& registry, const std::vector<std::string>& entries,
                 std::optional<bool> windowed = std::nullopt) {
  for (const std::string& entry : entries) {
    const size_t lt = entry.find('<');
    const size_t dot = entry.find('.');
    const platform::TClassInfo* cls = registry.Find(entry.substr(0, lt));
    ASSERT_NE(cls, nullptr) << entry;
    EXPECT_TRUE(cls->InheritsFrom(entry.substr(lt + 1, dot - lt - 1))) << entry;
    if (windowed) {
      EXPECT_EQ(cls->InheritsFrom("TWinControl"), *windowed) << entry;
    }
    if (dot == std::string::npos) continue;
    const platform::PropInfo* prop = cls->FindProperty(entry.substr(dot + 1));
    ASSERT_NE(prop, nullptr) << entry;
    EXPECT_EQ(prop->default_value, platform::Variant(false)) << entry;
  }
}

// The property "Class.Property" of a class the registry knows, or null.
const platform::PropInfo* Prop(const platform::ClassRegistry& registry, const std::string& name) {
  const platform::TClassInfo* cls = registry.Find(name.substr(0, name.find('.')));
  EXPECT_NE(cls, nullptr) << name;
  return cls == nullptr ? nullptr : cls->FindProperty(name.substr(name.find('.') + 1));
}

}  // namespace

TEST(ClassTableTest, ShippedTableKnowsThePalettesDatasetAndConnectionFamilies) {
  const auto shipped = Shipped("classes.xml");
  const platform::ClassRegistry& registry = *shipped;
  // What the dataset closer switches off, off by default.
  ExpectKnown(
      registry,
      {"TTable<TDataSet.Active", "TQuery<TDataSet.Active", "TStoredProc<TDataSet.Active",
       "TClientDataSet<TDataSet.Active", "TADOQuery<TDataSet.Active", "TADOTable<TDataSet.Active",
       "TADODataSet<TDataSet.Active", "TADOStoredProc<TDataSet.Active", "TIBQuery<TDataSet.Active",
       "TIBTable<TDataSet.Active", "TIBDataSet<TDataSet.Active", "TSQLQuery<TDataSet.Active",
       "TSQLDataSet<TDataSet.Active", "TSQLTable<TDataSet.Active",
       "TSQLClientDataSet<TCustomClientDataSet.Active", "TDatabase<TCustomConnection.Connected",
       "TADOConnection<TCustomConnection.Connected", "TIBDatabase<TCustomConnection.Connected",
       "TSQLConnection<TCustomConnection.Connected"},
      false);
  ExpectKnown(
      registry,
      {"TSpinEdit<TCustomEdit", "TDirectoryListBox<TCustomListBox",
       "TDriveComboBox<TCustomComboBox", "TFileListBox<TCustomListBox", "TChart<TCustomPanel",
       "TDBChart<TCustomChart", "TOleContainer<TCustomControl", "TWebBrowser<TOleControl",
       "TStaticText<TCustomStaticText", "TDBLookupCombo<TCustomEdit", "TDBEdit<TCustomEdit"},
      true);
  ExpectKnown(registry,
              {"TGauge<TGraphicControl", "TDBText<TCustomLabel", "TLabel<TGraphicControl",
               "TNestedTable<TDataSet", "TIBClientDataSet<TDataSet", "TIBStringField<TStringField",
               "TDCOMConnection<TCustomConnection", "TOpenPictureDialog<TOpenDialog",
               "TLineSeries<TChartSeries"},
              false);
  EXPECT_EQ(Prop(registry, "TDBEdit.DataSource")->kind, platform::PropKind::ComponentRef);
  EXPECT_EQ(Prop(registry, "TLabel.FocusControl")->kind, platform::PropKind::ComponentRef);
  EXPECT_EQ(Prop(registry, "TDBEdit.TabStop")->default_value, platform::Variant(true));
  EXPECT_EQ(Prop(registry, "TRadioButton.TabStop")->default_value, platform::Variant(false));
  EXPECT_EQ(Prop(registry, "TSpinEdit.Increment")->default_value, platform::Variant(int32_t{1}));
  // Tab sheets, status bars and animations are windowed but publish no tab order.
  EXPECT_NE(Prop(registry, "TDBEdit.TabOrder"), nullptr);
  ExpectKnown(registry, {"TTabSheet<TWinControl", "TStatusBar<TWinControl", "TAnimate<TWinControl"},
              true);
  for (const char* name : {"TTabSheet.TabOrder", "TStatusBar.TabOrder", "TAnimate.TabOrder"})
    EXPECT_EQ(Prop(registry, name), nullptr) << name;
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

// The tools read these properties by name; the class table the host loads and the
// platform's own classes must say the same of every class both know.
TEST(ClassTableTest, PropertiesTheToolsReadAgreeWithThePlatform) {
  const std::string text =
      ide::testing::ReadBytes(std::string(ZORI_SOURCE_DIR) + "/data/classes.xml");
  const auto shipped = Shipped("classes.xml");
  const platform::ClassRegistry& table = *shipped;
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(text.c_str()));
  int compared = 0;
  for (const pugi::xml_node node : doc.child("classes").children("class")) {
    const std::string name = node.attribute("name").value();
    const platform::TClassInfo* ours = table.Find(name);
    const platform::TClassInfo* platform_class = platform::BuiltinClasses().Find(name);
    if (platform_class == nullptr) continue;
    ++compared;
    EXPECT_EQ(ours->InheritsFrom("TWinControl"), platform_class->InheritsFrom("TWinControl"))
        << name;
    EXPECT_EQ(ours->InheritsFrom("TDataSet"), platform_class->InheritsFrom("TDataSet")) << name;
    for (const char* prop : {"FocusControl", "DataField", "DataSource", "TabOrder", "TabStop",
                             "Active", "Connected"}) {
      const platform::PropInfo* a = ours->FindProperty(prop);
      const platform::PropInfo* b = platform_class->FindProperty(prop);
      ASSERT_EQ(a != nullptr, b != nullptr) << name << "." << prop;
      if (a == nullptr) continue;
      EXPECT_EQ(a->kind, b->kind) << name << "." << prop;
      EXPECT_EQ(a->has_default, b->has_default) << name << "." << prop;
      EXPECT_EQ(a->default_value, b->default_value) << name << "." << prop;
    }
  }
  EXPECT_GT(compared, 40);
  // The label publishes FocusControl; the data-aware label, of the same base, does not.
  EXPECT_NE(table.Find("TLabel")->FindProperty("FocusControl"), nullptr);
  EXPECT_NE(table.Find("TStaticText")->FindProperty("FocusControl"), nullptr);
  EXPECT_EQ(table.Find("TDBText")->FindProperty("FocusControl"), nullptr);
}

TEST(ClassTableTest, ClassesNoTableKnowsAreJudgedFromTheFormFile) {
  HostFixture f("Terceiros");
  ASSERT_TRUE(f.Load({"proj/uTerceiros.pas"})) << f.errors.front();
  FormEditor* editor = f.host->Module(0)->Form();
  auto form = Supports<IOTAFormEditor>(f.host->Module(0)->GetModuleFileEditor(1));
  auto component = [&](const char* name) {
    return Supports<INTAComponent>(form->FindComponent(name))->GetComponent();
  };
  // An edit that stores TabOrder and a panel that holds an edit are windowed controls, in
  // their parent's tab list; a query holding fields is a dataset; a timer stays non-visual.
  EXPECT_TRUE(component("edtCodigo")->InheritsFrom("TWinControl"));
  EXPECT_TRUE(component("pnlTopo")->InheritsFrom("TWinControl"));
  EXPECT_TRUE(component("qryClientes")->InheritsFrom("TDataSet"));
  EXPECT_TRUE(component("qryClientesID")->InheritsFrom("TField"));
  EXPECT_FALSE(component("tmrRelogio")->InheritsFrom("TControl"));
  std::vector<std::string> inferred;
  for (const InferredClass& c : editor->InferredClasses()) {
    inferred.push_back(c.name + " " + c.parent + " (" + c.reason + ") " + c.file + ":" +
                       std::to_string(c.line));
  }
  EXPECT_EQ(inferred, (std::vector<std::string>{
                          "TAdvPanel TWinControl (holds controls) proj/uTerceiros.dfm:16",
                          "TJvEdit TWinControl (stores TabOrder) proj/uTerceiros.dfm:30",
                          "TZQuery TDataSet (holds persistent fields) proj/uTerceiros.dfm:45",
                          "TZIntegerField TField (a dataset's field) proj/uTerceiros.dfm:52",
                          "TJvTimer TComponent (no trace of a control or a dataset) "
                          "proj/uTerceiros.dfm:61"}));

  // The tab order tools see them: moving the third-party edit renumbers its siblings.
  TPropBuffer order = int32_t{0};
  ASSERT_TRUE(form->FindComponent("edtCodigo")->GetPropValueByName("TabOrder", order));
  EXPECT_EQ(std::get<int32_t>(order), 1);
  ASSERT_TRUE(form->FindComponent("edtCodigo")->SetPropByName("TabOrder", int32_t{0}));
  // The dataset closer can switch the unknown query off.
  TPropBuffer active = false;
  ASSERT_TRUE(form->FindComponent("qryClientes")->GetPropValueByName("Active", active));
  EXPECT_TRUE(std::get<bool>(active));
  ASSERT_TRUE(form->FindComponent("qryClientes")->SetPropByName("Active", false));
  std::string err;
  EXPECT_TRUE(editor->CheckConsistency(&err)) << err;

  const std::string before = f.files->Contents("proj/uTerceiros.dfm");
  ASSERT_TRUE(f.host->Module(0)->Save(false, true));
  std::string expected = ide::testing::ReplaceOnce(before, "    Active = True\r\n", "");
  // The panel had no TabOrder in the file and keeps none; the edit moved to the front.
  expected = ide::testing::ReplaceOnce(expected, "[caCopy]\r\n    TabOrder = 2",
                                       "[caCopy]\r\n    TabOrder = 0");
  EXPECT_EQ(f.files->Contents("proj/uTerceiros.dfm"), expected);
}

TEST(ClassTableTest, AFormShowingNoSignDoesNotDecideForTheNextForm) {
  HostFixture f("Terceiros");
  // Inside a frame placed inline, an inherited object stores only what it changes.
  f.files->Create("proj/uBusca.pas",
                  "unit uBusca;\r\ninterface\r\ntype\r\n  TfrmBusca = class(TForm)\r\n"
                  "    FrameBusca1: TFrameBusca;\r\n  end;\r\nimplementation\r\nend.\r\n");
  f.files->Create("proj/uBusca.dfm",
                  "object frmBusca: TfrmBusca\r\n  Width = 300\r\n  inline FrameBusca1: "
                  "TFrameBusca\r\n    Left = 0\r\n    TabOrder = 0\r\n    inherited edtBusca: "
                  "TAdvEdit\r\n      Width = 200\r\n    end\r\n  end\r\nend\r\n");
  ASSERT_TRUE(f.Load({"proj/uBusca.pas", "proj/uTerceiros.pas"})) << f.errors.front();
  f.files->Create("proj/uNomes.pas",
                  "unit uNomes;\r\ninterface\r\ntype\r\n  TfrmNomes = class(TForm)\r\n"
                  "    edtNome: TAdvEdit;\r\n  end;\r\nimplementation\r\nend.\r\n");
  f.files->Create("proj/uNomes.dfm",
                  "object frmNomes: TfrmNomes\r\n  Width = 300\r\n  object edtNome: TAdvEdit\r\n"
                  "    Left = 8\r\n    TabOrder = 0\r\n  end\r\nend\r\n");
  ASSERT_TRUE(f.Load({"proj/uNomes.pas"})) << f.errors.front();
  auto root = [&](int module) { return f.host->Module(module)->Form()->Root(); };
  EXPECT_FALSE(root(0)
                   ->FindComponent("FrameBusca1")
                   ->FindComponent("edtBusca")
                   ->InheritsFrom("TWinControl"));
  EXPECT_TRUE(root(2)->FindComponent("edtNome")->InheritsFrom("TWinControl"));
  EXPECT_EQ(f.host->Module(2)->Form()->InferredClasses().front().parent, "TWinControl");
}

TEST(ClassTableTest, LclTableKnowsTheLazarusPaletteAndDatabaseFamilies) {
  const auto shipped = Shipped("classes-lcl.xml");
  const platform::ClassRegistry& registry = *shipped;
  // Queries and tables are datasets; transactions and connections are not. What the dataset
  // closer turns off is off by default.
  ExpectKnown(registry, {"TSQLQuery<TCustomBufDataset.Active", "TBufDataset<TDBDataset.Active",
                         "TDbf<TDataSet.Active", "TMemDataset<TDataSet.Active",
                         "TSdfDataSet<TFixedFormatDataSet.Active",
                         "TZQuery<TZAbstractDataset.Active", "TZTable<TZAbstractTable.Active",
                         "TZReadOnlyQuery<TZAbstractRODataset.Active", "TZReadOnlyQuery<TDataSet"});
  ExpectKnown(
      registry,
      {"TSQLTransaction<TDBTransaction.Active", "TZConnection<TZAbstractConnection.Connected",
       "TSQLConnector<TDatabase.Connected", "TIBConnection<TSQLConnection.Connected",
       "TPQConnection<TSQLConnection.Connected", "TMySQL57Connection<TMySQLConnection.Connected",
       "TSQLite3Connection<TCustomConnection.Connected", "TODBCConnection<TSQLConnection.Connected",
       "TMSSQLConnection<TSQLConnection.Connected", "TDBText<TCustomLabel",
       "TSavePictureDialog<TOpenDialog"});
  EXPECT_FALSE(registry.Find("TSQLTransaction")->InheritsFrom("TDataSet"));
  ExpectKnown(registry,
              {"TDBEdit<TCustomMaskEdit", "TDBLookupComboBox<TCustomDBComboBox",
               "TDBGrid<TCustomGrid", "TDBNavigator<TCustomPanel", "TDBCheckBox<TWinControl",
               "TEditButton<TCustomAbstractGroupedEdit"},
              true);
  // The LCL's data-aware label publishes FocusControl as its label does.
  for (const char* name : {"TLabel.FocusControl", "TDBText.FocusControl",
                           "TStaticText.FocusControl", "TDBEdit.DataSource", "TDBGrid.DataSource",
                           "TDBLookupComboBox.DataSource", "TDBCheckBox.DataSource"})
    EXPECT_EQ(Prop(registry, name)->kind, platform::PropKind::ComponentRef) << name;
  EXPECT_NE(Prop(registry, "TDBEdit.DataField"), nullptr);
  // Controls made with and without a tab stop in the LCL.
  for (const char* name : {"TDBEdit", "TDBGrid", "TDBLookupComboBox", "TDBCheckBox"})
    EXPECT_EQ(Prop(registry, name + std::string(".TabStop"))->default_value,
              platform::Variant(true))
        << name;
  for (const char* name : {"TRadioButton", "TPanel", "TDBNavigator", "TGroupBox"})
    EXPECT_EQ(Prop(registry, name + std::string(".TabStop"))->default_value,
              platform::Variant(false))
        << name;
  // Pages and status bars take no part in the tab order.
  for (const char* name : {"TTabSheet", "TPage", "TSplitter", "TStatusBar"})
    EXPECT_EQ(Prop(registry, name + std::string(".TabOrder")), nullptr) << name;
  EXPECT_NE(Prop(registry, "TToolBar.TabOrder"), nullptr);
}
