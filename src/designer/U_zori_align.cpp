#include "designer/U_zori_align.h"

#include "platform/buttons.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"

TF_ZORI_Align* F_ZORI_Align = nullptr;

TF_ZORI_Align::TF_ZORI_Align() : TF_ZORI_Tpl_Modal("F_ZORI_Align", "TF_ZORI_Align") {
  SetCaption("ZORI Align");
  SetPropValue("BorderStyle", "bsToolWindow");
  pnl_Back->SetHeight(97);
  pnl_down->SetHeight(20);
  lbl_Email->SetVisible(false);
  bbtn_Cancel->SetLeft(105);
  bbtn_Ok->SetLeft(30);
}
