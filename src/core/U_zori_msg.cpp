#include "core/U_zori_msg.h"

#include <filesystem>
#include <memory>

#include "core/U_zori_func.h"
#include "core/xpm_image.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/ext_controls.h"
#include "platform/graphics.h"
#include "platform/std_controls.h"

TF_ZORI_Msg* F_ZORI_Msg = nullptr;

namespace {
const int kPlainMessage = 2;
}

TF_ZORI_Msg::TF_ZORI_Msg() : TF_ZORI_Tpl_Modal("F_ZORI_Msg", "TF_ZORI_Msg") {
  SetCaption("Mensagem");
  SetClientWidth(360);
  pnl_Back->SetHeight(87);

  img_Aviso = Create<platform::TImage>(*this);
  img_Aviso->SetName("img_Aviso");
  img_Aviso->SetParent(pnl_Back);
  img_Aviso->SetPropValue("Align", "alLeft");
  img_Aviso->SetWidth(73);
  img_Aviso->SetHeight(85);
  img_Aviso->SetPropValue("Center", true, false);

  lbl_Mensagem = Create<platform::TLabel>(*this);
  lbl_Mensagem->SetName("lbl_Mensagem");
  lbl_Mensagem->SetParent(pnl_Back);
  lbl_Mensagem->SetBounds(80, 8, 250, 70);
  lbl_Mensagem->SetWordWrap(true);
  lbl_Mensagem->SetPropValue("Layout", "tlCenter", false);
  lbl_Mensagem->SetPropValue("Constraints.MinWidth", 250, false);
  lbl_Mensagem->SetPropValue("Constraints.MaxWidth", 400, false);
  lbl_Mensagem->SetPropValue("Constraints.MaxHeight", 600, false);
}

void TF_ZORI_Msg::FormShow(platform::TObject* Sender) {
  // The catalogue may carry a caption for this window; the caller's caption wins.
  const std::string caption = Caption();
  // The warning sign ships with the package pictures; without it the window shows none.
  std::string err;
  platform::TBitmap sign;
  if (!v_Diretorio_Package.empty() &&
      FN_Le_Xpm(
          (std::filesystem::path(v_Diretorio_Package) / "images" / "exclamation.xpm").string(),
          sign, &err))
    img_Aviso->Picture().Assign(sign);
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  if (Tag() == kPlainMessage) {
    bbtn_Cancel->SetVisible(false);
    bbtn_Ok->SetCaption(FN_Get_Component_StringResource("", "bbtn_Ok.Caption.Msg"));
    bbtn_Ok->SetLeft(bbtn_Cancel->Left());
  }
  SetCaption(caption);
}

namespace {

// Shows a message window modally and frees it whatever happens; the message log keeps what
// the user saw. The window is held here, not through the global: a message raised while
// another is on screen (a link label whose opener fails) takes the global over and clears
// it on its way out, and the global then points at the window still shown beneath. Such a
// second window of the same name cannot be owned by the application next to the first, so
// message windows are owned here.
platform::TModalResult ShowAndFree(std::unique_ptr<TF_ZORI_Msg> window,
                                   const std::string& buttons) {
  struct Release {
    std::unique_ptr<TF_ZORI_Msg>& window;
    TF_ZORI_Msg* outer;
    ~Release() {
      F_ZORI_Msg = outer;
      platform::FN_Destroi_Objeto(window);
    }
  } release{window, F_ZORI_Msg};
  F_ZORI_Msg = window.get();
  const platform::TModalResult result = window->ShowModal();
  platform::Application().RecordMessage(
      window->Caption(), window->lbl_Mensagem->Caption(), buttons,
      result == platform::mrOk ? platform::IDOK : platform::IDCANCEL);
  return result;
}

}  // namespace

void PR_Mensagem(const std::string& Caption, const std::string& Texto) {
  auto window = std::make_unique<TF_ZORI_Msg>();
  window->SetCaption(Caption.empty() ? vg_Desc_Zori : Caption);
  window->lbl_Mensagem->SetCaption(Texto);
  window->SetTag(kPlainMessage);
  ShowAndFree(std::move(window), "OK");
}

bool FN_Confirma(const std::string& Caption, const std::string& Texto) {
  auto window = std::make_unique<TF_ZORI_Msg>();
  window->SetCaption(Caption);
  window->lbl_Mensagem->SetCaption(Texto);
  return ShowAndFree(std::move(window), "OKCancel") == platform::mrOk;
}
