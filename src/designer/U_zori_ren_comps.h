// TF_ZORI_Ren_Comps: the naming standardiser. Renames the components of the form open in
// the designer so each name begins with its class's prefix from the naming table; a label
// pointing at a control is named after that control, a data-aware control after its data
// field. The suggestions are reviewed in the summary window before anything changes.
#pragma once

#include <memory>
#include <string>

#include "core/U_zori_tpl_modal.h"

namespace ide {
class IOTAFormEditor;
}

namespace platform {
class TCheckBox;
class TClientDataSet;
class TDataSource;
class TDBGrid;
class TDBLookupComboBox;
class TDBNavigator;
class TPageControl;
class TTabSheet;
}  // namespace platform

class TF_ZORI_Ren_Comps : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Ren_Comps();

  platform::TPageControl* pgc_Master = nullptr;
  platform::TTabSheet* tbsh_Opcoes = nullptr;
  platform::TTabSheet* tbsh_Padroes = nullptr;
  platform::TCheckBox* chk_Ori_Data = nullptr;
  platform::TCheckBox* chk_focus_lbl = nullptr;
  platform::TCheckBox* chk_Salvar_Units = nullptr;
  platform::TCheckBox* chk_Alt_Refer = nullptr;
  platform::TDBNavigator* dbn_Nav = nullptr;
  platform::TDBGrid* dbg_Lista = nullptr;
  platform::TLabel* lbl_locate = nullptr;
  platform::TDBLookupComboBox* dblc_nm_classe = nullptr;
  // The naming table (NM_CLASSE, TX_NOMECLATURA) and its source.
  platform::TClientDataSet* cds_Padr_Nom = nullptr;
  platform::TDataSource* ds_Padr_Nom = nullptr;

  // The renames the designer refused in the current run: for each, a line break, the
  // current name, " | " and the suggested name.
  std::string v_Falhas;

  // Opens the naming table and shows the options page.
  void FormShow(platform::TObject* Sender) override;
  // The options page is short, the table editor tall.
  void pgc_MasterChange(platform::TObject* Sender);
  void cds_Padr_NomAfterInsert(platform::TObject* DataSet);
  // Runs the renaming on the active form. An error that stops it is shown with the
  // failures collected until then.
  void btn_OkClick(platform::TObject* Sender);
  // Suggests, lets the user review in the summary, renames through the designer and
  // reports the refused renames once. Nothing happens for no form editor or root.
  void PR_Renomea_Comps(const std::shared_ptr<ide::IOTAFormEditor>& FormEditor);
};

// The plain prefix rule: Nome with Prefixo in front, or, when Nome already begins with
// Prefixo in another letter case, with its first letters written as in Prefixo. An empty
// prefix begins no name, so the result is Nome itself.
std::string FN_Prefixa_Nome(const std::string& Nome, const std::string& Prefixo);

// The window while it exists; none otherwise.
extern TF_ZORI_Ren_Comps* F_ZORI_Ren_Comps;
