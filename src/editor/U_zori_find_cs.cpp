#include "editor/U_zori_find_cs.h"

#include "core/U_zori_func.h"
#include "editor/U_zori_codesnippets.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/mask_edit.h"
#include "platform/std_controls.h"

TF_ZORI_Find_CS* F_ZORI_Find_CS = nullptr;

namespace {

const char* const kForm = "F_ZORI_Find_CS";

// The typed text inside a quoted literal of the filter language: a quote is doubled so
// it is searched for rather than ending the literal; "%" and "_" stay wildcards.
std::string FN_Literal(const std::string& texto) {
  std::string out;
  out.reserve(texto.size());
  for (char c : texto) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  return out;
}

template <class T>
T* NovoControle(platform::TForm& form, platform::TWinControl* parent, const char* name,
                int32_t left, int32_t top, int32_t width, int32_t height, int32_t tag) {
  T* control = platform::TComponent::Create<T>(form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  control->SetTag(tag);
  return control;
}

}  // namespace

TF_ZORI_Find_CS::TF_ZORI_Find_CS() : TF_ZORI_Tpl_Modal("F_ZORI_Find_CS", "TF_ZORI_Find_CS") {
  using namespace platform;
  SetCaption("Localizar Code Snippet");
  SetClientWidth(520);
  pnl_Back->SetHeight(241);
  pnl_down->SetTop(241);

  cds_Snip_Groups_C = Create<TClientDataSet>(*this);
  cds_Snip_Groups_C->SetName("cds_Snip_Groups_C");
  cds_Snip_Groups_C->SetPropValue("ReadOnly", true);
  cds_Snippets = Create<TClientDataSet>(*this);
  cds_Snippets->SetName("cds_Snippets");
  // Nothing is listed until the first search.
  cds_Snippets->SetFilter("0 = 1");
  cds_Snippets->SetFiltered(true);
  ds_Snip_Groups_C = Create<TDataSource>(*this);
  ds_Snip_Groups_C->SetName("ds_Snip_Groups_C");
  ds_Snip_Groups_C->SetDataSet(cds_Snip_Groups_C);
  ds_Snippets = Create<TDataSource>(*this);
  ds_Snippets->SetName("ds_Snippets");
  ds_Snippets->SetDataSet(cds_Snippets);
  ds_Snippets->OnStateChange = [this](TObject* sender) { ds_SnippetsStateChange(sender); };

  auto change = [this](TObject* sender) { me_ds_code_snippletChange(sender); };
  auto click = [this](TObject* sender) { chk_ds_code_snippletClick(sender); };

  chk_ds_code_snipplet =
      NovoControle<TCheckBox>(*this, pnl_Back, "chk_ds_code_snipplet", 8, 12, 73, 17, 1);
  chk_ds_code_snipplet->SetCaption("Descrição");
  chk_ds_code_snipplet->SetPropValue("Alignment", "taLeftJustify", false);
  chk_ds_code_snipplet->OnClick = click;
  me_ds_code_snipplet =
      NovoControle<TMaskEdit>(*this, pnl_Back, "me_ds_code_snipplet", 88, 10, 424, 21, 1);
  me_ds_code_snipplet->OnChange = change;

  chk_id_tipo_cs = NovoControle<TCheckBox>(*this, pnl_Back, "chk_id_tipo_cs", 8, 40, 73, 17, 2);
  chk_id_tipo_cs->SetCaption("Grupo");
  chk_id_tipo_cs->SetPropValue("Alignment", "taLeftJustify", false);
  chk_id_tipo_cs->OnClick = click;
  dblc_id_tipo_cs =
      NovoControle<TDBLookupComboBox>(*this, pnl_Back, "dblc_id_tipo_cs", 88, 38, 241, 21, 2);
  dblc_id_tipo_cs->SetListSource(ds_Snip_Groups_C);
  dblc_id_tipo_cs->SetKeyField("id_tipo_cs");
  dblc_id_tipo_cs->SetListField("ds_tipo_cs");
  dblc_id_tipo_cs->OnClick = change;

  dbg_Lista = NovoControle<TDBGrid>(*this, pnl_Back, "dbg_Lista", 8, 68, 504, 165, 0);
  dbg_Lista->SetDataSource(ds_Snippets);
  dbg_Lista->SetPropValue("Color", "clInfoBk", false);
  dbg_Lista->SetPropValue("Options",
                          "[dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, "
                          "dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]",
                          false);
  TColumn& column = dbg_Lista->Columns().Add();
  column.FieldName = "ds_code_Snipplet";
  column.Width = 486;

  bbtn_pesq = Create<TBitBtn>(*this);
  bbtn_pesq->SetName("bbtn_pesq");
  bbtn_pesq->SetParent(pnl_down);
  bbtn_pesq->SetBounds(bbtn_Ok->Left() - 80, 6, 75, 25);
  bbtn_pesq->SetCaption("Pesquisar");
  bbtn_pesq->SetDefault(true);
  bbtn_pesq->OnClick = [this](TObject* sender) { bbtn_pesqClick(sender); };
  bbtn_Ok->SetCaption("Ir para...");
  bbtn_Ok->SetDefault(false);
  bbtn_Ok->SetEnabled(false);
  bbtn_Ok->OnClick = [this](TObject* sender) { bbtn_OkClick(sender); };
  bbtn_Cancel->SetCaption("Fechar");

  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  DoCreate();
}

void TF_ZORI_Find_CS::FormCreate(platform::TObject*) {
  PR_Abre_DataSet(*cds_Snip_Groups_C, kArquivoGruposSnippets);
  PR_Abre_DataSet(*cds_Snippets, kArquivoSnippets);
}

void TF_ZORI_Find_CS::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  if (dbg_Lista->Columns().Count() > 0)
    dbg_Lista->Columns().Items(0).Title.Caption =
        FN_Get_Component_StringResource(kForm, "DBG_Lista.Columns.Items.0");
}

void TF_ZORI_Find_CS::me_ds_code_snippletChange(platform::TObject* Sender) {
  if (auto* control = dynamic_cast<platform::TComponent*>(Sender))
    PR_Ativa_CKB_Auto(this, *control);
}

void TF_ZORI_Find_CS::chk_ds_code_snippletClick(platform::TObject* Sender) {
  if (auto* box = dynamic_cast<platform::TCustomCheckBox*>(Sender))
    PR_Limpa_Componentes(this, *box);
}

std::string TF_ZORI_Find_CS::FN_Monta_Filtro() const {
  std::string filtro;
  if (chk_ds_code_snipplet->Checked())
    filtro = " ds_code_snipplet LIKE '%" + FN_Literal(me_ds_code_snipplet->Text()) + "%'";
  if (chk_id_tipo_cs->Checked()) {
    if (!filtro.empty()) filtro += " AND ";
    // An empty group table has no group to search: the condition then matches nothing.
    const std::string grupo = cds_Snip_Groups_C->Active() && !cds_Snip_Groups_C->IsEmpty()
                                  ? cds_Snip_Groups_C->FieldByName("id_tipo_cs")->AsString()
                                  : std::string();
    filtro += grupo.empty() ? "0 = 1" : " id_tipo_cs = " + grupo;
  }
  return filtro;
}

void TF_ZORI_Find_CS::bbtn_pesqClick(platform::TObject*) {
  const std::string filtro = FN_Monta_Filtro();
  try {
    cds_Snippets->SetFilter(filtro);
    cds_Snippets->SetFiltered(true);
  } catch (const std::exception& e) {
    // The table keeps the filter it had, and with it the list.
    PR_Mensagem("", std::string(e.what()) + "\r\n" + cds_Snippets->Filter());
  }
  bbtn_Ok->SetEnabled(cds_Snippets->Active() && cds_Snippets->RecordCount() > 0);
}

void TF_ZORI_Find_CS::ds_SnippetsStateChange(platform::TObject*) {
  bbtn_Ok->SetEnabled(cds_Snippets->Active() && cds_Snippets->RecordCount() > 0);
}

void TF_ZORI_Find_CS::bbtn_OkClick(platform::TObject*) {
  TF_ZORI_CodeSnippets* biblioteca = F_ZORI_CodeSnippets;
  if (biblioteca == nullptr || !cds_Snippets->Active() || cds_Snippets->IsEmpty()) {
    SetModalResult(platform::mrNone);
    platform::Application().Beep();
    return;
  }
  platform::TClientDataSet& grupos = *biblioteca->cds_Snip_Groups;
  platform::TClientDataSet& snippets = *biblioteca->cds_Snippets;
  const std::string grupo = cds_Snippets->FieldByName("id_tipo_cs")->AsString();
  const std::string descricao = cds_Snippets->FieldByName("ds_code_Snipplet")->AsString();

  // Where the library stood, to go back there when the snippet cannot be reached (a group
  // missing from the group table, or the snippet deleted meanwhile).
  const platform::TBookmark grupo_antes = grupos.Active() ? grupos.GetBookmark() : 0;
  const platform::TBookmark snippet_antes = snippets.Active() ? snippets.GetBookmark() : 0;
  const bool achou = grupos.Active() && snippets.Active() &&
                     FN_Locate(grupos, "id_tipo_cs", grupo, true) &&
                     FN_Locate(snippets, "ds_code_Snipplet", descricao, true);
  if (!achou) {
    if (grupo_antes != 0 && grupos.BookmarkValid(grupo_antes)) grupos.GotoBookmark(grupo_antes);
    if (snippet_antes != 0 && snippets.BookmarkValid(snippet_antes))
      snippets.GotoBookmark(snippet_antes);
    SetModalResult(platform::mrNone);
    platform::Application().Beep();
    return;
  }
  biblioteca->lbcb_ds_tipo_cs->SetKeyValue(grupos.FieldByName("id_tipo_cs")->Value());
  biblioteca->dblc_snipplet->SetKeyValue(descricao);
}
