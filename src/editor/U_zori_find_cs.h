// TF_ZORI_Find_CS: the snippet finder. Searches the snippet table by words of the
// description and by group through a table of its own, lists the matches, and moves the
// code snippet library to the chosen one.
#pragma once

#include <string>

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TBitBtn;
class TCheckBox;
class TClientDataSet;
class TDataSource;
class TDBGrid;
class TDBLookupComboBox;
class TMaskEdit;
}  // namespace platform

class TF_ZORI_Find_CS : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Find_CS();

  platform::TClientDataSet* cds_Snippets = nullptr;
  platform::TClientDataSet* cds_Snip_Groups_C = nullptr;
  platform::TDataSource* ds_Snippets = nullptr;
  platform::TDataSource* ds_Snip_Groups_C = nullptr;

  platform::TCheckBox* chk_ds_code_snipplet = nullptr;
  platform::TMaskEdit* me_ds_code_snipplet = nullptr;
  platform::TCheckBox* chk_id_tipo_cs = nullptr;
  platform::TDBLookupComboBox* dblc_id_tipo_cs = nullptr;
  platform::TDBGrid* dbg_Lista = nullptr;
  platform::TBitBtn* bbtn_pesq = nullptr;

  void FormCreate(platform::TObject* Sender);
  void FormShow(platform::TObject* Sender) override;
  // A criterion's input changed: its check box follows whether it holds a value.
  void me_ds_code_snippletChange(platform::TObject* Sender);
  // A criterion's check box was clicked: unticking clears its inputs.
  void chk_ds_code_snippletClick(platform::TObject* Sender);
  void bbtn_pesqClick(platform::TObject* Sender);
  void ds_SnippetsStateChange(platform::TObject* Sender);
  // Moves the library to the chosen snippet; when it cannot be reached the library keeps
  // the rows it showed and the finder stays open.
  void bbtn_OkClick(platform::TObject* Sender);

  // The search filter the check boxes and their inputs ask for.
  std::string FN_Monta_Filtro() const;
};

// The finder while it is open; none otherwise.
extern TF_ZORI_Find_CS* F_ZORI_Find_CS;
