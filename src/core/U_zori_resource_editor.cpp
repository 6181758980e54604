#include "core/U_zori_resource_editor.h"

#include <filesystem>

#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "core/control_layout.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/field.h"
#include "platform/std_controls.h"

TF_ZORI_Resource_Editor* F_ZORI_Resource_Editor = nullptr;

const char* const kFormulariosCatalogo[19] = {
    "Out of Form",        "F_ZORI_Config",       "F_ZORI_Mod_Comps",       "F_ZORI_Msg",
    "F_ZORI_Ren_Comps",   "F_ZORI_Resource",     "F_ZORI_Resource_Editor", "F_ZORI_Sel_Foco",
    "F_ZORI_Tpl_Modal",   "F_ZORI_CodeSnippets", "F_ZORI_Find_CS",         "F_ZORI_TabOrder",
    "F_ZORI_Perf_Layout", "F_ZORI_Align",        "F_ZORI_Cust_Menu",       "F_ZORI_List_Comp",
    "F_ZORI_About",       "F_ZORI_Manual_Adj",   "F_ZORI_Manager_Comm"};

namespace {

using core::LabelFor;
using core::Place;

}  // namespace

TF_ZORI_Resource_Editor::TF_ZORI_Resource_Editor()
    : TF_ZORI_Tpl_Modal("F_ZORI_Resource_Editor", "TF_ZORI_Resource_Editor") {
  SetCaption("Editor de Resources");
  SetClientWidth(712);
  SetClientHeight(419);
  pnl_Back->SetHeight(379);

  cds_Resources = Create<platform::TClientDataSet>(*this);
  cds_Resources->SetName("cds_Resources");
  cds_Resources->FieldDefs().Add("NM_FORM", platform::ftString, 60).DisplayLabel = "Formulário";
  cds_Resources->FieldDefs().Add("NM_COMPONENTE", platform::ftString, 60).DisplayLabel =
      "Componente";
  cds_Resources->FieldDefs().Add("TX_REFERENTE", platform::ftString, 400).DisplayLabel = "Resource";
  cds_Resources->AfterPost = [this](platform::TDataSet*) { posted_ = true; };
  cds_Resources->AfterDelete = [this](platform::TDataSet*) { posted_ = true; };
  ds_Resources = Create<platform::TDataSource>(*this);
  ds_Resources->SetName("ds_Resources");
  ds_Resources->SetDataSet(cds_Resources);

  DBNavigator1 = Place<platform::TDBNavigator>(*this, pnl_Back, "DBNavigator1", 8, 8, 240, 25);
  DBNavigator1->SetDataSource(ds_Resources);

  dbcb_NM_FORM = Place<platform::TDBComboBox>(*this, pnl_Back, "dbcb_NM_FORM", 8, 56, 192, 21);
  dbcb_NM_FORM->SetPropValue("Style", "csDropDownList", false);
  dbcb_NM_FORM->SetDataSource(ds_Resources);
  dbcb_NM_FORM->SetDataField("NM_FORM");
  lbl_dbcb_NM_FORM =
      LabelFor(*this, pnl_Back, "lbl_dbcb_NM_FORM", 8, 40, "Formulário", dbcb_NM_FORM);
  dbe_NM_COMPONENTE =
      Place<platform::TDBEdit>(*this, pnl_Back, "dbe_NM_COMPONENTE", 208, 56, 224, 21);
  dbe_NM_COMPONENTE->SetDataSource(ds_Resources);
  dbe_NM_COMPONENTE->SetDataField("NM_COMPONENTE");
  lbl_dbe_NM_COMPONENTE =
      LabelFor(*this, pnl_Back, "lbl_dbe_NM_COMPONENTE", 208, 40, "Componente", dbe_NM_COMPONENTE);
  dbe_TX_REFERENTE =
      Place<platform::TDBEdit>(*this, pnl_Back, "dbe_TX_REFERENTE", 440, 56, 264, 21);
  dbe_TX_REFERENTE->SetDataSource(ds_Resources);
  dbe_TX_REFERENTE->SetDataField("TX_REFERENTE");
  lbl_dbe_TX_REFERENTE =
      LabelFor(*this, pnl_Back, "lbl_dbe_TX_REFERENTE", 440, 40, "Resource", dbe_TX_REFERENTE);

  dbg_Lista = Place<platform::TDBGrid>(*this, pnl_Back, "dbg_Lista", 8, 88, 696, 283);
  dbg_Lista->SetDataSource(ds_Resources);
  const std::pair<const char*, int32_t> columns[] = {
      {"NM_FORM", 192}, {"NM_COMPONENTE", 224}, {"TX_REFERENTE", 224}};
  for (const auto& [field, width] : columns) {
    platform::TColumn& column = dbg_Lista->Columns().Add();
    column.FieldName = field;
    column.Width = width;
  }

  ckb_filtro = Place<platform::TCheckBox>(*this, pnl_down, "ckb_filtro", 240, 12, 57, 17);
  ckb_filtro->SetCaption("Filtrar");
  ckb_filtro->SetPropValue("Alignment", "taLeftJustify", false);
  cb_Filtro = Place<platform::TComboBox>(*this, pnl_down, "cb_Filtro", 304, 10, 241, 21);
  cb_Filtro->SetPropValue("Style", "csDropDownList", false);
  cb_Filtro->OnChange = [this](platform::TObject* sender) { cb_FiltroChange(sender); };
  for (const char* form : kFormulariosCatalogo) {
    dbcb_NM_FORM->Items().Add(form);
    cb_Filtro->Items().Add(form);
  }

  bbtn_Ok->SetVisible(false);
  bbtn_Cancel->SetLeft(629);
  bbtn_Cancel->SetCaption("Fechar");

  OnCloseQuery = [this](platform::TObject* sender, bool& can_close) {
    FormCloseQuery(sender, can_close);
  };
  OnClose = [this](platform::TObject* sender, platform::TCloseAction& action) {
    FormClose(sender, action);
  };
  FormCreate();
}

void TF_ZORI_Resource_Editor::FormCreate() {
  cds_Resources->Close();
  std::string name;
  try {
    name = FN_Arquivo_Resources();
  } catch (const platform::Exception& e) {
    // Refused before anything is opened: the window shows an empty, closed table.
    PR_Mensagem("", e.what());
    return;
  }
  path_ = (std::filesystem::path(v_Diretorio_Package) / name).string();
  std::error_code ec;
  file_missing_ = !std::filesystem::exists(path_, ec);
  if (file_missing_) PR_Mensagem("", path_);
  cds_Resources->SetFileName(path_);
  try {
    cds_Resources->Open();
  } catch (const std::exception& e) {
    // A file that cannot be read stays as it is: the table is never written over it.
    PR_Mensagem("", std::string(e.what()) + "\r\nFile: " + name);
  }
}

void TF_ZORI_Resource_Editor::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  for (int column = 0; column < 3; ++column) {
    dbg_Lista->Columns().Items(column).Title.Caption = FN_Get_Component_StringResource(
        "F_ZORI_Resource_Editor", "DBG_Lista.Columns.Items." + std::to_string(column));
  }
}

void TF_ZORI_Resource_Editor::cb_FiltroChange(platform::TObject*) {
  if (!cds_Resources->Active()) return;
  if (ckb_filtro->Checked()) {
    if (cb_Filtro->ItemIndex() == 0)
      cds_Resources->SetFilter(" (NM_FORM = '') OR (NM_FORM IS NULL)");
    else
      cds_Resources->SetFilter("NM_FORM = '" + cb_Filtro->Text() + "'");
  }
  cds_Resources->SetFiltered(ckb_filtro->Checked());
}

void TF_ZORI_Resource_Editor::FormCloseQuery(platform::TObject*, bool& CanClose) {
  const platform::TDataSetState state = cds_Resources->State();
  if (state != platform::dsEdit && state != platform::dsInsert) return;
  // Closing the table would drop the row being typed.
  try {
    cds_Resources->Post();
  } catch (const std::exception& e) {
    PR_Mensagem("", e.what());
    CanClose = false;
  }
}

void TF_ZORI_Resource_Editor::FormClose(platform::TObject*, platform::TCloseAction&) {
  // A catalogue file that was missing is created only for a row that was posted.
  if (file_missing_ && !posted_) cds_Resources->SetFileName("");
  try {
    cds_Resources->Close();
  } catch (const std::exception& e) {
    PR_Mensagem("", std::string(e.what()) + "\r\nFile: " + path_);
  }
  const bool own_holder = F_ZORI_Resource == nullptr;
  if (own_holder)
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
  if (own_holder) platform::FN_Destroi_Objeto(F_ZORI_Resource);
}
