#include "designer/U_zori_perf_layout.h"

#include <filesystem>

#include "core/U_zori_func.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/data_source.h"
#include "platform/ext_controls.h"
#include "platform/field.h"
#include "platform/std_controls.h"

TF_ZORI_Perf_Layout* F_ZORI_Perf_Layout = nullptr;

namespace {

const char* const kLayoutFile = "ZORIIDEx_LP.xml";

// The miniature of IDE windows on the left: title strips, tool blocks and an editor area.
void PR_Miniatura(TF_ZORI_Perf_Layout& form) {
  struct Block {
    int32_t left, top, width, height;
    const char* color;
  };
  static const Block blocks[] = {{8, 8, 120, 4, "clNavy"},    {8, 12, 120, 10, "clSilver"},
                                 {8, 24, 28, 4, "clNavy"},    {8, 28, 28, 52, "clSilver"},
                                 {38, 24, 90, 4, "clNavy"},   {38, 28, 90, 40, "clWhite"},
                                 {38, 70, 90, 10, "clSilver"}};
  int n = 0;
  for (const Block& b : blocks) {
    auto* panel = platform::TComponent::Create<platform::TPanel>(form);
    panel->SetName("Panel" + std::to_string(++n));
    panel->SetParent(form.pnl_Back);
    panel->SetBounds(b.left, b.top, b.width, b.height);
    panel->SetPropValue("Color", b.color, false);
  }
}

}  // namespace

TF_ZORI_Perf_Layout::TF_ZORI_Perf_Layout()
    : TF_ZORI_Tpl_Modal("F_ZORI_Perf_Layout", "TF_ZORI_Perf_Layout") {
  SetCaption("Layout Perfeito");
  pnl_Back->SetHeight(89);
  pnl_down->SetTop(89);
  PR_Miniatura(*this);

  rb_aplica_layout = Create<platform::TRadioButton>(*this);
  rb_aplica_layout->SetName("rb_aplica_layout");
  rb_aplica_layout->SetParent(pnl_Back);
  rb_aplica_layout->SetBounds(140, 20, 200, 17);
  rb_aplica_layout->SetCaption("Aplicar Layout armazenado");
  rb_aplica_layout->SetChecked(true);

  rb_salva_layout = Create<platform::TRadioButton>(*this);
  rb_salva_layout->SetName("rb_salva_layout");
  rb_salva_layout->SetParent(pnl_Back);
  rb_salva_layout->SetBounds(140, 48, 200, 17);
  rb_salva_layout->SetCaption("Salvar Layout atual");

  cds_LP = Create<platform::TClientDataSet>(*this);
  cds_LP->SetName("cds_LP");
  ds_LP = Create<platform::TDataSource>(*this);
  ds_LP->SetName("ds_LP");
  ds_LP->SetDataSet(cds_LP);

  bbtn_Ok->OnClick = [this](platform::TObject* sender) { bbtn_OkClick(sender); };
}

void TF_ZORI_Perf_Layout::bbtn_OkClick(platform::TObject*) {
  if (rb_aplica_layout->Checked())
    PR_Aplica_LP();
  else
    PR_Salva_LP();
}

void TF_ZORI_Perf_Layout::PR_Aplica_LP() {
  PR_Abre_DataSet(*cds_LP, kLayoutFile);
  // No profile stored yet: every window stays where it is.
  if (!cds_LP->Active()) return;
  platform::TScreen& screen = platform::Screen();
  for (int i = 0; i < screen.FormCount(); ++i) {
    platform::TCustomForm* form = screen.Forms(i);
    if (!FN_Formulario_Movel(this, form, false, false)) continue;
    cds_LP->First();
    while (!cds_LP->Eof()) {
      const int32_t height = cds_LP->FieldByName("NR_HEIGHT")->AsInteger();
      const int32_t width = cds_LP->FieldByName("NR_WIDTH")->AsInteger();
      // A row without a size would leave the window invisible on the screen.
      if (cds_LP->FieldByName("NM_FORMULARIO")->AsString() == form->Name() && height > 0 &&
          width > 0) {
        form->SetTop(cds_LP->FieldByName("NR_TOP")->AsInteger());
        form->SetLeft(cds_LP->FieldByName("NR_LEFT")->AsInteger());
        form->SetHeight(height);
        form->SetWidth(width);
        form->SetWindowState("wsNormal");
      }
      cds_LP->Next();
    }
  }
}

void TF_ZORI_Perf_Layout::PR_Salva_LP() {
  PR_Abre_DataSet(*cds_LP, kLayoutFile);
  const std::filesystem::path file = std::filesystem::path(v_Diretorio_Package) / kLayoutFile;
  std::error_code ec;
  // A file that exists but did not open was reported; it is left for the user to repair.
  if (!cds_LP->Active() && std::filesystem::exists(file, ec)) return;
  if (!cds_LP->Active()) {
    // The first save makes the file: the table is written to it when the window is freed.
    platform::TFieldDefs& defs = cds_LP->FieldDefs();
    defs.Clear();
    defs.Add("NM_FORMULARIO", platform::ftString, 60, false);
    for (const char* name : {"NR_TOP", "NR_LEFT", "NR_HEIGHT", "NR_WIDTH"})
      defs.Add(name, platform::ftInteger, 0, false);
    cds_LP->SetFileName(file.string());
    cds_LP->CreateDataSet();
  }
  cds_LP->First();
  while (!cds_LP->IsEmpty()) cds_LP->Delete();
  platform::TScreen& screen = platform::Screen();
  for (int i = 0; i < screen.FormCount(); ++i) {
    platform::TCustomForm* form = screen.Forms(i);
    if (!FN_Formulario_Movel(this, form, true, false) || form->ComponentCount() == 0) continue;
    cds_LP->Append();
    cds_LP->FieldByName("NM_FORMULARIO")->SetAsString(form->Name().substr(0, 60));
    cds_LP->FieldByName("NR_TOP")->SetAsInteger(form->Top());
    cds_LP->FieldByName("NR_LEFT")->SetAsInteger(form->Left());
    cds_LP->FieldByName("NR_HEIGHT")->SetAsInteger(form->Height());
    cds_LP->FieldByName("NR_WIDTH")->SetAsInteger(form->Width());
    cds_LP->Post();
  }
}
