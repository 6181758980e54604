#include "designer/U_zori_mod_comps.h"

#include "core/U_funcoes_iota.h"
#include "platform/ext_controls.h"
#include "platform/value_list_editor.h"

TF_ZORI_Mod_Comps* F_ZORI_Mod_Comps = nullptr;

TF_ZORI_Mod_Comps::TF_ZORI_Mod_Comps()
    : TF_ZORI_Tpl_Modal("F_ZORI_Mod_Comps", "TF_ZORI_Mod_Comps") {
  SetCaption("Resumo das modificações");
  SetClientWidth(360);
  pnl_Back->SetHeight(233);
  pnl_down->SetTop(233);

  VLE_Modf = Create<platform::TValueListEditor>(*this);
  VLE_Modf->SetName("VLE_Modf");
  VLE_Modf->SetParent(pnl_Back);
  VLE_Modf->SetPropValue("Align", "alClient");
  VLE_Modf->SetPropValue("Color", 15138815, false);  // pale yellow
  VLE_Modf->SetPropValue("KeyOptions", "[keyUnique, keyDelete]", false);
  VLE_Modf->SetPropValue("ColWidths.0", 166, false);
  VLE_Modf->SetPropValue("ColWidths.1", 176, false);
  VLE_Modf->TitleCaptions().Clear();
  VLE_Modf->TitleCaptions().Add("Nome atual");
  VLE_Modf->TitleCaptions().Add("Nome sugerido");
  VLE_Modf->OnSelectCell = [this](platform::TObject* sender, int col, int row, bool& can_select) {
    VLE_ModfSelectCell(sender, col, row, can_select);
  };
}

void TF_ZORI_Mod_Comps::VLE_ModfSelectCell(platform::TObject*, int, int ARow, bool& CanSelect) {
  core::FN_Seleciona_Componente(VLE_Modf->Keys(ARow));
  CanSelect = true;
}
