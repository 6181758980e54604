// The form lister over the screen: every form, newest first, each with its windowed
// controls under their own parents.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/package_fixture.h"
#include "designer/U_zori_list_comp.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

class ListCompTest : public PackageFixture {
 protected:
  platform::TForm* Form(const std::string& name) {
    auto* form = platform::TComponent::Create<platform::TForm>(platform::Application());
    form->SetName(name);
    return form;
  }
  template <class T>
  T* Control(platform::TForm& owner, platform::TWinControl* parent, const std::string& name) {
    T* control = platform::TComponent::Create<T>(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
  }
  // The lister's tree as the user sees it when it opens.
  std::vector<std::string> Listed() {
    std::vector<std::string> tree;
    driver_->Expect("F_ZORI_List_Comp", [&tree](platform::TCustomForm&) {
      for (platform::TTreeNode* n = F_ZORI_List_Comp->tv_comps->Items().GetFirstNode(); n;
           n = n->GetNext())
        tree.push_back(std::string(2 * n->Level(), ' ') + n->Text());
    });
    F_ZORI_List_Comp = platform::TComponent::Create<TF_ZORI_List_Comp>(platform::Application());
    F_ZORI_List_Comp->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_List_Comp);
    return tree;
  }
};

TEST_F(ListCompTest, FormsNewestFirstEachControlUnderItsOwnParent) {
  platform::TForm* cadastro = Form("frmCadastro");
  auto* back = Control<platform::TPanel>(*cadastro, cadastro, "pnl_Back");
  Control<platform::TEdit>(*cadastro, back, "edt_Nome");
  Control<platform::TLabel>(*cadastro, back, "lbl_Nome");  // not windowed: not listed
  platform::TForm* consulta = Form("frmConsulta");
  consulta->SetVisible(false);  // hidden forms are listed too
  auto* other_back = Control<platform::TPanel>(*consulta, consulta, "pnl_Back");
  Control<platform::TButton>(*consulta, other_back, "btn_Busca");
  Form("frmVazio");

  const std::vector<std::string> tree = Listed();
  const std::vector<std::string> forms_part(tree.begin() + 6, tree.end());
  EXPECT_EQ(forms_part,
            (std::vector<std::string>{"frmVazio", "frmConsulta", "  pnl_Back", "    btn_Busca",
                                      "frmCadastro", "  pnl_Back", "    edt_Nome"}));
  // The lister itself was created last, so it comes first, with its own controls.
  EXPECT_EQ(std::vector<std::string>(tree.begin(), tree.begin() + 6),
            (std::vector<std::string>{"F_ZORI_List_Comp", "  pnl_Back", "    tv_comps",
                                      "  pnl_down", "    bbtn_Ok", "    bbtn_Cancel"}));
}

TEST_F(ListCompTest, ParentMissingFromItsFormIsFoundAmongEarlierForms) {
  platform::TForm* first = Form("frmPrimeiro");
  auto* shared = Control<platform::TPanel>(*first, first, "pnl_Comum");
  platform::TForm* second = Form("frmSegundo");
  // Owned by the second form but standing on the first one's panel.
  Control<platform::TEdit>(*second, shared, "edt_Solto");
  platform::TForm* third = Form("frmTerceiro");
  Control<platform::TEdit>(*third, nullptr, "edt_SemPai");

  const std::vector<std::string> tree = Listed();
  const auto at = std::find(tree.begin(), tree.end(), "frmTerceiro");
  ASSERT_NE(at, tree.end());
  EXPECT_EQ(std::vector<std::string>(at, tree.end()),
            (std::vector<std::string>{"frmTerceiro", "frmSegundo", "frmPrimeiro", "  pnl_Comum",
                                      "    edt_Solto", "edt_SemPai"}));
}
