#include "editor/U_zori_codesnippets.h"

#include <string>
#include <utility>

#include "core/U_zori_func.h"
#include "editor/U_zori_find_cs.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/std_controls.h"
#include "platform/text_codec.h"

TF_ZORI_CodeSnippets* F_ZORI_CodeSnippets = nullptr;

namespace {

const char* const kForm = "F_ZORI_CodeSnippets";
// Matches no row: the list stays empty while no group is current (an empty group table).
const char* const kNenhumGrupo = "0 = 1";

size_t CharCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

// Each "{name}" of texto replaced by its value.
std::string Preenche(std::string texto, const std::string& nome, const std::string& valor) {
  const std::string marca = "{" + nome + "}";
  for (size_t at = texto.find(marca); at != std::string::npos;
       at = texto.find(marca, at + valor.size()))
    texto.replace(at, marca.size(), valor);
  return texto;
}

// A text longer than the field is refused whole: the platform would keep only the part
// that fits and the rest of the snippet would be lost without a word.
void PR_Recusa_Longo(platform::TField& Campo, const std::string& Texto) {
  const size_t tamanho = CharCount(Texto);
  if (Campo.Size() > 0 && tamanho > static_cast<size_t>(Campo.Size())) {
    std::string msg = FN_Get_Component_StringResource(kForm, "msg_Texto_Longo");
    if (msg.empty()) msg = "{campo}: {tamanho} characters given, at most {maximo} fit";
    msg = Preenche(msg, "campo", Campo.DisplayName());
    msg = Preenche(msg, "tamanho", std::to_string(tamanho));
    msg = Preenche(msg, "maximo", std::to_string(Campo.Size()));
    throw platform::EDatabaseError(msg);
  }
  Campo.SetAsString(Texto);
}

platform::TClientDataSet* NovaTabela(platform::TComponent& owner, const char* name) {
  auto* table = platform::TComponent::Create<platform::TClientDataSet>(owner);
  table->SetName(name);
  return table;
}

platform::TDataSource* NovaFonte(platform::TComponent& owner, const char* name,
                                 platform::TDataSet* table) {
  auto* source = platform::TComponent::Create<platform::TDataSource>(owner);
  source->SetName(name);
  source->SetDataSet(table);
  return source;
}

template <class T>
T* NovoControle(platform::TForm& form, platform::TWinControl* parent, const char* name,
                int32_t left, int32_t top, int32_t width, int32_t height) {
  T* control = platform::TComponent::Create<T>(form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

}  // namespace

TF_ZORI_CodeSnippets::TF_ZORI_CodeSnippets()
    : TF_ZORI_Tpl_Modal("F_ZORI_CodeSnippets", "TF_ZORI_CodeSnippets") {
  using namespace platform;
  SetCaption("Code Snippets");
  SetClientWidth(690);
  pnl_Back->SetHeight(480);
  pnl_down->SetTop(480);

  cds_Snip_Groups = NovaTabela(*this, "cds_Snip_Groups");
  cds_Snip_Groups->SetPropValue("ReadOnly", true);
  cds_Snip_Groups_C = NovaTabela(*this, "cds_Snip_Groups_C");
  cds_Snip_Groups_C->SetPropValue("ReadOnly", true);
  cds_Snippets = NovaTabela(*this, "cds_Snippets");
  cds_Snippets->SetFilter(kNenhumGrupo);
  cds_Snippets->SetFiltered(true);
  ds_Snip_Groups = NovaFonte(*this, "ds_Snip_Groups", cds_Snip_Groups);
  ds_Snip_Groups_C = NovaFonte(*this, "ds_Snip_Groups_C", cds_Snip_Groups_C);
  ds_Snippets = NovaFonte(*this, "ds_Snippets", cds_Snippets);

  lbl_dbll_ds_tipo_cs = NovoControle<TLabel>(*this, pnl_Back, "lbl_dbll_ds_tipo_cs", 8, 8, 35, 13);
  lbl_dbll_ds_tipo_cs->SetCaption("Grupos");
  lbcb_ds_tipo_cs =
      NovoControle<TDBLookupComboBox>(*this, pnl_Back, "lbcb_ds_tipo_cs", 8, 24, 289, 21);
  lbcb_ds_tipo_cs->SetListSource(ds_Snip_Groups);
  lbcb_ds_tipo_cs->SetKeyField("id_tipo_cs");
  lbcb_ds_tipo_cs->SetListField("ds_tipo_cs");

  gb_sel_cod_sniplet =
      NovoControle<TGroupBox>(*this, pnl_Back, "gb_sel_cod_sniplet", 304, 4, 377, 45);
  gb_sel_cod_sniplet->SetCaption(" Code Snipplet ");
  dblc_snipplet =
      NovoControle<TDBLookupComboBox>(*this, gb_sel_cod_sniplet, "dblc_snipplet", 8, 16, 361, 21);
  dblc_snipplet->SetListSource(ds_Snippets);
  dblc_snipplet->SetKeyField("ds_code_Snipplet");
  dblc_snipplet->SetListField("ds_code_Snipplet");

  dbn_nav = NovoControle<TDBNavigator>(*this, pnl_Back, "dbn_nav", 8, 56, 240, 25);
  dbn_nav->SetDataSource(ds_Snippets);

  lbl_ds_code_snipplet =
      NovoControle<TLabel>(*this, pnl_Back, "lbl_ds_code_snipplet", 8, 88, 48, 13);
  lbl_ds_code_snipplet->SetCaption("Descrição");
  dbe_ds_code_snipplet =
      NovoControle<TDBEdit>(*this, pnl_Back, "dbe_ds_code_snipplet", 8, 104, 433, 21);
  dbe_ds_code_snipplet->SetDataSource(ds_Snippets);
  dbe_ds_code_snipplet->SetDataField("ds_code_Snipplet");
  lbl_dbe_ds_code_snipplet =
      NovoControle<TLabel>(*this, pnl_Back, "lbl_dbe_ds_code_snipplet", 448, 88, 30, 13);
  lbl_dbe_ds_code_snipplet->SetCaption("Grupo");
  dblc_id_tipo_cs =
      NovoControle<TDBLookupComboBox>(*this, pnl_Back, "dblc_id_tipo_cs", 448, 104, 233, 21);
  dblc_id_tipo_cs->SetDataSource(ds_Snippets);
  dblc_id_tipo_cs->SetDataField("id_tipo_cs");
  dblc_id_tipo_cs->SetListSource(ds_Snip_Groups_C);
  dblc_id_tipo_cs->SetKeyField("id_tipo_cs");
  dblc_id_tipo_cs->SetListField("ds_tipo_cs");

  dbre_tx_code_snipplet =
      NovoControle<TDBRichEdit>(*this, pnl_Back, "dbre_tx_code_snipplet", 8, 128, 673, 351);
  dbre_tx_code_snipplet->SetDataSource(ds_Snippets);
  dbre_tx_code_snipplet->SetDataField("tx_code_snipplet");
  dbre_tx_code_snipplet->SetPropValue("ScrollBars", "ssVertical");

  bbtn_Ok->SetCaption("Localizar");
  bbtn_Ok->SetWidth(103);
  bbtn_Ok->SetModalResult(mrNone);
  bbtn_Ok->SetLeft(bbtn_Cancel->Left() - 103);
  bbtn_Ok->OnClick = [this](TObject* sender) { bbtn_OkClick(sender); };
  bbtn_Cancel->SetCaption("Fechar");

  cds_Snip_Groups->AfterScroll = [this](TDataSet* d) { cds_Snip_GroupsAfterScroll(d); };
  cds_Snippets->AfterInsert = [this](TDataSet* d) { cds_SnippetsAfterInsert(d); };
  OnCloseQuery = [this](TObject* sender, bool& can_close) { FormCloseQuery(sender, can_close); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  DoCreate();
}

void TF_ZORI_CodeSnippets::FormCreate(platform::TObject*) {
  PR_Abre_DataSet(*cds_Snip_Groups, kArquivoGruposSnippets);
  PR_Abre_DataSet(*cds_Snip_Groups_C, kArquivoGruposSnippets);
  PR_Abre_DataSet(*cds_Snippets, kArquivoSnippets);
  if (!cds_Snippets->Active()) return;
  // The field sizes come from the file; what does not fit is refused, never cut.
  for (const char* name : {"ds_code_Snipplet", "tx_code_snipplet"}) {
    if (platform::TField* field = cds_Snippets->FindField(name)) field->OnSetText = PR_Recusa_Longo;
  }
  // The fields' labels name them in the messages, in the catalogue's language.
  for (const auto& [name, label] :
       {std::pair{"ds_code_Snipplet", "Descrição"}, std::pair{"tx_code_snipplet", "Texto"}}) {
    platform::TField* field = cds_Snippets->FindField(name);
    if (field == nullptr) continue;
    const std::string text =
        FN_Get_Component_StringResource(kForm, std::string(name) + ".DisplayLabel");
    field->SetDisplayLabel(text.empty() ? label : text);
  }
}

void TF_ZORI_CodeSnippets::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  // The chooser names the group the table is on (its first row when the window opens).
  if (cds_Snip_Groups->Active() && !cds_Snip_Groups->IsEmpty())
    lbcb_ds_tipo_cs->SetKeyValue(cds_Snip_Groups->FieldByName("id_tipo_cs")->Value());
}

void TF_ZORI_CodeSnippets::cds_Snip_GroupsAfterScroll(platform::TDataSet* DataSet) {
  const std::string grupo = DataSet->FieldByName("id_tipo_cs")->AsString();
  cds_Snippets->SetFilter(grupo.empty() ? kNenhumGrupo : " id_tipo_cs = " + grupo);
  cds_Snippets->SetFiltered(true);
}

void TF_ZORI_CodeSnippets::cds_SnippetsAfterInsert(platform::TDataSet* DataSet) {
  if (!cds_Snip_Groups->Active() || cds_Snip_Groups->IsEmpty()) return;
  DataSet->FieldByName("id_tipo_cs")->SetValue(cds_Snip_Groups->FieldByName("id_tipo_cs")->Value());
}

bool TF_ZORI_CodeSnippets::FN_Grava_Pendente() {
  const platform::TDataSetState state = cds_Snippets->State();
  if (state != platform::dsEdit && state != platform::dsInsert) return true;
  try {
    cds_Snippets->Post();
  } catch (const std::exception& e) {
    PR_Mensagem("", e.what());
    return false;
  }
  return true;
}

void TF_ZORI_CodeSnippets::FormCloseQuery(platform::TObject*, bool& CanClose) {
  CanClose = FN_Grava_Pendente();
}

void TF_ZORI_CodeSnippets::FormDestroy(platform::TObject*) {
  if (!cds_Snippets->Active()) return;
  try {
    cds_Snippets->Close();
  } catch (const std::exception& e) {
    // The old file is left as it was; the user hears that the edits were not stored.
    PR_Mensagem("", std::string(e.what()) + "\r\nDirectory: " + v_Diretorio_Package +
                        "\r\nFile: " + kArquivoSnippets);
  }
}

void TF_ZORI_CodeSnippets::bbtn_OkClick(platform::TObject*) {
  // The finder reads the file through a table of its own: what was edited here goes to
  // the file first, or the finder would search the old text.
  if (!FN_Grava_Pendente()) return;
  if (cds_Snippets->Active()) {
    try {
      cds_Snippets->SaveToFile(cds_Snippets->FileName());
    } catch (const std::exception& e) {
      PR_Mensagem("", std::string(e.what()) + "\r\nDirectory: " + v_Diretorio_Package +
                          "\r\nFile: " + kArquivoSnippets);
      return;
    }
  }
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Find_CS); }
  } release;
  F_ZORI_Find_CS = platform::TComponent::Create<TF_ZORI_Find_CS>(platform::Application());
  F_ZORI_Find_CS->ShowModal();
}
