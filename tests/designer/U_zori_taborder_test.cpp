#include "designer/U_zori_taborder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/U_funcoes_iota.h"
#include "core/U_zori_resource.h"
#include "core/package_fixture.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "ide/host_fixture.h"
#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

namespace {

using ide::testing::ReadBytes;

// "name(child, child)" for a node and its subtree.
std::string Shape(const platform::TTreeNode* node) {
  std::string text = node->Text();
  if (!node->HasChildren()) return text;
  text += "(";
  for (int i = 0; i < node->Count(); ++i) text += (i > 0 ? "," : "") + Shape(node->Item(i));
  return text + ")";
}

// The add-in's package directory with the shipped catalogue, and the order-entry project
// open in a host over memory with the unit to work on made current. What OK writes to the
// form files, and the form without windowed controls, are checked through `zori taborder`.
class TabOrderTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    // The catalogue is loaded with the tool menu, before any window opens.
    for (const char* table : {"ZORIIDEx_msg.xml", "ZORIIDEx_Config_New.xml"})
      WriteFile(table, ReadBytes(std::filesystem::path(ZORI_SOURCE_DIR) / "data" / table));
    LoadCatalogue();
    project_ = std::make_unique<ide::testing::HostFixture>("../taborder/Pedidos");
    ASSERT_TRUE(project_->Load({"proj/Pedidos.dpr"})) << project_->errors.front();
  }
  void TearDown() override {
    project_.reset();
    PackageFixture::TearDown();
  }

  ide::DiskModule& Open(const std::string& unit) { return project_->MakeCurrent("proj/" + unit); }

  // Opens the window as the tool menu does; turn works it while it is shown.
  void Show(const std::function<void(TF_ZORI_TabOrder&)>& turn) {
    driver_->Expect("F_ZORI_TabOrder", [&](platform::TCustomForm& form) {
      turn(dynamic_cast<TF_ZORI_TabOrder&>(form));
    });
    F_ZORI_TabOrder = platform::TComponent::Create<TF_ZORI_TabOrder>(platform::Application());
    F_ZORI_TabOrder->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_TabOrder);
  }

  std::unique_ptr<ide::testing::HostFixture> project_;
};

TEST_F(TabOrderTest, SuggestsTopThenLeftThenNameIgnoringCaseAndPreselectsTheFirstTabStop) {
  ide::DiskModule& module = Open("uTab.pas");
  std::string containment, suggested, preselected;
  Show([&](TF_ZORI_TabOrder& window) {
    containment = Shape(window.tv_Resultado->Items().GetFirstNode());
    suggested = Shape(window.tv_tab_order_correto->Items().GetFirstNode());
    preselected = window.tv_tab_order_correto->Selected()->Text();
    EXPECT_EQ(window.tv_Resultado->Items().RootCount(), 1);
    EXPECT_TRUE(window.tv_tab_order_correto->Items().GetFirstNode()->Expanded());
    window.bbtn_Cancel->Click();
  });
  // Containment follows the form's component order; labels and images are never listed.
  EXPECT_EQ(containment,
            "frmTab(pnlTopo(BtnCancelar,btnAjuda,btnOk),edtDireita,edtEsquerda,edtNegativo,"
            "edtPositivo,pgcDados(tbsGeral(memObs,lvItens)),stbRodape)");
  // One pixel higher comes first whatever the left; a negative left lies further left;
  // equal positions go by name with letter case ignored; the panel sits among its siblings
  // by its own position.
  EXPECT_EQ(suggested,
            "frmTab(pnlTopo(btnAjuda,BtnCancelar,btnOk),edtDireita,edtEsquerda,edtNegativo,"
            "edtPositivo,pgcDados(tbsGeral(lvItens,memObs)),stbRodape)");
  // The panel is no tab stop: its first button is.
  EXPECT_EQ(preselected, "btnAjuda");
  EXPECT_FALSE(module.Form()->GetModified());
  EXPECT_EQ(
      dynamic_cast<platform::TWinControl*>(module.Form()->Root()->FindComponent("edtPositivo"))
          ->TabOrder(),
      0);
}

TEST_F(TabOrderTest, ActiveControlOptionTakesTheSelectedNodeAndTheFormsNodeClearsIt) {
  ide::DiskModule& module = Open("uTab.pas");
  Show([](TF_ZORI_TabOrder& window) {
    window.chk_n_ActiveControl->SetChecked(true);
    platform::TTreeNode* root = window.tv_tab_order_correto->Items().GetFirstNode();
    window.tv_tab_order_correto->SetSelected(root->Item(2));  // edtEsquerda
    window.tv_tab_order_correto->Click();
    window.bbtn_Ok->Click();
  });
  platform::TComponent& form = *module.Form()->Root();
  EXPECT_EQ(form.GetPropValue("ActiveControl").AsString(), "edtEsquerda");
  // The click selected the control in the designer.
  ASSERT_EQ(module.Form()->GetSelCount(), 1);
  EXPECT_EQ(core::GetTComponent(module.Form()->GetSelComponent(0))->Name(), "edtEsquerda");
  ASSERT_TRUE(module.Save(false, false)) << module.LastError();
  std::string written, err;
  ASSERT_TRUE(project_->files->ReadFile("proj/uTab.dfm", &written, &err));
  EXPECT_NE(written.find("  ActiveControl = edtEsquerda\r\n"), std::string::npos);

  Show([](TF_ZORI_TabOrder& window) {
    window.chk_n_ActiveControl->SetChecked(true);
    window.tv_tab_order_correto->SetSelected(window.tv_tab_order_correto->Items().GetFirstNode());
    window.tv_tab_order_correto->Click();  // the form's node leaves the selection alone
    window.bbtn_Ok->Click();
  });
  EXPECT_EQ(form.GetPropValue("ActiveControl").AsString(), "");
  EXPECT_EQ(module.Form()->GetSelCount(), 1);
  EXPECT_EQ(core::GetTComponent(module.Form()->GetSelComponent(0))->Name(), "edtEsquerda");
}

TEST_F(TabOrderTest, PlainUnitShowsTheNoFormMessageAndNothingElse) {
  Open("uUtil.pas");
  F_ZORI_TabOrder = platform::TComponent::Create<TF_ZORI_TabOrder>(platform::Application());
  EXPECT_EQ(F_ZORI_TabOrder->ShowModal(), platform::mrCancel);
  EXPECT_EQ(F_ZORI_TabOrder->tv_tab_order_correto->Items().Count(), 0);
  platform::FN_Destroi_Objeto(F_ZORI_TabOrder);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"ROVUVUVoravud|Nenhum formulário ativo. Abra um formulário "
                                      "no designer e tente novamente."}));
  // The window never waited for the user.
  EXPECT_EQ(std::count(driver_->Shown().begin(), driver_->Shown().end(), "F_ZORI_TabOrder"), 0);
}

}  // namespace
