// TF_ZORI_Manager_Comm: the comment manager, the modal window in which the user completes
// the header comment about to be written (description, analyst, programmer, date, time,
// parameter and result descriptions, revision history), and edits the comment
// configuration and the description templates. The comment generator fills the three
// scratch tables before showing it and reads them when it closes with OK.
#pragma once

#include <memory>
#include <string>

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TClientDataSet;
class TComboBox;
class TDataSet;
class TDataSource;
class TDBEdit;
class TDBMemo;
class TDBNavigator;
class TGroupBox;
class TPageControl;
class TSpeedButton;
class TTabSheet;
}  // namespace platform

class TF_ZORI_Manager_Comm : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Manager_Comm();

  platform::TPageControl* pgc_Master = nullptr;
  platform::TTabSheet* tbsh_Actual_Comm = nullptr;
  platform::TTabSheet* tbsh_Params_Comm = nullptr;
  platform::TTabSheet* tbsh_Hist_Comm = nullptr;
  platform::TTabSheet* tbsh_Templates = nullptr;
  platform::TTabSheet* tbsh_config = nullptr;

  platform::TClientDataSet* cds_actual_comm = nullptr;
  platform::TClientDataSet* cds_Params = nullptr;
  platform::TClientDataSet* cds_hist = nullptr;
  platform::TClientDataSet* cds_templates = nullptr;
  platform::TClientDataSet* cds_config = nullptr;
  platform::TDataSource* ds_actual_comm = nullptr;
  platform::TDataSource* ds_Params = nullptr;
  platform::TDataSource* ds_hist = nullptr;
  platform::TDataSource* ds_templates = nullptr;
  platform::TDataSource* ds_config = nullptr;

  // Identification page.
  platform::TDBEdit* dbe_TX_IDENTIFICADOR = nullptr;
  platform::TDBEdit* dbe_NM_PROGRAMADOR = nullptr;
  platform::TDBEdit* dbe_NM_ANALISTA = nullptr;
  platform::TDBEdit* dbe_DT_COMMENT = nullptr;
  platform::TDBEdit* dbe_HR_COMMENT = nullptr;
  platform::TDBEdit* dbe_TX_RESULT = nullptr;
  platform::TDBMemo* dbm_TX_DESCRICAO = nullptr;
  // Parameters page.
  platform::TDBNavigator* dbn_DBNavigator1 = nullptr;
  platform::TDBEdit* dbe_TX_NM_PAR = nullptr;
  platform::TDBEdit* dbe_TX_TYPE = nullptr;
  platform::TDBMemo* dbm_TX_DESCRIPTION_par = nullptr;
  // History page.
  platform::TDBNavigator* dbn_DBNavigator2 = nullptr;
  platform::TDBEdit* dbe_DT_COMMENT_Hist = nullptr;
  platform::TDBEdit* dbe_NM_DEVELOPER_Hist = nullptr;
  platform::TDBMemo* dbm_TX_COMMENT_Hist = nullptr;
  // Templates page.
  platform::TDBNavigator* dbn_Templates = nullptr;
  platform::TDBEdit* dbe_TX_IDENT_Tpl = nullptr;
  platform::TDBMemo* dbm_TX_DESCRIPTION_Tpl = nullptr;
  platform::TComboBox* cb_Ident_Tpl = nullptr;
  platform::TSpeedButton* sb_add_ident = nullptr;
  // Configuration page.
  platform::TDBNavigator* dbn_navigator = nullptr;
  platform::TGroupBox* gb_Caracteres_Controle = nullptr;
  platform::TGroupBox* gb_Textos_Identificadores = nullptr;
  platform::TDBEdit* dbe_TX_CHAR_LIN_ESP = nullptr;
  platform::TDBEdit* dbe_TX_CHAR_INI = nullptr;
  platform::TDBEdit* dbe_TX_CHAR_FIM = nullptr;
  platform::TDBEdit* dbe_NR_CARACTERES = nullptr;
  platform::TDBEdit* dbe_TX_PROGRAMADOR_DEF = nullptr;
  platform::TDBEdit* dbe_TX_ANALISTA_DEF = nullptr;

  void FormCreate(platform::TObject* Sender);
  void FormShow(platform::TObject* Sender) override;
  void cds_histBeforeInsert(platform::TDataSet* DataSet);
  void cds_histAfterInsert(platform::TDataSet* DataSet);
  // Refuses frame characters the read-back of a header could not tell apart.
  void cds_configBeforePost(platform::TDataSet* DataSet);
  void bbtn_OkClick(platform::TObject* Sender);
};

// The window while a comment command runs; none otherwise. It has no owner.
extern std::unique_ptr<TF_ZORI_Manager_Comm> F_ZORI_Manager_Comm;

// Why three frame characters cannot make a header that reads back (each one blank, equal
// to "|" or to another); empty when they can.
std::string FN_Regra_Caracteres(const std::string& Linha, const std::string& Inicio,
                                const std::string& Fim);

// Today as "dd/mm/yyyy" and the time now as "hh:nn", the formats of the header.
std::string FN_Data_Hoje();
std::string FN_Hora_Agora();
