// The dataset closer as the user works it: the window shown from the tool menu, the scope
// chosen, OK pressed; the forms' datasets and connections end switched off and saved.
#include "designer/U_zori_sel_foco.h"

#include <gtest/gtest.h>

#include <functional>

#include "form_tool_fixture.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/com_controls.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/field.h"

namespace {

using ide::testing::ReplaceOnce;

class DatasetCloserTest : public FormToolFixture {
 protected:
  void SetUp() override {
    FormToolFixture::SetUp();
    WriteTable("ZORIIDEx_CLDTS.xml", "NM_CLASSE", "NM_PROPRIEDADE",
               {{"tdatabase", "Connected"},
                {"TADOConnection", "Connected"},
                {"TTable", "Exclusive"},  // a dataset class: its own rule wins
                {"TDatabase", "KeepConnection"}});
    v_Resource_Strings = {{"F_ZORI_Sel_Foco", "DBG_Lista.Columns.Items.0", "Classe"},
                          {"F_ZORI_Sel_Foco", "DBG_Lista.Columns.Items.1", "Propriedade"}};
  }

  // Shows the window from the menu; turn works it before OK is pressed, after looks at it
  // once OK has run.
  void Run(const std::function<void(TF_ZORI_Sel_Foco&)>& turn,
           const std::function<void(TF_ZORI_Sel_Foco&)>& after = nullptr) {
    driver_->Expect("F_ZORI_Sel_Foco", [turn, after](platform::TCustomForm& form) {
      auto& window = dynamic_cast<TF_ZORI_Sel_Foco&>(form);
      turn(window);
      window.bbtn_Ok->Click();
      if (after) after(window);
    });
    F_ZORI_Sel_Foco = platform::TComponent::Create<TF_ZORI_Sel_Foco>(platform::Application());
    F_ZORI_Sel_Foco->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_Sel_Foco);
  }
};

const char* const kDados = "proj/Dados/uDados.pas";
const char* const kNomes = "proj/uNomes.pas";

TEST_F(DatasetCloserTest, CurrentFormLosesItsOpenDatasetsAndListedConnections) {
  ASSERT_TRUE(Open(kDados));
  Run([](TF_ZORI_Sel_Foco& window) {
    EXPECT_EQ(window.rg_Tipo->ItemIndex(), 0);
    EXPECT_EQ(window.pgc_Master->ActivePage(), window.TS_ALVO);
    EXPECT_EQ(window.DBG_Lista->Columns().Items(1).Title.Caption, "Propriedade");
    EXPECT_FALSE(window.prb_Prog->Visible());
  });
  EXPECT_TRUE(Form(kDados).GetModified());
  EXPECT_FALSE(Form(kNomes).GetModified());
  SaveAll();
  // Only the switched-off lines leave the file; Exclusive is no closing property of a
  // dataset, and the connection that was off stays as it was.
  std::string expected = Original("Dados/uDados.dfm");
  expected = ReplaceOnce(expected, "    AliasName = 'DBDEMOS'\r\n    Connected = True\r\n",
                         "    AliasName = 'DBDEMOS'\r\n");
  expected = ReplaceOnce(expected, "  object tblClientes: TTable\r\n    Active = True\r\n",
                         "  object tblClientes: TTable\r\n");
  expected = ReplaceOnce(expected, "  object qryPedidos: TQuery\r\n    Active = True\r\n",
                         "  object qryPedidos: TQuery\r\n");
  EXPECT_EQ(Files().Contents("proj/Dados/uDados.dfm"), expected);
}

TEST_F(DatasetCloserTest, ConnectionSwitchedOffAloneIsSavedToo) {
  std::string dfm = Original("Dados/uDados.dfm");
  dfm = ReplaceOnce(dfm, "  object tblClientes: TTable\r\n    Active = True\r\n",
                    "  object tblClientes: TTable\r\n");
  dfm = ReplaceOnce(dfm, "  object qryPedidos: TQuery\r\n    Active = True\r\n",
                    "  object qryPedidos: TQuery\r\n");
  Files().Create("proj/Dados/uDados.dfm", dfm);
  ASSERT_TRUE(Open(kDados));
  Run([](TF_ZORI_Sel_Foco& window) {
    window.pgc_Master->SelectPage(window.TS_COMPS);
    window.dblc_nm_classe->SelectItem(1);
    EXPECT_EQ(window.cds_Classes->FieldByName("NM_CLASSE")->AsString(), "TADOConnection");
    EXPECT_EQ(window.DBG_Lista->ColumnTitle(0), "Classe");
  });
  EXPECT_FALSE(Component(kDados, "dbPrincipal")->GetPropValue("Connected").AsBoolean());
  EXPECT_TRUE(Form(kDados).GetModified());
  SaveAll();
  EXPECT_EQ(Files().Contents("proj/Dados/uDados.dfm"),
            ReplaceOnce(dfm, "    Connected = True\r\n", ""));
}

TEST_F(DatasetCloserTest, CheckedModulesOfTheListAreClosed) {
  Files().Create("proj/uNomes.dfm", ReplaceOnce(Original("uNomes.dfm"), "TClientDataSet\r\n",
                                                "TClientDataSet\r\n    Active = True\r\n"));
  ASSERT_TRUE(Open(kNomes));
  Run([](TF_ZORI_Sel_Foco& window) {
    platform::TCheckListBox& list = *window.clb_Units_Abertas;
    ASSERT_EQ(list.Items().Count(), 2);
    EXPECT_EQ(list.Items()[0], "proj/uNomes.pas");
    EXPECT_EQ(list.Items()[1], "proj/Dados/uDados.pas");
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_FALSE(list.Checked(0));
    list.ClickCheck(0);
    window.rg_Tipo->SetItemIndex(1);  // every module checked again
    EXPECT_TRUE(list.Checked(0) && list.Checked(1));
    list.ClickCheck(1);
  });
  EXPECT_FALSE(Component(kNomes, "ClientDataSet1")->GetPropValue("Active").AsBoolean());
  EXPECT_TRUE(Form(kNomes).GetModified());
  EXPECT_TRUE(Component(kDados, "tblClientes")->GetPropValue("Active").AsBoolean());
  EXPECT_TRUE(Component(kDados, "dbPrincipal")->GetPropValue("Connected").AsBoolean());
  EXPECT_FALSE(Form(kDados).GetModified());
}

TEST_F(DatasetCloserTest, EveryOpenModuleWhateverTheList) {
  v_Resource_Strings = {{"F_ZORI_Sel_Foco", "rg_Tipo.Caption", " Fechar "},
                        {"F_ZORI_Sel_Foco", "rg_Tipo.Items.0", "atual"},
                        {"F_ZORI_Sel_Foco", "rg_Tipo.Items.1", "marcados"},
                        {"F_ZORI_Sel_Foco", "rg_Tipo.Items.2", "todos"}};
  ASSERT_TRUE(Open(kNomes));
  Run(
      [](TF_ZORI_Sel_Foco& window) {
        window.rg_Tipo->SetItemIndex(2);
        window.clb_Units_Abertas->ClickCheck(1);
      },
      [](TF_ZORI_Sel_Foco& window) {
        EXPECT_TRUE(window.prb_Prog->Visible());
        EXPECT_EQ(window.prb_Prog->Max(), 2);
        EXPECT_EQ(window.prb_Prog->Position(), 2);
      });
  EXPECT_FALSE(Component(kDados, "tblClientes")->GetPropValue("Active").AsBoolean());
  EXPECT_TRUE(Form(kDados).GetModified());
}

}  // namespace
