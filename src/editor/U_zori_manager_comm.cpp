#include "editor/U_zori_manager_comm.h"

#include <chrono>
#include <ctime>
#include <initializer_list>

#include "core/U_zori_func.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/com_controls.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/graphics.h"
#include "platform/std_controls.h"

std::unique_ptr<TF_ZORI_Manager_Comm> F_ZORI_Manager_Comm;

using platform::TFieldDefs;
using platform::TNavigateBtn;

namespace {

constexpr const char* kDateMask = "!99/99/0000;1;_";
constexpr const char* kTimeMask = "!90:00;1;_";

std::string LocalTime(const char* format) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

void AddField(TFieldDefs& defs, const char* name, int32_t size, const char* mask = "",
              const char* label = "", bool required = false) {
  platform::TFieldDef& def = defs.Add(name, platform::ftString, size, required);
  def.EditMask = mask;
  def.DisplayLabel = label;
}

}  // namespace

std::string FN_Data_Hoje() {
  return LocalTime("%d/%m/%Y");
}

std::string FN_Hora_Agora() {
  return LocalTime("%H:%M");
}

std::string FN_Regra_Caracteres(const std::string& Linha, const std::string& Inicio,
                                const std::string& Fim) {
  auto blank = [](const std::string& c) {
    for (char ch : c)
      if (static_cast<unsigned char>(ch) > 32) return false;
    return true;
  };
  const bool sound = !blank(Linha) && !blank(Inicio) && !blank(Fim) && Linha != "|" &&
                     Inicio != "|" && Fim != "|" && Linha != Inicio && Linha != Fim &&
                     Inicio != Fim;
  if (sound) return {};
  std::string text = FN_Get_Component_StringResource("F_ZORI_Manager_Comm", "msg_Frame_Chars");
  if (text.empty()) {
    text =
        "The line, start and end characters of the header must be three different characters, "
        "none of them blank or \"|\", or the header cannot be read back.";
  }
  return text;
}

TF_ZORI_Manager_Comm::TF_ZORI_Manager_Comm()
    : TF_ZORI_Tpl_Modal("F_ZORI_Manager_Comm", "TF_ZORI_Manager_Comm") {
  using namespace platform;
  SetCaption("Gerenciador de Comentários");
  SetClientWidth(586);
  SetClientHeight(495);
  pnl_Back->SetHeight(455);
  pnl_down->SetTop(455);
  bbtn_Ok->SetLeft(428);
  bbtn_Cancel->SetLeft(503);

  // The tables, with the fields' sizes as the files hold them and their masks and labels.
  auto table = [this](TClientDataSet*& cds, TDataSource*& ds, const char* cds_name,
                      const char* ds_name) {
    cds = Create<TClientDataSet>(*this);
    cds->SetName(cds_name);
    ds = Create<TDataSource>(*this);
    ds->SetName(ds_name);
    ds->SetDataSet(cds);
  };
  table(cds_actual_comm, ds_actual_comm, "cds_actual_comm", "ds_actual_comm");
  AddField(cds_actual_comm->FieldDefs(), "TX_IDENTIFICADOR", 80);
  AddField(cds_actual_comm->FieldDefs(), "NM_PROGRAMADOR", 100);
  AddField(cds_actual_comm->FieldDefs(), "NM_ANALISTA", 100);
  AddField(cds_actual_comm->FieldDefs(), "DT_COMMENT", 10, kDateMask);
  AddField(cds_actual_comm->FieldDefs(), "HR_COMMENT", 5, kTimeMask);
  AddField(cds_actual_comm->FieldDefs(), "TX_DESCRICAO", 5000);
  AddField(cds_actual_comm->FieldDefs(), "TX_RESULT", 2000);
  table(cds_Params, ds_Params, "cds_Params", "ds_Params");
  AddField(cds_Params->FieldDefs(), "TX_NM_PAR", 80);
  AddField(cds_Params->FieldDefs(), "TX_TYPE", 80);
  AddField(cds_Params->FieldDefs(), "TX_DESCRIPTION", 5000);
  table(cds_hist, ds_hist, "cds_hist", "ds_hist");
  AddField(cds_hist->FieldDefs(), "DT_COMMENT", 10, kDateMask);
  AddField(cds_hist->FieldDefs(), "NM_DEVELOPER", 20);
  AddField(cds_hist->FieldDefs(), "TX_COMMENT", 5000);
  cds_hist->BeforeInsert = [this](TDataSet* d) { cds_histBeforeInsert(d); };
  cds_hist->AfterInsert = [this](TDataSet* d) { cds_histAfterInsert(d); };
  table(cds_templates, ds_templates, "cds_templates", "ds_templates");
  AddField(cds_templates->FieldDefs(), "TX_IDENT", 80, "", "Nome do Evento");
  AddField(cds_templates->FieldDefs(), "TX_DESCRIPTION", 5000);
  table(cds_config, ds_config, "cds_config", "ds_config");
  for (auto [name, label] : std::initializer_list<std::pair<const char*, const char*>>{
           {"TX_IDENTIFICADOR", "Identificador"},
           {"TX_PROGRAMADOR", "Programador"},
           {"TX_ANALISTA", "Analista"},
           {"TX_DT_COMMENT", "Data do Comentário"},
           {"TX_HR_COMMENT", "Hora do Comentário"},
           {"TX_DESCRICAO", "Descrição"},
           {"TX_PROGRAMADOR_DEF", "Programador padrão"},
           {"TX_ANALISTA_DEF", "Analista padrão"},
           {"TX_RETORNO", "Retorno"},
           {"TX_PARAMETROS", "Parâmetros"},
           {"TX_END_PARAMETROS", "End. Parâmetros"},
           {"TX_HIST_REV", "Hist. Revisões"},
           {"TX_DT_HIST", "Dt. Hist"},
           {"TX_PROG_HIST", "Prog. Hist."},
           {"TX_DESC_HIST", "Desc. Hist"},
           {"TX_CHAR_LIN_ESP", ""},
           {"TX_CHAR_INI", ""},
           {"TX_CHAR_FIM", ""}}) {
    AddField(cds_config->FieldDefs(), name, 0, "", label, true);
  }
  cds_config->FieldDefs().Add("NR_CARACTERES", ftInteger, 0, true).DisplayLabel =
      "Tamanho das linhas";
  cds_config->BeforePost = [this](TDataSet* d) { cds_configBeforePost(d); };

  pgc_Master = Create<TPageControl>(*this);
  pgc_Master->SetName("pgc_Master");
  pgc_Master->SetParent(pnl_Back);
  pgc_Master->SetPropValue("Align", "alClient");
  auto page = [this](TTabSheet*& sheet, const char* name, const char* caption) {
    sheet = Create<TTabSheet>(*this);
    sheet->SetName(name);
    sheet->SetPageControl(pgc_Master);
    sheet->SetCaption(caption);
  };
  page(tbsh_Actual_Comm, "tbsh_Actual_Comm", "Identificação");
  page(tbsh_Params_Comm, "tbsh_Params_Comm", "Parâmetros");
  page(tbsh_Hist_Comm, "tbsh_Hist_Comm", "Histórico de Alterações");
  page(tbsh_Templates, "tbsh_Templates", "Templates");
  page(tbsh_config, "tbsh_config", "Configuração");

  // A data-aware control with its label above it (the label's name is lbl_ + the control's).
  auto labelled = [this](TControl* control, TWinControl* parent, const std::string& name,
                         const char* caption, int32_t left, int32_t top, int32_t width,
                         int32_t height) {
    TLabel* label = Create<TLabel>(*this);
    label->SetName("lbl_" + name);
    label->SetParent(parent);
    label->SetBounds(left, top, width, 13);
    label->SetCaption(caption);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top + 16, width, height);
  };
  auto edit = [&](TDBEdit*& e, TWinControl* parent, const char* name, const char* caption,
                  TDataSource* ds, const char* field, int32_t left, int32_t top, int32_t width) {
    e = Create<TDBEdit>(*this);
    labelled(e, parent, name, caption, left, top, width, 21);
    e->SetDataSource(ds);
    e->SetDataField(field);
  };
  auto memo = [&](TDBMemo*& m, TWinControl* parent, const char* name, const char* caption,
                  TDataSource* ds, const char* field, int32_t top, int32_t height) {
    m = Create<TDBMemo>(*this);
    labelled(m, parent, name, caption, 8, top, 560, height);
    m->SetDataSource(ds);
    m->SetDataField(field);
  };
  auto navigator = [this](TDBNavigator*& n, TWinControl* parent, const char* name, TDataSource* ds,
                          const std::vector<TNavigateBtn>& buttons) {
    n = Create<TDBNavigator>(*this);
    n->SetName(name);
    n->SetParent(parent);
    n->SetBounds(8, 8, 240, 25);
    n->SetDataSource(ds);
    n->SetVisibleButtons(buttons);
  };

  TWinControl* p = tbsh_Actual_Comm;
  edit(dbe_TX_IDENTIFICADOR, p, "dbe_TX_IDENTIFICADOR", "Função / Procedimento / Unit",
       ds_actual_comm, "TX_IDENTIFICADOR", 8, 8, 560);
  dbe_TX_IDENTIFICADOR->SetReadOnly(true);
  dbe_TX_IDENTIFICADOR->SetPropValue("Color", static_cast<int32_t>(clSilver), false);
  dbe_TX_IDENTIFICADOR->SetPropValue("Font.Color", static_cast<int32_t>(clBlue), false);
  edit(dbe_NM_PROGRAMADOR, p, "dbe_NM_PROGRAMADOR", "Programador", ds_actual_comm, "NM_PROGRAMADOR",
       8, 48, 180);
  edit(dbe_NM_ANALISTA, p, "dbe_NM_ANALISTA", "Analista", ds_actual_comm, "NM_ANALISTA", 196, 48,
       180);
  edit(dbe_DT_COMMENT, p, "dbe_DT_COMMENT", "Data", ds_actual_comm, "DT_COMMENT", 384, 48, 90);
  edit(dbe_HR_COMMENT, p, "dbe_HR_COMMENT", "Hora", ds_actual_comm, "HR_COMMENT", 482, 48, 86);
  edit(dbe_TX_RESULT, p, "dbe_TX_RESULT", "Retorno da Função", ds_actual_comm, "TX_RESULT", 8, 88,
       560);
  memo(dbm_TX_DESCRICAO, p, "dbm_TX_DESCRICAO", "Descrição", ds_actual_comm, "TX_DESCRICAO", 128,
       260);
  dbm_TX_DESCRICAO->SetPropValue("Font.Name", "Courier New", false);

  p = tbsh_Params_Comm;
  navigator(dbn_DBNavigator1, p, "dbn_DBNavigator1", ds_Params,
            {nbFirst, nbPrior, nbNext, nbLast, nbPost, nbCancel});
  edit(dbe_TX_NM_PAR, p, "dbe_TX_NM_PAR", "Parâmetro", ds_Params, "TX_NM_PAR", 8, 40, 270);
  edit(dbe_TX_TYPE, p, "dbe_TX_TYPE", "Tipo", ds_Params, "TX_TYPE", 298, 40, 270);
  memo(dbm_TX_DESCRIPTION_par, p, "dbm_TX_DESCRIPTION_par", "Descrição", ds_Params,
       "TX_DESCRIPTION", 80, 300);

  p = tbsh_Hist_Comm;
  navigator(dbn_DBNavigator2, p, "dbn_DBNavigator2", ds_hist,
            {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel});
  edit(dbe_DT_COMMENT_Hist, p, "dbe_DT_COMMENT_Hist", "Data", ds_hist, "DT_COMMENT", 8, 40, 90);
  edit(dbe_NM_DEVELOPER_Hist, p, "dbe_NM_DEVELOPER_Hist", "Programador", ds_hist, "NM_DEVELOPER",
       106, 40, 180);
  memo(dbm_TX_COMMENT_Hist, p, "dbm_TX_COMMENT_Hist", "Descrição", ds_hist, "TX_COMMENT", 80, 300);

  p = tbsh_Templates;
  navigator(dbn_Templates, p, "dbn_Templates", ds_templates,
            {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel});
  edit(dbe_TX_IDENT_Tpl, p, "dbe_TX_IDENT_Tpl", "Nome do Evento", ds_templates, "TX_IDENT", 8, 40,
       270);
  cb_Ident_Tpl = Create<TComboBox>(*this);
  labelled(cb_Ident_Tpl, p, "cb_Ident_Tpl", "Identificadores Possíveis", 298, 40, 240, 21);
  cb_Ident_Tpl->SetPropValue("Style", "csDropDownList", false);
  cb_Ident_Tpl->Items().Add("<<Event>>");
  cb_Ident_Tpl->Items().Add("<<Component>>");
  sb_add_ident = Create<TSpeedButton>(*this);
  sb_add_ident->SetName("sb_add_ident");
  sb_add_ident->SetParent(p);
  sb_add_ident->SetBounds(544, 56, 23, 22);
  sb_add_ident->SetPropValue("Flat", true, false);
  memo(dbm_TX_DESCRIPTION_Tpl, p, "dbm_TX_DESCRIPTION_Tpl", "Descrição", ds_templates,
       "TX_DESCRIPTION", 80, 300);

  p = tbsh_config;
  navigator(dbn_navigator, p, "dbn_navigator", ds_config, {nbPost, nbCancel});
  gb_Caracteres_Controle = Create<TGroupBox>(*this);
  gb_Caracteres_Controle->SetName("gb_Caracteres_Controle");
  gb_Caracteres_Controle->SetParent(p);
  gb_Caracteres_Controle->SetBounds(8, 40, 200, 64);
  gb_Caracteres_Controle->SetCaption(" Caracteres de Controle ");
  edit(dbe_TX_CHAR_LIN_ESP, gb_Caracteres_Controle, "dbe_TX_CHAR_LIN_ESP", "Linhas", ds_config,
       "TX_CHAR_LIN_ESP", 8, 16, 50);
  edit(dbe_TX_CHAR_INI, gb_Caracteres_Controle, "dbe_TX_CHAR_INI", "Inicio", ds_config,
       "TX_CHAR_INI", 74, 16, 50);
  edit(dbe_TX_CHAR_FIM, gb_Caracteres_Controle, "dbe_TX_CHAR_FIM", "Fim", ds_config, "TX_CHAR_FIM",
       140, 16, 50);
  edit(dbe_NR_CARACTERES, p, "dbe_NR_CARACTERES", "Tamanho das linhas", ds_config, "NR_CARACTERES",
       216, 40, 110);
  edit(dbe_TX_PROGRAMADOR_DEF, p, "dbe_TX_PROGRAMADOR_DEF", "Programador padrão", ds_config,
       "TX_PROGRAMADOR_DEF", 334, 40, 110);
  edit(dbe_TX_ANALISTA_DEF, p, "dbe_TX_ANALISTA_DEF", "Analista padrão", ds_config,
       "TX_ANALISTA_DEF", 452, 40, 116);
  gb_Textos_Identificadores = Create<TGroupBox>(*this);
  gb_Textos_Identificadores->SetName("gb_Textos_Identificadores");
  gb_Textos_Identificadores->SetParent(p);
  gb_Textos_Identificadores->SetBounds(8, 112, 560, 300);
  gb_Textos_Identificadores->SetCaption(" Textos identificadores ");
  int index = 0;
  for (auto [name, field, caption] :
       std::initializer_list<std::tuple<const char*, const char*, const char*>>{
           {"dbe_TX_IDENTIFICADOR_CONF", "TX_IDENTIFICADOR", "Identificador"},
           {"dbe_TX_PROGRAMADOR", "TX_PROGRAMADOR", "Programador"},
           {"dbe_TX_ANALISTA", "TX_ANALISTA", "Analista"},
           {"dbe_TX_DT_COMMENT", "TX_DT_COMMENT", "Data do Comentário"},
           {"dbe_TX_HR_COMMENT", "TX_HR_COMMENT", "Hora do Comentário"},
           {"dbe_TX_DESCRICAO", "TX_DESCRICAO", "Descrição"},
           {"dbe_TX_RETORNO", "TX_RETORNO", "Retorno"},
           {"dbe_TX_PARAMETROS", "TX_PARAMETROS", "Parâmetros"},
           {"dbe_TX_END_PARAMETROS", "TX_END_PARAMETROS", "End. Parâmetros"},
           {"dbe_TX_HIST_REV", "TX_HIST_REV", "Hist. Revisões"},
           {"dbe_TX_DT_HIST", "TX_DT_HIST", "Dt. Hist"},
           {"dbe_TX_PROG_HIST", "TX_PROG_HIST", "Prog. Hist."},
           {"dbe_TX_DESC_HIST", "TX_DESC_HIST", "Desc. Hist"}}) {
    TDBEdit* e = nullptr;
    edit(e, gb_Textos_Identificadores, name, caption, ds_config, field, 8 + (index % 3) * 184,
         16 + (index / 3) * 40, 176);
    ++index;
  }

  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  bbtn_Ok->OnClick = [this](TObject* sender) { bbtn_OkClick(sender); };
  DoCreate();
}

void TF_ZORI_Manager_Comm::FormCreate(platform::TObject*) {
  PR_Abre_DataSet(*cds_actual_comm, "ZORIIDEx_Tmp_Comment.xml");
  PR_Abre_DataSet(*cds_Params, "ZORIIDEx_Tmp_Params.xml");
  PR_Abre_DataSet(*cds_hist, "ZORIIDEx_Tmp_Hist.xml");
  PR_Abre_DataSet(*cds_templates, "ZORIIDEx_Templates_Comment.xml");
  PR_Abre_DataSet(*cds_config, "ZORIIDEx_Config_Comment.xml");
  // Nothing of the previous command may reach this one.
  for (platform::TClientDataSet* scratch : {cds_actual_comm, cds_Params, cds_hist}) {
    if (scratch->Active()) PR_Zerar_Tabela(*scratch);
  }
  pgc_Master->SetActivePage(tbsh_Actual_Comm);
  SetActiveControl(dbe_NM_PROGRAMADOR);
}

void TF_ZORI_Manager_Comm::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  if (!cds_actual_comm->Active() || !cds_config->Active()) return;
  // Each name gets its default only when it has none, so a name read back from the old
  // header stays.
  auto preset = [this](const char* field, const char* default_field) {
    platform::TField* f = cds_actual_comm->FieldByName(field);
    if (!f->AsString().empty()) return;
    if (cds_actual_comm->State() == platform::dsBrowse) cds_actual_comm->Edit();
    f->SetAsString(cds_config->FieldByName(default_field)->AsString());
  };
  preset("NM_PROGRAMADOR", "TX_PROGRAMADOR_DEF");
  preset("NM_ANALISTA", "TX_ANALISTA_DEF");
}

void TF_ZORI_Manager_Comm::cds_histBeforeInsert(platform::TDataSet*) {
  cds_hist->Last();
}

void TF_ZORI_Manager_Comm::cds_histAfterInsert(platform::TDataSet*) {
  cds_hist->FieldByName("DT_COMMENT")->SetAsString(FN_Data_Hoje());
  if (cds_config->Active()) {
    cds_hist->FieldByName("NM_DEVELOPER")
        ->SetAsString(cds_config->FieldByName("TX_PROGRAMADOR_DEF")->AsString());
  }
}

void TF_ZORI_Manager_Comm::cds_configBeforePost(platform::TDataSet*) {
  const std::string rule =
      FN_Regra_Caracteres(cds_config->FieldByName("TX_CHAR_LIN_ESP")->AsString(),
                          cds_config->FieldByName("TX_CHAR_INI")->AsString(),
                          cds_config->FieldByName("TX_CHAR_FIM")->AsString());
  if (!rule.empty()) throw platform::EDatabaseError(rule);
}

void TF_ZORI_Manager_Comm::bbtn_OkClick(platform::TObject*) {
  try {
    if (cds_config->Active() && cds_config->State() != platform::dsBrowse) cds_config->Post();
    cds_config->Close();
  } catch (const std::exception& e) {
    // The window stays open on the configuration the user must mend.
    SetModalResult(platform::mrNone);
    pgc_Master->SetActivePage(tbsh_config);
    PR_Mensagem("", e.what());
  }
}
