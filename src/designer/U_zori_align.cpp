#include "designer/U_zori_align.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <vector>

#include "core/U_funcoes_iota.h"
#include "core/U_zori_func.h"
#include "core/xpm_image.h"
#include "designer/U_zori_manual_adj.h"
#include "ide/ToolsAPI.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/ext_controls.h"
#include "platform/graphics.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/std_controls.h"

TF_ZORI_Align* F_ZORI_Align = nullptr;

namespace {

using core::tTipo_Prop;

constexpr int kImages = 17;
constexpr int kImageSize = 24;
constexpr int kButtonWidth = 31;
constexpr int32_t kParentOff = 14;
constexpr int32_t kParentOn = 15;
constexpr int32_t kClassOff = 12;
constexpr int32_t kClassOn = 13;

// The platform's rounding of a halved value: to the nearest integer, exact halves to the
// even neighbour (47.5 gives 48, 12.5 gives 12, -2.5 gives -2).
int32_t Arredonda(double value) {
  double result = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) result = 2.0 * std::round(value / 2.0);
  return static_cast<int32_t>(result);
}

// The position and size properties of a rule's axis.
struct Eixo {
  const char* P;
  const char* S;
};
constexpr Eixo kHorizontal{"Left", "Width"};
constexpr Eixo kVertical{"Top", "Height"};

// One rule's view of the designer: the active form and its selection, read once. Every
// value is read and written by name through the designer access layer.
class Selecao {
 public:
  // False when there is no active form or nothing is selected: the rule does nothing.
  bool Abre() {
    editor_ = core::GetActiveFormEditor();
    if (editor_ == nullptr) return false;
    nomes_ = core::FN_Selected_Components(editor_);
    return !nomes_.empty();
  }
  int n() const { return static_cast<int>(nomes_.size()); }
  const std::shared_ptr<ide::IOTAFormEditor>& Editor() const { return editor_; }

  // Checks that every property in props can be read from every selected component (or
  // from the first alone); otherwise tells the user which one could not be read and the
  // rule stops before anything is written, so no component is set from a value that was
  // never there.
  bool Legivel(std::initializer_list<const char*> props, bool so_referencia = false) const {
    for (int i = 0; i < (so_referencia ? 1 : n()); ++i) {
      for (const char* prop : props) {
        if (!Le(i, prop)) {
          Avisa(nomes_[i] + "." + prop);
          return false;
        }
      }
    }
    return true;
  }

  std::optional<int32_t> Le(int i, const std::string& prop) const {
    const platform::Variant v =
        core::FN_Pega_Propriedade(editor_, nomes_[i], prop, tTipo_Prop::tpInteger);
    if (v.IsEmpty()) return std::nullopt;
    return v.AsInteger();
  }
  // A value Legivel has checked.
  int32_t Valor(int i, const std::string& prop) const { return Le(i, prop).value_or(0); }

  void Grava(int i, const std::string& prop, int32_t value) const {
    core::PR_Seta_Propriedade(core::FN_Pega_IOTA_Component(editor_, nomes_[i]), prop, value,
                              tTipo_Prop::tpInteger);
  }

  static void Avisa(const std::string& what) {
    PR_Mensagem("",
                FN_Get_Component_StringResource("F_ZORI_Align", "msg_Sem_Valor") + "\r\n" + what);
  }

 private:
  std::shared_ptr<ide::IOTAFormEditor> editor_;
  std::vector<std::string> nomes_;
};

// The picture of image index of the palette, from the package's images folder; a missing
// picture leaves a blank one so the indices of the others hold.
platform::TBitmap Imagem(int index) {
  platform::TBitmap picture;
  std::string err;
  char file[32];
  std::snprintf(file, sizeof file, "align_%02d.xpm", index);
  const std::string path = (std::filesystem::path(v_Diretorio_Package) / "images" / file).string();
  if (v_Diretorio_Package.empty() || !FN_Le_Xpm(path, picture, &err)) {
    picture.SetSize(kImageSize, kImageSize);
  }
  return picture;
}

}  // namespace

TF_ZORI_Align::TF_ZORI_Align() : TF_ZORI_Tpl_Modal("F_ZORI_Align", "TF_ZORI_Align") {
  SetCaption("ZORI Align");
  SetBorderStyle("bsToolWindow");
  pnl_Back->SetHeight(97);
  pnl_down->SetTop(97);
  pnl_down->SetHeight(20);
  lbl_Email->SetVisible(false);
  bbtn_Cancel->SetLeft(105);
  bbtn_Ok->SetLeft(30);

  il_botoes = Create<platform::TImageList>(*this);
  il_botoes->SetName("il_botoes");
  il_botoes->SetWidth(kImageSize);
  il_botoes->SetHeight(kImageSize);
  for (int i = 0; i < kImages; ++i) il_botoes->Add(Imagem(i));

  auto bar = [this](const char* name, int32_t top, int32_t button_height) {
    auto* tlb = Create<platform::TToolBar>(*this);
    tlb->SetName(name);
    tlb->SetParent(pnl_Back);
    tlb->SetPropValue("Align", "alNone");
    tlb->SetBounds(0, top, 6 * kButtonWidth, button_height + 2);
    tlb->SetPropValue("ButtonWidth", kButtonWidth);
    tlb->SetPropValue("ButtonHeight", button_height);
    tlb->SetPropValue("ShowCaptions", false);
    tlb->SetPropValue("ShowHint", true);
    tlb->SetPropValue("Images", "il_botoes");
    return tlb;
  };
  using Handler = void (TF_ZORI_Align::*)(platform::TObject*);
  auto button = [this](platform::TToolBar* tlb, const char* name, int32_t image, const char* hint,
                       Handler handler) {
    auto* b = Create<platform::TToolButton>(*this);
    b->SetName(name);
    b->SetParent(tlb);
    const int32_t height = tlb->GetPropValue("ButtonHeight").AsInteger();
    b->SetBounds((tlb->ControlCount() - 1) * kButtonWidth, 0, kButtonWidth, height);
    b->SetImageIndex(image);
    b->SetHint(hint);
    b->SetPropValue("ShowHint", true);
    b->OnClick = [this, handler](platform::TObject* sender) { (this->*handler)(sender); };
    return b;
  };
  using A = TF_ZORI_Align;

  tlb_horizontal = bar("tlb_horizontal", -2, 30);
  tbtn_align_left =
      button(tlb_horizontal, "tbtn_align_left", 0, "Alinhar a esquerda", &A::tbtn_align_leftClick);
  tbtn_align_h_center =
      button(tlb_horizontal, "tbtn_align_h_center", 1,
             "Centralizar os componentes - Horizontalmente", &A::tbtn_align_h_centerClick);
  tbtn_align_h_window = button(tlb_horizontal, "tbtn_align_h_window", 3,
                               "Centralizar os componentes na janela - horizontalmente",
                               &A::tbtn_align_h_windowClick);
  tbtn_align_v_space =
      button(tlb_horizontal, "tbtn_align_v_space", 8,
             "Igualar o espaço entre os componentes - Verticalmente", &A::tbtn_align_v_spaceClick);
  tbtn_align_right =
      button(tlb_horizontal, "tbtn_align_right", 4, "Alinhar a direita", &A::tbtn_align_rightClick);
  tbtn_equal_width = button(tlb_horizontal, "tbtn_equal_width", 10,
                            "Igualar o tamanho dos componentes", &A::tbtn_equal_widthClick);

  tlb_vertical = bar("tlb_vertical", 29, 31);
  tbtn_align_top = button(tlb_vertical, "tbtn_align_top", 5, "Alinhar os componentes por cima",
                          &A::tbtn_align_topClick);
  tbtn_align_v_center =
      button(tlb_vertical, "tbtn_align_v_center", 6, "Centralizar os componentes - Verticalmente",
             &A::tbtn_align_v_centerClick);
  tbtn_align_v_window =
      button(tlb_vertical, "tbtn_align_v_window", 7,
             "Centralizar os componentes na janela - verticalmente", &A::tbtn_align_v_windowClick);
  tbtn_align_h_space = button(tlb_vertical, "tbtn_align_h_space", 2,
                              "Igualar o espaço entre os componentes - Horizontalmente",
                              &A::tbtn_align_h_spaceClick);
  tbtn_align_bottom =
      button(tlb_vertical, "tbtn_align_bottom", 9, "Alinhar por baixo", &A::tbtn_align_bottomClick);
  tbtn_equal_height = button(tlb_vertical, "tbtn_equal_height", 11,
                             "Igualar a altura dos componentes", &A::tbtn_equal_heightClick);

  tlb_NOVA = bar("tlb_NOVA", 60, 31);
  tbtn_Manual_Adjust = button(tlb_NOVA, "tbtn_Manual_Adjust", 16, "Ajuste Manual do espaçamento",
                              &A::tbtn_Manual_AdjustClick);
  tbtn_relative_parent =
      button(tlb_NOVA, "tbtn_relative_parent", kParentOff, "", &A::tbtn_relative_parentClick);
  tbtn_relative_class =
      button(tlb_NOVA, "tbtn_relative_class", kClassOff, "", &A::tbtn_relative_classClick);
  tbtn_relative_class->SetVisible(false);

  pm_opcoes = Create<platform::TPopupMenu>(*this);
  pm_opcoes->SetName("pm_opcoes");
  mi_StayOnTop = Create<platform::TMenuItem>(*this);
  mi_StayOnTop->SetName("mi_StayOnTop");
  mi_StayOnTop->SetCaption("Stay on Top");
  mi_StayOnTop->OnClick = [this](platform::TObject* sender) { mi_StayOnTopClick(sender); };
  pm_opcoes->Items()->Add(mi_StayOnTop);
  SetPropValue("PopupMenu", "pm_opcoes");

  OnClose = [this](platform::TObject* sender, platform::TCloseAction& action) {
    FormClose(sender, action);
  };
}

bool TF_ZORI_Align::RelativoAoPai() const {
  return tbtn_relative_parent->ImageIndex() == kParentOn;
}

void TF_ZORI_Align::PR_Iguala_Propriedade(const std::string& Propriedade) {
  if (RelativoAoPai()) return;
  Selecao sel;
  if (!sel.Abre() || !sel.Legivel({Propriedade.c_str()}, true)) return;
  const int32_t r = sel.Valor(0, Propriedade);
  for (int i = 1; i < sel.n(); ++i) sel.Grava(i, Propriedade, r);
}

void TF_ZORI_Align::PR_Aplica_Regra(TTipo_Align Regra) {
  const Eixo e = Regra == TTipo_Align::taCent_H_Comps ? kHorizontal : kVertical;
  Selecao sel;
  if (!sel.Abre() || !sel.Legivel({e.P, e.S})) return;
  const int32_t m = Arredonda(sel.Valor(0, e.P) + sel.Valor(0, e.S) / 2.0);
  for (int i = 1; i < sel.n(); ++i) sel.Grava(i, e.P, Arredonda(m - sel.Valor(i, e.S) / 2.0));
}

void TF_ZORI_Align::PR_Centraliza_Window(TTipo_Align Regra) {
  const Eixo e = Regra == TTipo_Align::taCent_H_Window ? kHorizontal : kVertical;
  Selecao sel;
  if (!sel.Abre() || !sel.Legivel({e.P, e.S})) return;
  const std::string client = std::string("Client") + e.S;
  ide::TPropBuffer buffer = int32_t{0};
  auto root = sel.Editor()->GetRootComponent();
  if (root == nullptr || !root->GetPropValueByName(client, buffer)) {
    Selecao::Avisa(client);
    return;
  }
  const int32_t h = Arredonda(std::get<int32_t>(buffer) / 2.0);

  // Of equal smallest positions the first in list order is kept.
  int32_t pmin = std::numeric_limits<int32_t>::max();
  int32_t pmax = std::numeric_limits<int32_t>::min();
  int32_t smax = 0;
  int kept = 0;
  for (int i = 0; i < sel.n(); ++i) {
    const int32_t p = sel.Valor(i, e.P);
    if (p < pmin) {
      pmin = p;
      kept = i;
    }
    if (p > pmax) {
      pmax = p;
      smax = sel.Valor(i, e.S);
    }
  }
  // The group reaches to the far edge of the component furthest along, not of the widest.
  const int32_t extent = pmax + smax - pmin;
  const int32_t novo = h - Arredonda(extent / 2.0);
  sel.Grava(kept, e.P, novo);
  const int32_t d = novo - pmin;
  for (int i = 0; i < sel.n(); ++i) {
    if (i != kept) sel.Grava(i, e.P, sel.Valor(i, e.P) + d);
  }
}

void TF_ZORI_Align::PR_Ajusta_Espacamento(TTipo_Align Regra, int32_t Espaco) {
  const Eixo e = Regra == TTipo_Align::taAjust_H_Comps ? kHorizontal : kVertical;
  Selecao sel;
  if (!sel.Abre() || sel.n() < 2 || !sel.Legivel({e.P, e.S})) return;
  int32_t pmin = std::numeric_limits<int32_t>::max();
  int32_t pmax = std::numeric_limits<int32_t>::min();
  int32_t smin = 0;
  int32_t smax = 0;
  int64_t total = 0;
  for (int i = 0; i < sel.n(); ++i) {
    const int32_t p = sel.Valor(i, e.P);
    const int32_t s = sel.Valor(i, e.S);
    if (p < pmin) {
      pmin = p;
      smin = s;
    }
    if (p > pmax) {
      pmax = p;
      smax = s;
    }
    total += s;
  }
  const int64_t livre = static_cast<int64_t>(pmax) - (pmin + smin);
  const int64_t internos = total - smax - smin;
  const int32_t gap =
      Espaco == 0 ? Arredonda(static_cast<double>(livre - internos) / (sel.n() - 1)) : Espaco;
  // Every component at the smallest position stays (and, spaced automatically, every one
  // at the largest); the others are laid in selection order, not in their order on the form.
  int32_t q = pmin + smin + gap;
  for (int i = 0; i < sel.n(); ++i) {
    const int32_t p = sel.Valor(i, e.P);
    if (p == pmin || (p == pmax && Espaco == 0)) continue;
    sel.Grava(i, e.P, q);
    q += gap + sel.Valor(i, e.S);
  }
}

void TF_ZORI_Align::PR_Alinha_Extremos(TTipo_Align Regra) {
  const Eixo e = Regra == TTipo_Align::taExtr_H_Comps ? kHorizontal : kVertical;
  Selecao sel;
  if (!sel.Abre() || !sel.Legivel({e.P, e.S})) return;
  const int32_t edge = sel.Valor(0, e.P) + sel.Valor(0, e.S);
  for (int i = 1; i < sel.n(); ++i) sel.Grava(i, e.P, edge - sel.Valor(i, e.S));
}

void TF_ZORI_Align::tbtn_align_leftClick(platform::TObject*) {
  PR_Iguala_Propriedade("Left");
}
void TF_ZORI_Align::tbtn_align_topClick(platform::TObject*) {
  PR_Iguala_Propriedade("Top");
}
void TF_ZORI_Align::tbtn_equal_widthClick(platform::TObject*) {
  PR_Iguala_Propriedade("Width");
}
void TF_ZORI_Align::tbtn_equal_heightClick(platform::TObject*) {
  PR_Iguala_Propriedade("Height");
}
void TF_ZORI_Align::tbtn_align_h_centerClick(platform::TObject*) {
  PR_Aplica_Regra(TTipo_Align::taCent_H_Comps);
}
void TF_ZORI_Align::tbtn_align_v_centerClick(platform::TObject*) {
  PR_Aplica_Regra(TTipo_Align::taCent_V_Comps);
}
void TF_ZORI_Align::tbtn_align_h_windowClick(platform::TObject*) {
  PR_Centraliza_Window(TTipo_Align::taCent_H_Window);
}
void TF_ZORI_Align::tbtn_align_v_windowClick(platform::TObject*) {
  PR_Centraliza_Window(TTipo_Align::taCent_V_Window);
}
void TF_ZORI_Align::tbtn_align_h_spaceClick(platform::TObject*) {
  PR_Ajusta_Espacamento(TTipo_Align::taAjust_H_Comps, 0);
}
void TF_ZORI_Align::tbtn_align_v_spaceClick(platform::TObject*) {
  PR_Ajusta_Espacamento(TTipo_Align::taAjust_V_Comps, 0);
}
void TF_ZORI_Align::tbtn_align_rightClick(platform::TObject*) {
  PR_Alinha_Extremos(TTipo_Align::taExtr_H_Comps);
}
void TF_ZORI_Align::tbtn_align_bottomClick(platform::TObject*) {
  PR_Alinha_Extremos(TTipo_Align::taExtr_V_Comps);
}

void TF_ZORI_Align::tbtn_relative_parentClick(platform::TObject*) {
  tbtn_relative_parent->SetImageIndex(RelativoAoPai() ? kParentOff : kParentOn);
}

void TF_ZORI_Align::tbtn_relative_classClick(platform::TObject*) {
  tbtn_relative_class->SetImageIndex(tbtn_relative_class->ImageIndex() == kClassOff ? kClassOn
                                                                                    : kClassOff);
}

void TF_ZORI_Align::tbtn_Manual_AdjustClick(platform::TObject*) {
  // The window is freed and its variable cleared however the modal run ends.
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Manual_Adj); }
  } release;
  F_ZORI_Manual_Adj = Create<TF_ZORI_Manual_Adj>(platform::Application());
  F_ZORI_Manual_Adj->ShowModal();
}

void TF_ZORI_Align::mi_StayOnTopClick(platform::TObject*) {
  mi_StayOnTop->SetChecked(!mi_StayOnTop->Checked());
  Hide();
  SetFormStyle(mi_StayOnTop->Checked() ? "fsStayOnTop" : "fsNormal");
  Show();
}

void TF_ZORI_Align::FormClose(platform::TObject*, platform::TCloseAction& Action) {
  // The tool menu's alignment item hangs in the IDE main menu under "&ZORI"; clicking it
  // runs the menu's own toggle, which hides the palette and shows the closed picture.
  auto services = ide::Supports<ide::INTAServices>(ide::BorlandIDEServices);
  platform::TMainMenu* menu = services != nullptr ? services->GetMainMenu() : nullptr;
  platform::TComponent* root = menu != nullptr ? menu->FindComponent("FMenuZORI") : nullptr;
  auto* item = root != nullptr
                   ? dynamic_cast<platform::TMenuItem*>(root->FindComponent("FMenuZORIAlign"))
                   : nullptr;
  if (item != nullptr) item->Click();
  Action = platform::TCloseAction::caNone;
}
