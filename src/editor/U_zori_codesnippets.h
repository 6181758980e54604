// TF_ZORI_CodeSnippets: the code snippet library. Snippets are kept by group in the
// package's snippet table; the window browses one group at a time, edits snippets in
// place through its navigator and opens the snippet finder. It never writes into the code
// editor: the user copies a snippet's text from the window.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TClientDataSet;
class TDataSet;
class TDataSource;
class TDBEdit;
class TDBLookupComboBox;
class TDBNavigator;
class TDBRichEdit;
class TGroupBox;
class TLabel;
}  // namespace platform

class TF_ZORI_CodeSnippets : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_CodeSnippets();

  // The group table (its current row is the group shown), a second cursor over the same
  // file for a snippet's own group, and the snippet table filtered to the group shown.
  platform::TClientDataSet* cds_Snip_Groups = nullptr;
  platform::TClientDataSet* cds_Snip_Groups_C = nullptr;
  platform::TClientDataSet* cds_Snippets = nullptr;
  platform::TDataSource* ds_Snip_Groups = nullptr;
  platform::TDataSource* ds_Snip_Groups_C = nullptr;
  platform::TDataSource* ds_Snippets = nullptr;

  platform::TLabel* lbl_dbll_ds_tipo_cs = nullptr;
  platform::TDBLookupComboBox* lbcb_ds_tipo_cs = nullptr;
  platform::TGroupBox* gb_sel_cod_sniplet = nullptr;
  platform::TDBLookupComboBox* dblc_snipplet = nullptr;
  platform::TDBNavigator* dbn_nav = nullptr;
  platform::TLabel* lbl_ds_code_snipplet = nullptr;
  platform::TDBEdit* dbe_ds_code_snipplet = nullptr;
  platform::TLabel* lbl_dbe_ds_code_snipplet = nullptr;
  platform::TDBLookupComboBox* dblc_id_tipo_cs = nullptr;
  platform::TDBRichEdit* dbre_tx_code_snipplet = nullptr;

  void FormCreate(platform::TObject* Sender);
  void FormShow(platform::TObject* Sender) override;
  // A row still being edited is posted before the window closes; a refused post keeps
  // the window open with the reason shown.
  void FormCloseQuery(platform::TObject* Sender, bool& CanClose);
  // The snippet table is written back here, where a failed write can still be reported.
  void FormDestroy(platform::TObject* Sender);
  void cds_Snip_GroupsAfterScroll(platform::TDataSet* DataSet);
  void cds_SnippetsAfterInsert(platform::TDataSet* DataSet);
  // Opens the snippet finder over what the library holds now.
  void bbtn_OkClick(platform::TObject* Sender);

  // Posts a pending edit of the snippet table; false (the reason shown) when refused.
  bool FN_Grava_Pendente();
};

// The library while it is open; none otherwise.
extern TF_ZORI_CodeSnippets* F_ZORI_CodeSnippets;

// Snippet table file and group table file in the package directory.
inline constexpr const char* kArquivoSnippets = "ZORIIDEx_CodeSnippets.xml";
inline constexpr const char* kArquivoGruposSnippets = "ZORIIDEx_TCs.xml";
