#include "designer/U_zori_list_comp.h"

#include "core/U_zori_func.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

TF_ZORI_List_Comp* F_ZORI_List_Comp = nullptr;

TF_ZORI_List_Comp::TF_ZORI_List_Comp()
    : TF_ZORI_Tpl_Modal("F_ZORI_List_Comp", "TF_ZORI_List_Comp") {
  SetCaption("Lista de componentes");
  pnl_Back->SetHeight(393);

  tv_comps = Create<platform::TTreeView>(*this);
  tv_comps->SetName("tv_comps");
  tv_comps->SetParent(pnl_Back);
  tv_comps->SetBounds(8, 24, 297, 361);

  lbl_tv_comps = Create<platform::TLabel>(*this);
  lbl_tv_comps->SetName("lbl_tv_comps");
  lbl_tv_comps->SetParent(pnl_Back);
  lbl_tv_comps->SetBounds(8, 8, 177, 13);
  lbl_tv_comps->SetCaption("Lista de Formulários e componentes");
  lbl_tv_comps->SetFocusControl(tv_comps);

  // Both buttons only close the window; Cancel stands at 237 so the window is 327 wide.
  bbtn_Ok->SetLeft(162);
  bbtn_Cancel->SetLeft(237);
}

void TF_ZORI_List_Comp::FormShow(platform::TObject* Sender) {
  PR_Lista_Forms();
  TF_ZORI_Tpl_Modal::FormShow(Sender);
}

void TF_ZORI_List_Comp::PR_Lista_Forms() {
  // Every existing form is listed, hidden ones and this window included.
  platform::TScreen& screen = platform::Screen();
  for (int index = 0; index < screen.FormCount(); ++index) {
    platform::TCustomForm* form = screen.Forms(index);
    if (FN_Formulario_Movel(this, form, false, true)) PR_Lista_Comps(*form);
  }
}

void TF_ZORI_List_Comp::PR_Lista_Comps(platform::TCustomForm& Form) {
  platform::TTreeNodes& nodes = tv_comps->Items();
  nodes.AddFirst(nullptr, Form.Name());
  for (int index = 0; index < Form.ComponentCount(); ++index) {
    auto* control = dynamic_cast<platform::TWinControl*>(Form.Components(index));
    if (control == nullptr) continue;
    // The parent is looked up by name, the form's own subtree first; a parent found in no
    // subtree leaves the control at the top level.
    platform::TTreeNode* parent =
        control->Parent() != nullptr ? FN_Localiza_Pai(control->Parent()->Name()) : nullptr;
    if (parent != nullptr)
      nodes.AddChild(parent, control->Name());
    else
      nodes.Add(nullptr, control->Name());
  }
}

platform::TTreeNode* TF_ZORI_List_Comp::FN_Localiza_Pai(const std::string& Nome) const {
  for (platform::TTreeNode* node = tv_comps->Items().GetFirstNode(); node != nullptr;
       node = node->GetNext()) {
    if (node->Text() == Nome) return node;
  }
  return nullptr;
}
