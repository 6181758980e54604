// TF_ZORI_Config: the settings dialog. One control per configuration key, named as the key;
// the template loads the stored values when it shows, OK writes every key back with its
// type and restarts the auto-save timer so a new period applies at once.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class THotKey;
class TLabel;
class TOpenDialog;
class TScrollBox;
class TSpeedButton;
class TSpinEdit;
}  // namespace platform

class TF_ZORI_Config : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Config();

  platform::TGroupBox* gb_fundo = nullptr;
  platform::TScrollBox* sbx_teclas_atalho = nullptr;
  platform::TGroupBox* gb_fechar_datasets = nullptr;
  platform::TCheckBox* chk_before_compile = nullptr;
  platform::TLabel* lbl_before_compile = nullptr;
  platform::THotKey* hk_close_datasets = nullptr;
  platform::TGroupBox* gb_padronizar_nomes = nullptr;
  platform::THotKey* hk_Padronizar_Nom = nullptr;
  platform::TGroupBox* gb_default_nom = nullptr;
  platform::TCheckBox* chk_Ori_Data = nullptr;
  platform::TCheckBox* chk_focus_lbl = nullptr;
  platform::TCheckBox* chk_Salvar_Units = nullptr;
  platform::TGroupBox* gb_code_snippet = nullptr;
  platform::THotKey* hk_code_snippet = nullptr;
  platform::TGroupBox* gb_TabOrder = nullptr;
  platform::THotKey* hk_TabOrder = nullptr;
  platform::TCheckBox* chk_n_ActiveControl = nullptr;
  platform::TGroupBox* gb_lp = nullptr;
  platform::THotKey* hk_lp = nullptr;
  platform::TCheckBox* chk_auto_layout = nullptr;
  platform::TLabel* lbl_Label1 = nullptr;
  platform::TGroupBox* gb_zori_align = nullptr;
  platform::THotKey* hk_zori_align = nullptr;
  platform::TCheckBox* chk_auto_load = nullptr;
  platform::TCheckBox* chk_Stay_On_Top = nullptr;
  platform::TGroupBox* gb_Auto_Save = nullptr;
  platform::TCheckBox* chk_salvar_Auto = nullptr;
  platform::TSpinEdit* spe_tempo = nullptr;
  platform::TLabel* lbl_minutos = nullptr;
  platform::TGroupBox* gb_Comment = nullptr;
  platform::THotKey* hk_comment = nullptr;
  platform::TGroupBox* gb_Exec_BComp = nullptr;
  platform::TCheckBox* chk_Exec_BComp = nullptr;
  platform::TEdit* edt_app_exec = nullptr;
  platform::TSpeedButton* sb_Exec_BComp = nullptr;
  platform::TLabel* lbl_edt_Params = nullptr;
  platform::TEdit* edt_Params = nullptr;
  platform::TLabel* lbl_cb_Modo = nullptr;
  platform::TComboBox* cb_Modo = nullptr;
  platform::TLabel* lbl_ret_Exec_BComp = nullptr;
  platform::TSpinEdit* spe_Exec_BComp = nullptr;
  // Seconds the before-compile program may run before it is stopped; 0 waits for its end.
  platform::TLabel* lbl_limite_exec = nullptr;
  platform::TSpinEdit* spe_limite_exec = nullptr;
  platform::TGroupBox* gb_Resources = nullptr;
  platform::TCheckBox* chk_Resources = nullptr;
  platform::TEdit* edt_Resources = nullptr;
  platform::TSpeedButton* sb_Resources = nullptr;
  platform::TOpenDialog* od_Exec_BComp = nullptr;

  void FormShow(platform::TObject* Sender) override;
  // Writes every configuration control under its name, then restarts auto-save. A text
  // longer than the store holds (255 characters) is refused before anything is written
  // and the window stays open.
  void bbtn_OkClick(platform::TObject* Sender);
  void sb_Exec_BCompClick(platform::TObject* Sender);
  void sb_ResourcesClick(platform::TObject* Sender);
};

// The window while it is open; none otherwise.
extern TF_ZORI_Config* F_ZORI_Config;
