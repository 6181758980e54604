#include "designer/U_zori_manual_adj.h"

#include "core/U_zori_func.h"
#include "designer/U_zori_align.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"
#include "platform/variant.h"

TF_ZORI_Manual_Adj* F_ZORI_Manual_Adj = nullptr;

TF_ZORI_Manual_Adj::TF_ZORI_Manual_Adj()
    : TF_ZORI_Tpl_Modal("F_ZORI_Manual_Adj", "TF_ZORI_Manual_Adj") {
  SetCaption("Ajuste manual");
  pnl_Back->SetHeight(56);
  pnl_down->SetTop(56);

  lbl_type_adjust = Create<platform::TLabel>(*this);
  lbl_type_adjust->SetName("lbl_type_adjust");
  lbl_type_adjust->SetParent(pnl_Back);
  lbl_type_adjust->SetBounds(8, 8, 76, 13);
  lbl_type_adjust->SetCaption("Modo do ajuste");

  cb_type_adjust = Create<platform::TComboBox>(*this);
  cb_type_adjust->SetName("cb_type_adjust");
  cb_type_adjust->SetParent(pnl_Back);
  cb_type_adjust->SetBounds(8, 24, 217, 21);
  cb_type_adjust->SetStyle("csDropDownList");
  cb_type_adjust->Items().Add("Horizontal");
  cb_type_adjust->Items().Add("Vertical");

  spe_space = Create<platform::TSpinEdit>(*this);
  spe_space->SetName("spe_space");
  spe_space->SetParent(pnl_Back);
  spe_space->SetBounds(233, 24, 60, 22);
  spe_space->SetMinValue(0);
  spe_space->SetMaxValue(0);
  spe_space->SetValue(0);

  bbtn_Ok->SetLeft(152);
  bbtn_Ok->OnClick = [this](platform::TObject* sender) { bbtn_OkClick(sender); };
  bbtn_Cancel->SetLeft(227);

  OnCreate = [this](platform::TObject* sender) { FormCreate(sender); };
  DoCreate();
}

void TF_ZORI_Manual_Adj::FormCreate(platform::TObject*) {
  cb_type_adjust->SetItemIndex(0);
}

void TF_ZORI_Manual_Adj::bbtn_OkClick(platform::TObject*) {
  int32_t gap = 0;
  if (!platform::TryStrToInt(spe_space->Text(), gap)) {
    SetModalResult(platform::mrNone);
    PR_Mensagem("", FN_Get_Component_StringResource("F_ZORI_Manual_Adj", "msg_Espaco_Invalido"));
    return;
  }
  if (F_ZORI_Align == nullptr) return;
  F_ZORI_Align->PR_Ajusta_Espacamento(cb_type_adjust->ItemIndex() == 1
                                          ? TTipo_Align::taAjust_V_Comps
                                          : TTipo_Align::taAjust_H_Comps,
                                      gap);
}
