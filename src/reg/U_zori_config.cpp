#include "reg/U_zori_config.h"

#include <string>
#include <vector>

#include "core/U_zori_func.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/dialogs.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"
#include "platform/strings.h"
#include "reg/U_zori_reg.h"

TF_ZORI_Config* F_ZORI_Config = nullptr;

namespace {

const char* const kConfigClasses = "THotKey;TCheckBox;TMaskEdit;TSpinEdit;TComboBox;TEdit";
// The store's value field holds this many characters.
const size_t kValorMaximo = 255;

template <class T>
T* Make(platform::TComponent& owner, platform::TWinControl* parent, const std::string& name,
        int32_t left, int32_t top, int32_t width, int32_t height) {
  T* control = platform::TComponent::Create<T>(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

bool IsConfigControl(const platform::TComponent& c) {
  return platform::UpperAscii(kConfigClasses).find(platform::UpperAscii(c.ClassName())) !=
         std::string::npos;
}

// The text of an edit or masked edit, or nothing for the other kinds.
const std::string* TextOf(const platform::TComponent& c, std::string& buffer) {
  if (c.InheritsFrom("TSpinEdit")) return nullptr;
  auto* edit = dynamic_cast<const platform::TCustomEdit*>(&c);
  if (edit == nullptr) return nullptr;
  buffer = edit->Text();
  return &buffer;
}

// Characters, not bytes: the store's limit counts characters.
size_t Characters(const std::string& text) {
  size_t n = 0;
  for (unsigned char ch : text) n += (ch & 0xC0) != 0x80;
  return n;
}

}  // namespace

TF_ZORI_Config::TF_ZORI_Config() : TF_ZORI_Tpl_Modal("F_ZORI_Config", "TF_ZORI_Config") {
  SetCaption("Configuração");
  SetClientWidth(378);
  SetClientHeight(466);
  pnl_Back->SetHeight(357);
  pnl_down->SetTop(357);

  gb_fundo = Make<platform::TGroupBox>(*this, pnl_Back, "gb_fundo", 0, 0, 378, 357);
  gb_fundo->SetPropValue("Align", "alClient");
  gb_fundo->SetCaption(" Opções dos Menus ");
  sbx_teclas_atalho =
      Make<platform::TScrollBox>(*this, gb_fundo, "sbx_teclas_atalho", 2, 15, 374, 340);
  sbx_teclas_atalho->SetPropValue("Align", "alClient");

  int32_t top = 4;
  // A group box in the scroll box, below the previous one.
  auto group = [&](const char* name, const char* caption, int32_t height) {
    auto* box = Make<platform::TGroupBox>(*this, sbx_teclas_atalho, name, 4, top, 346, height);
    box->SetCaption(caption);
    top += height + 4;
    return box;
  };
  auto hot_key = [&](platform::TGroupBox* box, const char* name, int32_t y) {
    auto* label = Make<platform::TLabel>(*this, box, std::string("lbl_") + name, 8, y + 3, 80, 13);
    label->SetCaption("Tecla de atalho");
    auto* key = Make<platform::THotKey>(*this, box, name, 96, y, 121, 19);
    key->SetHotKey(32833);  // Alt+A until a stored value is loaded
    return key;
  };
  auto check = [&](platform::TWinControl* box, const char* name, const char* caption, int32_t x,
                   int32_t y, int32_t width) {
    auto* c = Make<platform::TCheckBox>(*this, box, name, x, y, width, 17);
    c->SetCaption(caption);
    return c;
  };
  auto label = [&](platform::TWinControl* box, const char* name, const char* caption, int32_t x,
                   int32_t y, int32_t width) {
    auto* l = Make<platform::TLabel>(*this, box, name, x, y, width, 13);
    l->SetCaption(caption);
    return l;
  };
  auto spin = [&](platform::TWinControl* box, const char* name, int32_t x, int32_t y) {
    auto* s = Make<platform::TSpinEdit>(*this, box, name, x, y, 57, 22);
    s->SetMinValue(0);
    s->SetMaxValue(0);  // no limits
    s->SetValue(0);
    return s;
  };

  gb_fechar_datasets = group("gb_fechar_datasets", " Fechar DataSets ", 64);
  chk_before_compile = check(gb_fechar_datasets, "chk_before_compile", "", 8, 16, 17);
  lbl_before_compile = label(gb_fechar_datasets, "lbl_before_compile",
                             "Executar automaticamente antes de compilar o projeto", 26, 18, 300);
  hk_close_datasets = hot_key(gb_fechar_datasets, "hk_close_datasets", 38);

  gb_padronizar_nomes = group("gb_padronizar_nomes", " Padronização de nomenclatura ", 124);
  hk_Padronizar_Nom = hot_key(gb_padronizar_nomes, "hk_Padronizar_Nom", 16);
  gb_default_nom =
      Make<platform::TGroupBox>(*this, gb_padronizar_nomes, "gb_default_nom", 8, 40, 330, 78);
  gb_default_nom->SetCaption(" Defaults ");
  chk_Ori_Data = check(gb_default_nom, "chk_Ori_Data",
                       "Em DataControls Considerar a origem de dados", 8, 14, 310);
  chk_focus_lbl = check(gb_default_nom, "chk_focus_lbl",
                        "Em TCustomLabel levar em consideração o FocusControl", 8, 34, 310);
  chk_Salvar_Units = check(gb_default_nom, "chk_Salvar_Units",
                           "Salvar Units após padronizar a nomenclatura", 8, 54, 310);

  gb_code_snippet = group("gb_code_snippet", " Code Snippet  ", 44);
  hk_code_snippet = hot_key(gb_code_snippet, "hk_code_snippet", 16);

  gb_TabOrder = group("gb_TabOrder", " Verificação de TabOrder ", 64);
  hk_TabOrder = hot_key(gb_TabOrder, "hk_TabOrder", 16);
  chk_n_ActiveControl =
      check(gb_TabOrder, "chk_n_ActiveControl", "Setar o ActiveControl", 8, 40, 200);

  gb_lp = group("gb_lp", " Layout Perfeito ", 64);
  hk_lp = hot_key(gb_lp, "hk_lp", 16);
  chk_auto_layout = check(gb_lp, "chk_auto_layout", "", 8, 40, 17);
  lbl_Label1 = label(gb_lp, "lbl_Label1",
                     "Aplicar layout automaticamente quando um projeto for carregado", 26, 42, 310);

  gb_zori_align = group("gb_zori_align", " Paleta de alinhamento ", 84);
  hk_zori_align = hot_key(gb_zori_align, "hk_zori_align", 16);
  chk_auto_load = check(gb_zori_align, "chk_auto_load", "Carregar Automaticamente", 8, 40, 200);
  chk_Stay_On_Top = check(gb_zori_align, "chk_Stay_On_Top", "Stay on Top", 8, 60, 200);

  gb_Auto_Save = group("gb_Auto_Save", " Salvamento automático ", 48);
  chk_salvar_Auto = check(gb_Auto_Save, "chk_salvar_Auto", "Salvar o projeto a cada", 8, 18, 140);
  chk_salvar_Auto->SetPropValue("Alignment", "taLeftJustify", false);
  spe_tempo = spin(gb_Auto_Save, "spe_tempo", 152, 16);
  lbl_minutos = label(gb_Auto_Save, "lbl_minutos", "minutos", 214, 20, 40);

  gb_Comment = group("gb_Comment", " Gerenciador de comentários ", 44);
  hk_comment = hot_key(gb_Comment, "hk_comment", 16);

  gb_Exec_BComp = group("gb_Exec_BComp", "", 150);
  chk_Exec_BComp = check(gb_Exec_BComp, "chk_Exec_BComp",
                         "Executar este aplicativo antes de compilar", 8, -2, 240);
  edt_app_exec = Make<platform::TEdit>(*this, gb_Exec_BComp, "edt_app_exec", 8, 20, 306, 21);
  sb_Exec_BComp =
      Make<platform::TSpeedButton>(*this, gb_Exec_BComp, "sb_Exec_BComp", 316, 19, 23, 22);
  sb_Exec_BComp->SetPropValue("Flat", true);
  sb_Exec_BComp->SetHint("Selecionar o arquivo");
  lbl_edt_Params = label(gb_Exec_BComp, "lbl_edt_Params", "Parâmetros", 8, 46, 60);
  edt_Params = Make<platform::TEdit>(*this, gb_Exec_BComp, "edt_Params", 8, 60, 330, 21);
  lbl_cb_Modo = label(gb_Exec_BComp, "lbl_cb_Modo", "Modo de Exibição", 8, 86, 90);
  cb_Modo = Make<platform::TComboBox>(*this, gb_Exec_BComp, "cb_Modo", 8, 100, 100, 21);
  cb_Modo->SetStyle("csDropDownList");
  cb_Modo->Items().Add("Hide");
  cb_Modo->Items().Add("Show");
  lbl_ret_Exec_BComp = label(gb_Exec_BComp, "lbl_ret_Exec_BComp",
                             "Continuar Compilando se o código for igual a", 116, 104, 160);
  spe_Exec_BComp = spin(gb_Exec_BComp, "spe_Exec_BComp", 280, 100);
  lbl_limite_exec = label(gb_Exec_BComp, "lbl_limite_exec",
                          "Tempo máximo em segundos (0: sem limite)", 116, 128, 160);
  spe_limite_exec = spin(gb_Exec_BComp, "spe_limite_exec", 280, 124);

  gb_Resources = group("gb_Resources", "", 48);
  chk_Resources =
      check(gb_Resources, "chk_Resources", "Usar este arquivo de resource strings", 8, -2, 220);
  edt_Resources = Make<platform::TEdit>(*this, gb_Resources, "edt_Resources", 8, 20, 306, 21);
  sb_Resources = Make<platform::TSpeedButton>(*this, gb_Resources, "sb_Resources", 316, 19, 23, 22);
  sb_Resources->SetPropValue("Flat", true);
  sb_Resources->SetHint("Selecionar o arquivo");

  od_Exec_BComp = Create<platform::TOpenDialog>(*this);
  od_Exec_BComp->SetName("od_Exec_BComp");
  od_Exec_BComp->SetPropValue("Title", "Select Aplication");
  od_Exec_BComp->SetPropValue(
      "Options",
      "[ofHideReadOnly, ofPathMustExist, ofFileMustExist, ofEnableSizing, ofForceShowHidden]");

  bbtn_Ok->OnClick = [this](platform::TObject* sender) { bbtn_OkClick(sender); };
  sb_Exec_BComp->OnClick = [this](platform::TObject* sender) { sb_Exec_BCompClick(sender); };
  sb_Resources->OnClick = [this](platform::TObject* sender) { sb_ResourcesClick(sender); };
  SetActiveControl(chk_before_compile);
}

void TF_ZORI_Config::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  pnl_Back->SetPropValue("AutoSize", true);
}

void TF_ZORI_Config::bbtn_OkClick(platform::TObject*) {
  // Refused before the first row is written: the store would cut the text.
  std::string buffer;
  for (int i = 0; i < ComponentCount(); ++i) {
    const platform::TComponent& c = *Components(i);
    if (!IsConfigControl(c)) continue;
    const std::string* text = TextOf(c, buffer);
    if (text == nullptr || Characters(*text) <= kValorMaximo) continue;
    SetModalResult(platform::mrNone);
    PR_Mensagem("", FN_Get_Component_StringResource("F_ZORI_Config", "msg_Valor_Longo") + "\r\n" +
                        c.Name());
    return;
  }
  for (int i = 0; i < ComponentCount(); ++i) {
    platform::TComponent& c = *Components(i);
    if (!IsConfigControl(c)) continue;
    if (auto* key = dynamic_cast<platform::THotKey*>(&c)) {
      FN_Seta_Valor_Config(c.Name(), std::to_string(key->HotKey() & 0xFFFF),
                           tTipo_DadoConfig::tpInteger);
    } else if (auto* box = dynamic_cast<platform::TCheckBox*>(&c)) {
      FN_Seta_Valor_Config(c.Name(), FN_Boolean_Config(box->Checked()),
                           tTipo_DadoConfig::tpBoolean);
    } else if (auto* spin_edit = dynamic_cast<platform::TSpinEdit*>(&c)) {
      FN_Seta_Valor_Config(c.Name(), std::to_string(spin_edit->Value()),
                           tTipo_DadoConfig::tpInteger);
    } else if (auto* combo = dynamic_cast<platform::TComboBox*>(&c)) {
      FN_Seta_Valor_Config(c.Name(), std::to_string(combo->ItemIndex()),
                           tTipo_DadoConfig::tpInteger);
    } else if (const std::string* text = TextOf(c, buffer)) {
      FN_Seta_Valor_Config(c.Name(), *text, tTipo_DadoConfig::tpString);
    }
  }
  if (v_Inst_ZORIIDEx == nullptr) return;
  v_Inst_ZORIIDEx->PR_RemoveTimer(v_Inst_ZORIIDEx->FTimerAutoSave);
  if (chk_salvar_Auto->Checked()) v_Inst_ZORIIDEx->PR_Adiciona_Timer_AutoSave();
}

void TF_ZORI_Config::sb_Exec_BCompClick(platform::TObject*) {
  od_Exec_BComp->SetDefaultExt("*.exe");
  od_Exec_BComp->SetFilter(
      "Applications|*.exe|All Files|*.*|BAT Files|*.bat|cmd Files|*.cmd|XML Files|*.xml");
  if (od_Exec_BComp->Execute()) edt_app_exec->SetText(od_Exec_BComp->FileName());
}

void TF_ZORI_Config::sb_ResourcesClick(platform::TObject*) {
  od_Exec_BComp->SetDefaultExt("*.xml");
  od_Exec_BComp->SetFilter("XML Files|*.xml");
  if (!od_Exec_BComp->Execute()) return;
  // The catalogue is always looked up in the package directory: the name alone is kept.
  const std::string chosen = od_Exec_BComp->FileName();
  const size_t cut = chosen.find_last_of("/\\");
  edt_Resources->SetText(cut == std::string::npos ? chosen : chosen.substr(cut + 1));
}
