#include "core/U_zori_tpl_modal.h"

#include <filesystem>
#include <vector>

#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "core/U_zori_resource_editor.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/client_dataset.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/field.h"
#include "platform/graphics.h"
#include "platform/shell.h"
#include "platform/std_controls.h"
#include "platform/strings.h"

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

  pnl_down->OnDblClick = [this](platform::TObject* sender) { pnl_downDblClick(sender); };
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

namespace {

// The catalogue's field sizes, in characters: longer keys and texts are not captured
// rather than cut.
const size_t kKeySize = 60;
const size_t kTextSize = 400;

size_t Chars(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Writes the captured rows of one window into a catalogue table.
class Capture {
 public:
  Capture(platform::TDataSet& table, std::string form, bool replace)
      : table_(table), form_(std::move(form)), replace_(replace) {}

  void Row(const std::string& key, const std::string& text) {
    if (Chars(form_) > kKeySize || Chars(key) > kKeySize || Chars(text) > kTextSize) {
      skipped_.push_back(key);
      return;
    }
    if (Locate(key))
      table_.Edit();
    else
      table_.Insert();
    table_.FieldByName("NM_FORM")->SetAsString(form_);
    table_.FieldByName("NM_COMPONENTE")->SetAsString(key);
    platform::TField* field = table_.FieldByName("TX_REFERENTE");
    if (replace_ || field->AsString().empty()) field->SetAsString(text);
    table_.Post();
  }

  const std::vector<std::string>& Skipped() const { return skipped_; }

 private:
  // The row of form and key, letter case ignored, as the combined key compares them.
  bool Locate(const std::string& key) {
    const std::string wanted = platform::UpperAscii(form_ + "." + key);
    for (table_.First(); !table_.Eof(); table_.Next()) {
      if (platform::UpperAscii(table_.FieldByName("NM_FORM")->AsString() + "." +
                               table_.FieldByName("NM_COMPONENTE")->AsString()) == wanted)
        return true;
    }
    return false;
  }

  platform::TDataSet& table_;
  std::string form_;
  bool replace_;
  std::vector<std::string> skipped_;
};

}  // namespace

void TF_ZORI_Tpl_Modal::pnl_downDblClick(platform::TObject*) {
  std::error_code ec;
  if (!std::filesystem::exists(FN_Arquivo_Marcador(), ec)) return;
  if (!FN_Confirma("Confimação", "Adicionar os componentes ao arquivo de recurços ?")) return;

  // With the catalogue editor open, its table takes the rows: written from a holder of
  // our own, they would be overwritten by the editor's copy when it closes.
  platform::TClientDataSet* table = nullptr;
  if (F_ZORI_Resource_Editor != nullptr && F_ZORI_Resource_Editor->cds_Resources->Active())
    table = F_ZORI_Resource_Editor->cds_Resources;
  // A holder made here is freed on every way out, which writes its table back.
  struct Holder {
    bool own = false;
    ~Holder() {
      if (own) platform::FN_Destroi_Objeto(F_ZORI_Resource);
    }
  } holder;
  if (table == nullptr) {
    if (F_ZORI_Resource == nullptr) {
      F_ZORI_Resource = Create<TF_ZORI_Resource>(platform::Application());
      holder.own = true;
    }
    table = F_ZORI_Resource->cds_Resources;
    if (!table->Active()) {
      std::string name;
      try {
        name = FN_Arquivo_Resources();
      } catch (const platform::Exception& e) {
        PR_Mensagem("", e.what());
        return;
      }
      const std::string path = (std::filesystem::path(v_Diretorio_Package) / name).string();
      // A file that is there but could not be read was reported; it is not written over.
      if (v_Diretorio_Package.empty() || std::filesystem::exists(path, ec)) return;
      // No catalogue yet: the capture starts it.
      table->SetFileName(path);
      table->CreateDataSet();
    }
  }

  const bool replace = FN_Confirma("Confimação", "Deseja substituir os Strings atuais ?");
  // Rows a filter hides must still be found, or they would be added twice.
  const bool filtered = table->Filtered();
  table->SetFiltered(false);
  Capture capture(*table, Name(), replace);
  try {
    capture.Row("Caption", Caption());
    for (int index = 0; index < ComponentCount(); ++index) {
      platform::TComponent& component = *Components(index);
      if (component.Tag() == -1 || component.Name().empty()) continue;
      if (auto* grid = dynamic_cast<platform::TDBGrid*>(&component)) {
        for (int column = 0; column < grid->Columns().Count(); ++column)
          capture.Row(grid->Name() + ".Columns.Items." + std::to_string(column),
                      grid->Columns().Items(column).Title.Caption);
        continue;
      }
      if (component.HasProperty("Caption")) {
        const std::string caption = component.GetPropValue("Caption").AsString();
        if (!Trimmed(caption).empty()) capture.Row(component.Name() + ".Caption", caption);
      }
      // The localisation pass rebuilds a radio group's items from the catalogue once its
      // caption is there: without them the group would come up empty.
      if (auto* group = dynamic_cast<platform::TRadioGroup*>(&component)) {
        for (int item = 0; item < group->Items().Count(); ++item)
          capture.Row(group->Name() + ".Items." + std::to_string(item), group->Items().Get(item));
      }
    }
  } catch (const std::exception& e) {
    if (table->State() == platform::dsEdit || table->State() == platform::dsInsert) table->Cancel();
    table->SetFiltered(filtered);
    PR_Mensagem("", e.what());
    return;
  }
  table->SetFiltered(filtered);
  if (!capture.Skipped().empty()) {
    std::string keys;
    for (const std::string& key : capture.Skipped()) keys += "\r\n" + key;
    PR_Mensagem("",
                "Not captured: a key longer than 60 characters or a text longer than 400:" + keys);
  }
}
