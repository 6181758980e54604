#include <string>

#include "core/U_zori_func.h"
#include "platform/data_source.h"
#include "platform/dataset.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/field.h"
#include "platform/forms.h"
#include "platform/mask_edit.h"
#include "platform/std_controls.h"

namespace {

// The text without the blanks (code 32 or less) at either end.
std::string Trimmed(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

bool Showing(const platform::TCustomForm* window) {
  return window != nullptr && window->Visible();
}

// The value an unticked criterion leaves in a lookup combo box: a key of the key field's
// own type, so the filter built from it stays valid.
platform::Variant EmptyKey(const platform::TDBLookupComboBox& lookup) {
  const platform::TDataSource* source = lookup.ListSource();
  const platform::TDataSet* list = source != nullptr ? source->DataSet() : nullptr;
  const platform::TField* key = list != nullptr ? list->FindField(lookup.KeyField()) : nullptr;
  if (key == nullptr) return {};
  if (key->DataType() == platform::ftInteger) return 0;
  if (key->DataType() == platform::ftString || key->DataType() == platform::ftMemo) {
    return std::string();
  }
  return {};
}

}  // namespace

bool FN_Ativa_CKB(platform::TCustomCheckBox* CheckBox, const platform::TComponent& Controle) {
  bool filled = false;
  // A masked edit is an edit too; its literals alone are no value, so it is asked first.
  if (const auto* masked = dynamic_cast<const platform::TCustomMaskEdit*>(&Controle)) {
    filled = masked->Text() != masked->EmptyText();
  } else if (const auto* edit = dynamic_cast<const platform::TEdit*>(&Controle)) {
    filled = !Trimmed(edit->Text()).empty();
  } else if (const auto* combo = dynamic_cast<const platform::TCustomComboBox*>(&Controle)) {
    filled = combo->ItemIndex() != -1;
  } else if (const auto* lookup = dynamic_cast<const platform::TDBLookupComboBox*>(&Controle)) {
    filled = !Trimmed(lookup->Text()).empty();
  } else if (const auto* group = dynamic_cast<const platform::TCustomRadioGroup*>(&Controle)) {
    filled = group->ItemIndex() != -1;
  }
  if (CheckBox != nullptr) CheckBox->SetChecked(filled);
  return filled;
}

void PR_Ativa_CKB_Auto(platform::TCustomForm* Janela, const platform::TComponent& Controle) {
  if (!Showing(Janela)) return;
  for (int i = 0; i < Janela->ComponentCount(); ++i) {
    auto* box = dynamic_cast<platform::TCustomCheckBox*>(Janela->Components(i));
    if (box != nullptr && box->Tag() == Controle.Tag()) FN_Ativa_CKB(box, Controle);
  }
}

void PR_Limpa_Componentes(platform::TCustomForm* Janela,
                          const platform::TCustomCheckBox& CheckBox) {
  if (!Showing(Janela) || CheckBox.Checked()) return;
  for (int i = 0; i < Janela->ComponentCount(); ++i) {
    platform::TComponent* x = Janela->Components(i);
    if (x == &CheckBox || x->Tag() == 0 || x->Tag() != CheckBox.Tag()) continue;
    if (auto* combo = dynamic_cast<platform::TCustomComboBox*>(x)) {
      const bool e_second = combo->Items().Count() > 1 && combo->Items()[1] == "E";
      combo->SetItemIndex(e_second ? 1 : 0);
    }
    if (auto* edit = dynamic_cast<platform::TEdit*>(x)) edit->SetText("");
    if (auto* box = dynamic_cast<platform::TCustomCheckBox*>(x)) box->SetChecked(false);
    if (auto* masked = dynamic_cast<platform::TCustomMaskEdit*>(x)) masked->SetText("");
    if (auto* lookup = dynamic_cast<platform::TDBLookupComboBox*>(x)) {
      lookup->SetKeyValue(EmptyKey(*lookup));
    }
    if (auto* group = dynamic_cast<platform::TCustomRadioGroup*>(x)) group->SetItemIndex(-1);
  }
}

bool FN_Formulario_Movel(const platform::TComponent* Propria,
                         const platform::TCustomForm* Candidata, bool IncluiParented,
                         bool AceitaTodos) {
  if (Candidata == nullptr) return false;
  if (AceitaTodos) return true;
  if (!IncluiParented && Candidata->Parent() != nullptr) return false;
  if (Propria != nullptr && Candidata->Name() == Propria->Name()) return false;
  if (Candidata->HasDesigner()) return false;
  return Candidata->Visible();
}
