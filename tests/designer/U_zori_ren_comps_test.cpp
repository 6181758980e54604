// The naming standardiser as the user works it: options set, OK pressed, the summary
// reviewed, edited and confirmed or cancelled; names checked on the form and in the unit.
#include "designer/U_zori_ren_comps.h"

#include <gtest/gtest.h>

#include <functional>

#include "designer/U_zori_mod_comps.h"
#include "form_tool_fixture.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/std_controls.h"
#include "platform/value_list_editor.h"

namespace {

using ide::testing::ReplaceOnce;
using Rows = std::vector<std::pair<std::string, std::string>>;

const char* const kNomes = "proj/uNomes.pas";

class NamingStandardTest : public FormToolFixture {
 protected:
  void SetUp() override {
    FormToolFixture::SetUp();
    WriteTable("ZORIIDEx_Nom.xml", "NM_CLASSE", "TX_NOMECLATURA",
               {{"TLabel", "lbl_"},
                {"tedit", "edt"},
                {"TDBEdit", "dbe_"},
                {"TButton", "btn "},  // a trailing blank kept in the table
                {"TDBText", "dbt_"},
                {"TClientDataSet", ""},
                {"TDataSource", "ds_"},
                {"TDataSource", "xx_"}});  // the first row of a class applies
    v_Resource_Strings = {{"F_ZORI_Ren_Comps", "Msg_Perfect.Caption", "Tudo certo"},
                          {"F_ZORI_Ren_Comps", "Msg_Save_Failed.Caption", "Falhou: "}};
  }

  // Runs the window with the options; review works the summary and gives its answer.
  Rows Run(bool focus_label, bool data_field,
           const std::function<platform::TModalResult(platform::TValueListEditor&)>& review) {
    Rows rows;
    driver_->Expect("F_ZORI_Ren_Comps", [=](platform::TCustomForm& form) {
      auto& window = dynamic_cast<TF_ZORI_Ren_Comps&>(form);
      window.chk_focus_lbl->SetChecked(focus_label);
      window.chk_Ori_Data->SetChecked(data_field);
      window.bbtn_Ok->Click();
    });
    driver_->Expect("F_ZORI_Mod_Comps", [&rows, review](platform::TCustomForm& form) {
      auto& summary = dynamic_cast<TF_ZORI_Mod_Comps&>(form);
      platform::TValueListEditor& list = *summary.VLE_Modf;
      for (int row = 1; row < list.RowCount(); ++row)
        rows.emplace_back(list.Keys(row), list.Strings().ValueFromIndex(row - 1));
      form.SetModalResult(review(list));
    });
    Show();
    EXPECT_EQ(F_ZORI_Mod_Comps, nullptr);
    return rows;
  }
  // Opens the window from the menu and frees it as the menu does.
  static void Show() {
    F_ZORI_Ren_Comps = platform::TComponent::Create<TF_ZORI_Ren_Comps>(platform::Application());
    F_ZORI_Ren_Comps->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_Ren_Comps);
  }
  std::string NameOf(const std::string& old_name) {
    const platform::TComponent* c = Component(kNomes, old_name);
    return c != nullptr ? c->Name() : "(gone)";
  }
};

TEST_F(NamingStandardTest, SuggestsByEachRuleAndReportsTheRefusedRenamesOnce) {
  ASSERT_TRUE(Open());
  const Rows rows = Run(true, true, [](platform::TValueListEditor&) { return platform::mrOk; });
  const Rows expected = {
      {"Label1", "lbl_edtNome"},             // FocusControl; lbl_edtNome itself is left alone
      {"Label2", "lbl_EDTCidade"},           // named after the control as it is now
      {"EDTCidade", "edtCidade"},            // prefix in another letter case
      {"Label3", "lbl_Label3"},              // no FocusControl: plain rule
      {"Button1", "btn Button1"},            // trailing blank: not yet prefixed, kept in the name
      {"DBEdit1", "dbe_NOME"},               // data field; dbe_NOME2 already begins with it
      {"DBEdit2", "dbe_NOME"},               // same field, same suggestion
      {"DBEdit3", "dbe_"},                   // empty data field: the bare prefix
      {"ClientDataSet1", "ClientDataSet1"},  // empty prefix: its own name
      {"DataSource1", "ds_DataSource1"},
  };  // pnl_Topo has no row; DBText1 is a label without FocusControl
  EXPECT_EQ(rows, expected);

  EXPECT_EQ(NameOf("lbl_EDTCidade"), "lbl_EDTCidade");
  EXPECT_EQ(NameOf("edtCidade"), "edtCidade");
  EXPECT_EQ(NameOf("Label1"), "Label1");
  EXPECT_EQ(NameOf("Button1"), "Button1");
  EXPECT_EQ(NameOf("DBEdit2"), "DBEdit2");
  EXPECT_EQ(NameOf("dbe_"), "dbe_");
  EXPECT_EQ(NameOf("ClientDataSet1"), "ClientDataSet1");
  EXPECT_EQ(Component(kNomes, "lbl_EDTCidade")->GetPropValue("FocusControl").AsString(),
            "edtCidade");
  EXPECT_EQ(platform::Application().BeepCount(), 1);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "ROVUVUVoravud|\r\nLabel1 | lbl_edtNome\r\nButton1 | btn Button1"
                            "\r\nDBEdit2 | dbe_NOME"});
  EXPECT_TRUE(Form(kNomes).GetModified());

  // The unit's form class follows; nothing else in it changes.
  SaveAll();
  std::string pas = Original("uNomes.pas");
  for (const auto& [from, to] :
       Rows{{"    Label2: TLabel;", "    lbl_EDTCidade: TLabel;"},
            {"    EDTCidade: TEdit;", "    edtCidade: TEdit;"},
            {"    Label3: TLabel;", "    lbl_Label3: TLabel;"},
            {"    DBEdit1: TDBEdit;", "    dbe_NOME: TDBEdit;"},
            {"    DBEdit3: TDBEdit;", "    dbe_: TDBEdit;"},
            {"    DataSource1: TDataSource;", "    ds_DataSource1: TDataSource;"}})
    pas = ReplaceOnce(pas, from, to);
  EXPECT_EQ(Files().Contents(kNomes), pas);
}

TEST_F(NamingStandardTest, LabelAndDataFieldRulesOff) {
  ASSERT_TRUE(Open());
  const Rows rows =
      Run(false, false, [](platform::TValueListEditor&) { return platform::mrCancel; });
  const Rows expected = {{"Label1", "lbl_Label1"},         {"Label2", "lbl_Label2"},
                         {"EDTCidade", "edtCidade"},       {"Label3", "lbl_Label3"},
                         {"Button1", "btn Button1"},       {"DBEdit1", "dbe_DBEdit1"},
                         {"DBEdit2", "dbe_DBEdit2"},       {"DBEdit3", "dbe_DBEdit3"},
                         {"DBText1", "dbt_DBText1"},       {"ClientDataSet1", "ClientDataSet1"},
                         {"DataSource1", "ds_DataSource1"}};
  EXPECT_EQ(rows, expected);
  // Cancel: nothing renamed, nothing marked, nothing said.
  EXPECT_EQ(NameOf("Label1"), "Label1");
  EXPECT_FALSE(Form(kNomes).GetModified());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(platform::Application().BeepCount(), 0);
}

TEST_F(NamingStandardTest, SummaryRowsEditedAndDeleted) {
  ASSERT_TRUE(Open());
  Run(true, true, [this](platform::TValueListEditor& list) -> platform::TModalResult {
    int row = 0;
    EXPECT_TRUE(list.FindRow("Label3", row));
    EXPECT_TRUE(list.SelectCell(1, row));  // selects the component in the designer
    EXPECT_EQ(Form(kNomes).GetSelCount(), 1);
    list.DeleteRow(row);
    list.SetValues("DataSource1", "dsClientes");
    list.SetValues("DBEdit3", "   ");  // blanked: never sent to the designer
    for (const char* key : {"Label1", "Button1", "DBEdit2"}) {
      if (list.FindRow(key, row)) list.DeleteRow(row);
    }
    return platform::mrOk;
  });
  EXPECT_EQ(NameOf("Label3"), "Label3");
  EXPECT_EQ(NameOf("dsClientes"), "dsClientes");
  EXPECT_EQ(NameOf("DBEdit3"), "DBEdit3");
  EXPECT_EQ(Messages(), std::vector<std::string>{"ROVUVUVoravud|\r\nDBEdit3 |    "});
}

TEST_F(NamingStandardTest, NothingToRenameSaysSoWithoutSummary) {
  WriteTable("ZORIIDEx_Nom.xml", "NM_CLASSE", "TX_NOMECLATURA", {{"TPanel", "pnl_"}});
  ASSERT_TRUE(Open());
  driver_->ExpectClick("F_ZORI_Ren_Comps", "bbtn_Ok");
  Show();
  EXPECT_EQ(Messages(), std::vector<std::string>{"ROVUVUVoravud|Tudo certo"});
  EXPECT_EQ(driver_->Shown(), (std::vector<std::string>{"F_ZORI_Ren_Comps", "F_ZORI_Msg"}));
  EXPECT_FALSE(Form(kNomes).GetModified());
}

TEST_F(NamingStandardTest, ErrorsThatStopTheRunAreShownWithTheFailuresSoFar) {
  ASSERT_TRUE(Open());
  // The unit cannot be written: the renames stand, the user is told which file failed.
  Files().FailWritesTo("proj/uNomes.dfm");
  driver_->Expect("F_ZORI_Ren_Comps", [](platform::TCustomForm& form) {
    auto& window = dynamic_cast<TF_ZORI_Ren_Comps&>(form);
    window.chk_Salvar_Units->SetChecked(true);
    window.bbtn_Ok->Click();
  });
  Show();
  EXPECT_EQ(NameOf("lbl_Label3"), "lbl_Label3");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0],
            "ROVUVUVoravud|Falhou: proj/uNomes.pas\r\nLabel1 | lbl_edtNome\r\nButton1 | btn "
            "Button1\r\nDBEdit2 | dbe_NOME");

  // Without its table the window cannot suggest anything, and says why.
  std::filesystem::remove(Path("ZORIIDEx_Nom.xml"));
  platform::Application().ClearMessageLog();
  driver_->ExpectClick("F_ZORI_Ren_Comps", "bbtn_Ok");
  Show();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0], "ROVUVUVoravud|");
}

}  // namespace
