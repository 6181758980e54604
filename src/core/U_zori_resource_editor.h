// TF_ZORI_Resource_Editor: the catalogue editor. Browses, filters and edits the rows of
// the text catalogue file (form name, component key, text); closing it writes the table
// back and reloads the catalogue in memory, so the next window shows the edited texts.
#pragma once

#include <string>

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TCheckBox;
class TClientDataSet;
class TComboBox;
class TDataSource;
class TDBComboBox;
class TDBEdit;
class TDBGrid;
class TDBNavigator;
}  // namespace platform

class TF_ZORI_Resource_Editor : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Resource_Editor();

  platform::TClientDataSet* cds_Resources = nullptr;
  platform::TDataSource* ds_Resources = nullptr;
  platform::TDBNavigator* DBNavigator1 = nullptr;
  platform::TLabel* lbl_dbcb_NM_FORM = nullptr;
  platform::TDBComboBox* dbcb_NM_FORM = nullptr;
  platform::TLabel* lbl_dbe_NM_COMPONENTE = nullptr;
  platform::TDBEdit* dbe_NM_COMPONENTE = nullptr;
  platform::TLabel* lbl_dbe_TX_REFERENTE = nullptr;
  platform::TDBEdit* dbe_TX_REFERENTE = nullptr;
  platform::TDBGrid* dbg_Lista = nullptr;
  platform::TCheckBox* ckb_filtro = nullptr;
  platform::TComboBox* cb_Filtro = nullptr;

  void FormCreate();
  void FormShow(platform::TObject* Sender) override;
  void cb_FiltroChange(platform::TObject* Sender);
  // A pending edit is posted first; when that fails the window says so and stays open.
  void FormCloseQuery(platform::TObject* Sender, bool& CanClose);
  void FormClose(platform::TObject* Sender, platform::TCloseAction& Action);

  // The full path of the catalogue file the table works on; empty when the configured
  // name was refused.
  const std::string& Arquivo() const { return path_; }

 private:
  std::string path_;
  bool file_missing_ = false;  // created only once a row is posted
  bool posted_ = false;
};

// The editor while it is open; none otherwise.
extern TF_ZORI_Resource_Editor* F_ZORI_Resource_Editor;

// The window names the editor's two drop-downs offer, "Out of Form" first.
extern const char* const kFormulariosCatalogo[19];
