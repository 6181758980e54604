#include "core/U_zori_tpl_modal.h"

#include "core/U_zori_func.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/graphics.h"
#include "platform/shell.h"
#include "platform/std_controls.h"

namespace {

// The add-in's own window classes, on top of the platform's.
platform::ClassRegistry& WindowClasses() {
  static platform::ClassRegistry registry(&platform::BuiltinClasses());
  return registry;
}

}  // namespace

namespace {

// The template's class, or a window class derived from it.
const platform::TClassInfo* ClassOfWindow(const std::string& class_name) {
  const platform::TClassInfo* base = FN_Classe_Janela("TF_ZORI_Tpl_Modal", "TForm");
  return class_name == "TF_ZORI_Tpl_Modal" ? base
                                           : FN_Classe_Janela(class_name, "TF_ZORI_Tpl_Modal");
}

}  // namespace

const platform::TClassInfo* FN_Classe_Janela(const std::string& class_name,
                                             const std::string& parent) {
  platform::ClassRegistry& registry = WindowClasses();
  if (const platform::TClassInfo* known = registry.Find(class_name)) return known;
  std::string err;
  const platform::TClassInfo* info = registry.Add(class_name, parent, {}, &err);
  if (info == nullptr) throw platform::EComponentError(err);
  return info;
}

TF_ZORI_Tpl_Modal::TF_ZORI_Tpl_Modal(const std::string& name, const std::string& class_name)
    : platform::TForm(ClassOfWindow(class_name)) {
  SetName(name);
  SetCaption("Template for Modal forms");
  SetBorderStyle("bsDialog");
  SetPosition("poDesktopCenter");
  SetClientWidth(350);
  SetClientHeight(243);

  pnl_Back = Create<platform::TPanel>(*this);
  pnl_Back->SetName("pnl_Back");
  pnl_Back->SetParent(this);
  pnl_Back->SetPropValue("Align", "alTop");
  pnl_Back->SetHeight(121);

  pnl_down = Create<platform::TPanel>(*this);
  pnl_down->SetName("pnl_down");
  pnl_down->SetParent(this);
  pnl_down->SetPropValue("Align", "alTop");
  pnl_down->SetTop(121);
  pnl_down->SetHeight(40);

  auto link = [this](const char* label_name, int32_t top, const char* address) {
    platform::TLabel* label = Create<platform::TLabel>(*this);
    label->SetName(label_name);
    label->SetParent(pnl_down);
    label->SetTag(-1);  // the catalogue capture leaves the addresses alone
    label->SetPropValue("Cursor", "crHandPoint", false);
    label->SetFontColor(platform::clBlack);
    label->SetBounds(8, top, 150, 13);
    label->SetCaption(address);
    label->OnClick = [this](platform::TObject* sender) { lbl_HttpClick(sender); };
    label->OnMouseEnter = [this](platform::TObject* sender) { lbl_HttpMouseMove(sender); };
    label->OnMouseLeave = [this](platform::TObject* sender) { lbl_HttpMouseLeave(sender); };
    return label;
  };
  lbl_Http = link("lbl_Http", 5, "https://zori.example.org");
  lbl_Email = link("lbl_Email", 21, "mailto:suporte@zori.example.org");

  bbtn_Ok = Create<platform::TBitBtn>(*this);
  bbtn_Ok->SetName("bbtn_Ok");
  bbtn_Ok->SetParent(pnl_down);
  bbtn_Ok->SetBounds(192, 6, 75, 25);
  bbtn_Ok->SetCaption("OK");
  bbtn_Ok->SetDefault(true);
  bbtn_Ok->SetModalResult(platform::mrOk);

  bbtn_Cancel = Create<platform::TBitBtn>(*this);
  bbtn_Cancel->SetName("bbtn_Cancel");
  bbtn_Cancel->SetParent(pnl_down);
  bbtn_Cancel->SetBounds(267, 6, 75, 25);
  bbtn_Cancel->SetKind("bkCancel");

  OnShow = [this](platform::TObject* sender) { FormShow(sender); };
}

void TF_ZORI_Tpl_Modal::FormShow(platform::TObject*) {
  // Both captions are set even when the catalogue has no text for them.
  bbtn_Ok->SetCaption(FN_Get_Component_StringResource("", "bbtn_Ok.Caption"));
  bbtn_Cancel->SetCaption(FN_Get_Component_StringResource("", "bbtn_Cancel.Caption"));
  PR_International(*this);
  SetWidth(bbtn_Cancel->Left() + bbtn_Cancel->Width() + 15);
  // From now on the window's height follows its top-aligned panels.
  SetAutoSize(true);
}

void TF_ZORI_Tpl_Modal::lbl_HttpClick(platform::TObject* Sender) {
  auto* label = dynamic_cast<platform::TLabel*>(Sender);
  if (label == nullptr) return;
  std::string reason;
  if (!platform::ShellOpen(label->Caption(), &reason)) PR_Mensagem("", reason);
}

void TF_ZORI_Tpl_Modal::lbl_HttpMouseMove(platform::TObject* Sender) {
  if (auto* label = dynamic_cast<platform::TLabel*>(Sender)) label->SetFontColor(platform::clBlue);
}

void TF_ZORI_Tpl_Modal::lbl_HttpMouseLeave(platform::TObject* Sender) {
  if (auto* label = dynamic_cast<platform::TLabel*>(Sender)) label->SetFontColor(platform::clBlack);
}
