#include "designer/U_zori_ren_comps.h"

#include <filesystem>

#include "core/U_funcoes_iota.h"
#include "core/U_zori_func.h"
#include "designer/U_zori_mod_comps.h"
#include "ide/ToolsAPI.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/client_dataset.h"
#include "platform/com_controls.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/field.h"
#include "platform/std_controls.h"
#include "platform/value_list_editor.h"

TF_ZORI_Ren_Comps* F_ZORI_Ren_Comps = nullptr;

namespace {

const char* const kTabela = "ZORIIDEx_Nom.xml";
const int kAlturaOpcoes = 106;
const int kAlturaPadroes = 249;

// Text without its leading and trailing characters of code 32 or less.
std::string Trim(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

// Whether name begins with prefix; an empty prefix begins nothing, as a search for an
// empty text finds nothing.
bool Comeca(const std::string& name, const std::string& prefix, bool ignore_case) {
  if (prefix.empty() || name.size() < prefix.size()) return false;
  const std::string head = name.substr(0, prefix.size());
  return ignore_case ? platform::SameTextAscii(head, prefix) : head == prefix;
}

platform::TCheckBox* NewCheckBox(TF_ZORI_Ren_Comps& window, platform::TWinControl* parent,
                                 const char* name, int top, const char* caption, bool checked) {
  auto* box = platform::TComponent::Create<platform::TCheckBox>(window);
  box->SetName(name);
  box->SetParent(parent);
  box->SetBounds(8, top, 330, 17);
  box->SetCaption(caption);
  box->SetChecked(checked);
  return box;
}

// The name of the control a label's FocusControl names: the resolved component's, else
// the last part of the reference as written (a control inside a frame).
std::string NomeDoFoco(const platform::TComponent& label, const std::string& reference) {
  if (const platform::TComponent* focus = label.GetComponentRef("FocusControl"))
    return focus->Name();
  const size_t dot = reference.find_last_of('.');
  return dot == std::string::npos ? reference : reference.substr(dot + 1);
}

}  // namespace

std::string FN_Prefixa_Nome(const std::string& Nome, const std::string& Prefixo) {
  if (Comeca(Nome, Prefixo, true)) return Prefixo + Nome.substr(Prefixo.size());
  return Prefixo + Nome;
}

TF_ZORI_Ren_Comps::TF_ZORI_Ren_Comps()
    : TF_ZORI_Tpl_Modal("F_ZORI_Ren_Comps", "TF_ZORI_Ren_Comps") {
  SetCaption("Padronizar a Nomeclatura dos componentes");
  SetClientWidth(350);
  pnl_Back->SetHeight(kAlturaOpcoes);
  pnl_down->SetTop(kAlturaOpcoes);

  cds_Padr_Nom = Create<platform::TClientDataSet>(*this);
  cds_Padr_Nom->SetName("cds_Padr_Nom");
  cds_Padr_Nom->AfterInsert = [this](platform::TDataSet* dataset) {
    cds_Padr_NomAfterInsert(dataset);
  };
  ds_Padr_Nom = Create<platform::TDataSource>(*this);
  ds_Padr_Nom->SetName("ds_Padr_Nom");
  ds_Padr_Nom->SetDataSet(cds_Padr_Nom);

  pgc_Master = Create<platform::TPageControl>(*this);
  pgc_Master->SetName("pgc_Master");
  pgc_Master->SetParent(pnl_Back);
  pgc_Master->SetPropValue("Align", "alClient");
  pgc_Master->OnChange = [this](platform::TObject* sender) { pgc_MasterChange(sender); };

  tbsh_Opcoes = Create<platform::TTabSheet>(*this);
  tbsh_Opcoes->SetName("tbsh_Opcoes");
  tbsh_Opcoes->SetPageControl(pgc_Master);
  tbsh_Opcoes->SetCaption("Opções");
  chk_Ori_Data = NewCheckBox(*this, tbsh_Opcoes, "chk_Ori_Data", 4,
                             "Em Data Controls considerar o nome da origem de dados", true);
  chk_focus_lbl = NewCheckBox(*this, tbsh_Opcoes, "chk_focus_lbl", 22,
                              "Para TCutomLabel levar em consideração o FocusControl", true);
  chk_Salvar_Units =
      NewCheckBox(*this, tbsh_Opcoes, "chk_Salvar_Units", 40, "Salvar os Units alterados", false);
  chk_Alt_Refer = NewCheckBox(*this, tbsh_Opcoes, "chk_Alt_Refer", 58,
                              "Alterar as referências no código", false);
  chk_Alt_Refer->SetEnabled(false);  // shown greyed: the designer already follows renames

  tbsh_Padroes = Create<platform::TTabSheet>(*this);
  tbsh_Padroes->SetName("tbsh_Padroes");
  tbsh_Padroes->SetPageControl(pgc_Master);
  tbsh_Padroes->SetCaption("Padrão");

  dbn_Nav = Create<platform::TDBNavigator>(*this);
  dbn_Nav->SetName("dbn_Nav");
  dbn_Nav->SetParent(tbsh_Padroes);
  dbn_Nav->SetBounds(4, 4, 230, 21);
  dbn_Nav->SetDataSource(ds_Padr_Nom);
  dbn_Nav->SetVisibleButtons({platform::nbFirst, platform::nbPrior, platform::nbNext,
                              platform::nbLast, platform::nbInsert, platform::nbDelete,
                              platform::nbEdit, platform::nbPost, platform::nbCancel});
  dbn_Nav->SetPropValue("ShowHint", true, false);

  dbg_Lista = Create<platform::TDBGrid>(*this);
  dbg_Lista->SetName("dbg_Lista");
  dbg_Lista->SetParent(tbsh_Padroes);
  dbg_Lista->SetBounds(4, 28, 334, 160);
  dbg_Lista->SetDataSource(ds_Padr_Nom);
  platform::TColumn& classe = dbg_Lista->Columns().Add();
  classe.FieldName = "NM_CLASSE";
  classe.Width = 212;
  platform::TColumn& prefixo = dbg_Lista->Columns().Add();
  prefixo.FieldName = "TX_NOMECLATURA";
  prefixo.Width = 80;

  lbl_locate = Create<platform::TLabel>(*this);
  lbl_locate->SetName("lbl_locate");
  lbl_locate->SetParent(tbsh_Padroes);
  lbl_locate->SetBounds(4, 194, 36, 13);
  lbl_locate->SetCaption("Locate");

  dblc_nm_classe = Create<platform::TDBLookupComboBox>(*this);
  dblc_nm_classe->SetName("dblc_nm_classe");
  dblc_nm_classe->SetParent(tbsh_Padroes);
  dblc_nm_classe->SetBounds(44, 190, 200, 21);
  dblc_nm_classe->SetListSource(ds_Padr_Nom);
  dblc_nm_classe->SetKeyField("NM_CLASSE");
  dblc_nm_classe->SetListField("NM_CLASSE");

  bbtn_Ok->OnClick = [this](platform::TObject* sender) { btn_OkClick(sender); };
}

void TF_ZORI_Ren_Comps::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  pgc_Master->SetActivePage(tbsh_Opcoes);
  // Opened from the package directory; a missing table leaves it closed, which the
  // renaming then reports.
  PR_Abre_DataSet(*cds_Padr_Nom, kTabela);
  pnl_Back->SetHeight(kAlturaOpcoes);
  dbg_Lista->Columns().Items(0).Title.Caption =
      FN_Get_Component_StringResource("F_ZORI_Ren_Comps", "DBG_Lista.Columns.Items.0");
  dbg_Lista->Columns().Items(1).Title.Caption =
      FN_Get_Component_StringResource("F_ZORI_Ren_Comps", "DBG_Lista.Columns.Items.1");
}

void TF_ZORI_Ren_Comps::pgc_MasterChange(platform::TObject*) {
  pnl_Back->SetHeight(pgc_Master->ActivePage() == tbsh_Opcoes ? kAlturaOpcoes : kAlturaPadroes);
}

void TF_ZORI_Ren_Comps::cds_Padr_NomAfterInsert(platform::TObject*) {
  SetActiveControl(dbg_Lista);
}

void TF_ZORI_Ren_Comps::btn_OkClick(platform::TObject*) {
  // The lookups move the table's current row: its grid and navigator stay still meanwhile.
  struct ControlsOff {
    platform::TDataSet& dataset;
    explicit ControlsOff(platform::TDataSet& d) : dataset(d) { dataset.DisableControls(); }
    ~ControlsOff() { dataset.EnableControls(); }
  } controls_off(*cds_Padr_Nom);
  v_Falhas.clear();
  try {
    PR_Renomea_Comps(core::GetActiveFormEditor());
  } catch (const std::exception& e) {
    // Renames done before the error stand; the user learns what stopped the run and which
    // renames had been refused until then.
    PR_Mensagem("", e.what() + v_Falhas);
  }
}

void TF_ZORI_Ren_Comps::PR_Renomea_Comps(const std::shared_ptr<ide::IOTAFormEditor>& FormEditor) {
  if (!FormEditor) return;
  platform::TComponent* root = core::GetTComponent(FormEditor->GetRootComponent());
  if (root == nullptr) return;

  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Mod_Comps); }
  } release;
  F_ZORI_Mod_Comps = Create<TF_ZORI_Mod_Comps>(*this);
  platform::TValueListEditor& lista = *F_ZORI_Mod_Comps->VLE_Modf;

  for (int i = 0; i < root->ComponentCount(); ++i) {
    const platform::TComponent& component = *root->Components(i);
    if (!FN_Locate(*cds_Padr_Nom, "NM_CLASSE", component.ClassName(), true)) continue;
    const std::string prefixo = cds_Padr_Nom->FieldByName("TX_NOMECLATURA")->AsString();
    const std::string nome = component.Name();
    if (nome.empty()) continue;

    std::string sugestao;
    bool regra_simples = false;
    if (chk_focus_lbl->Checked() && component.InheritsFrom("TCustomLabel")) {
      if (!component.HasProperty("FocusControl")) continue;
      const std::string foco = component.GetPropValue("FocusControl").AsString();
      if (foco.empty()) {
        regra_simples = true;
      } else {
        sugestao = prefixo + NomeDoFoco(component, foco);
        if (sugestao == nome) continue;
      }
    } else if (chk_Ori_Data->Checked() && component.InheritsFrom("TWinControl") &&
               component.HasProperty("DataField")) {
      // An empty data field suggests the bare prefix; the user may change it in the summary.
      sugestao = prefixo + component.GetPropValue("DataField").AsString();
      if (sugestao.empty() || Comeca(nome, sugestao, false)) continue;
    } else {
      regra_simples = true;
    }
    if (regra_simples) {
      if (Comeca(nome, Trim(prefixo), false)) continue;
      sugestao = FN_Prefixa_Nome(nome, prefixo);
    }
    lista.InsertRow(nome, sugestao, true);
  }

  if (lista.Strings().Count() == 0) {
    PR_Mensagem(vg_Desc_Zori,
                FN_Get_Component_StringResource("F_ZORI_Ren_Comps", "Msg_Perfect.Caption"));
    return;
  }

  if (F_ZORI_Mod_Comps->ShowModal() == platform::mrOk) {
    for (int row = 1; row < lista.RowCount(); ++row) {
      const std::string atual = lista.Keys(row);
      const std::string sugerido = lista.Strings().ValueFromIndex(row - 1);
      if (Trim(sugerido).empty()) {
        // A row emptied in the summary names nothing: the component keeps its name and
        // the row is reported with the refused ones.
        v_Falhas += "\r\n" + atual + " | " + sugerido;
        continue;
      }
      auto component = FormEditor->FindComponent(atual);
      if (!component) continue;
      try {
        component->SetPropByName("Name", sugerido);
      } catch (const platform::Exception&) {
        v_Falhas += "\r\n" + atual + " | " + sugerido;
      }
    }
    FormEditor->MarkModified();
    if (chk_Salvar_Units->Checked()) {
      auto module = FormEditor->GetModule();
      if (module && !module->Save(false, true)) {
        throw platform::EFileError(
            FN_Get_Component_StringResource("F_ZORI_Ren_Comps", "Msg_Save_Failed.Caption") +
            module->GetFileName());
      }
    }
  }

  if (!v_Falhas.empty()) {
    platform::Application().Beep();
    PR_Mensagem("", v_Falhas);
  }
}
