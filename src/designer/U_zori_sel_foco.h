// TF_ZORI_Sel_Foco: the dataset closer. Switches off the open datasets and the open
// connection-like components of the current form or of the open forms, so no form is
// saved or compiled with live data access. Datasets close directly; other classes close
// through the Boolean property the dataset-class table names for them.
#pragma once

#include <memory>

#include "core/U_zori_tpl_modal.h"

namespace ide {
class IOTAFormEditor;
}

namespace platform {
class TCheckListBox;
class TClientDataSet;
class TDataSource;
class TDBGrid;
class TDBLookupComboBox;
class TDBNavigator;
class TLabel;
class TPageControl;
class TProgressBar;
class TRadioGroup;
class TTabSheet;
}  // namespace platform

class TF_ZORI_Sel_Foco : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Sel_Foco();

  platform::TPageControl* pgc_Master = nullptr;
  platform::TTabSheet* TS_ALVO = nullptr;
  platform::TTabSheet* TS_COMPS = nullptr;
  platform::TRadioGroup* rg_Tipo = nullptr;
  platform::TCheckListBox* clb_Units_Abertas = nullptr;
  platform::TLabel* lbl_locate = nullptr;
  platform::TDBLookupComboBox* dblc_nm_classe = nullptr;
  platform::TDBNavigator* dbn_nav = nullptr;
  platform::TDBGrid* DBG_Lista = nullptr;
  platform::TProgressBar* prb_Prog = nullptr;
  // The dataset-class table (NM_CLASSE, NM_PROPRIEDADE) and its source.
  platform::TClientDataSet* cds_Classes = nullptr;
  platform::TDataSource* ds_Classes = nullptr;

  // Opens the dataset-class table, lists the open modules and chooses the scope by Tag
  // (0 the current form, 1 every checked module).
  void FormShow(platform::TObject* Sender) override;
  // Fills the check list with the file names of the open modules, in the IDE's order.
  void PR_Lista_Abertos();
  // Any scope but the current form checks every module again.
  void rg_TipoClick(platform::TObject* Sender);
  // Runs the closing for the chosen scope. Errors go on to the caller.
  void btn_OkClick(platform::TObject* Sender);
  void PR_Aplica_Regra();
  // Closes the forms of the scope's modules, advancing the progress bar per module.
  void PR_Fecha_Selecao();
  // Closes the open datasets and listed connections of one form; nothing for none. The
  // form is marked modified whenever something was switched off, so the change is saved.
  void PR_Fecha_DataSets(const std::shared_ptr<ide::IOTAFormEditor>& FormEditor);
};

// The window while it exists; none otherwise.
extern TF_ZORI_Sel_Foco* F_ZORI_Sel_Foco;
