// The criterion pairing of filter windows and the movable-window test, as a finder window
// and the layout tools use them.
#include <gtest/gtest.h>

#include "core/U_zori_func.h"
#include "platform/application.h"
#include "platform/client_dataset.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/mask_edit.h"
#include "platform/std_controls.h"

using namespace platform;

namespace {

// A finder window: criterion 1 is a text and a date, 2 a language and a scope choice,
// 3 a group from a lookup list, 4 a radio group; the grid-like label has tag 0.
struct Finder {
  TForm form{nullptr};
  TCheckBox* chk_texto = Add<TCheckBox>("chk_texto", 1);
  TEdit* edt_texto = Add<TEdit>("edt_texto", 1);
  TMaskEdit* me_data = Add<TMaskEdit>("me_data", 1);
  TCheckBox* chk_tipo = Add<TCheckBox>("chk_tipo", 2);
  TComboBox* cb_modo = Add<TComboBox>("cb_modo", 2);
  TComboBox* cb_lingua = Add<TComboBox>("cb_lingua", 2);
  TCheckBox* chk_grupo = Add<TCheckBox>("chk_grupo", 3);
  TClientDataSet* groups = TComponent::Create<TClientDataSet>(form);
  TDataSource* ds_groups = TComponent::Create<TDataSource>(form);
  TDBLookupComboBox* dblc_grupo = Add<TDBLookupComboBox>("dblc_grupo", 3);
  TCheckBox* chk_escopo = Add<TCheckBox>("chk_escopo", 4);
  TRadioGroup* rg_escopo = Add<TRadioGroup>("rg_escopo", 4);
  TEdit* edt_livre = Add<TEdit>("edt_livre", 0);

  Finder() {
    form.SetName("F_ZORI_Find");
    me_data->SetEditMask("!99/99/9999;1;_");
    cb_modo->Items().Add("T");
    cb_modo->Items().Add("E");
    cb_modo->Items().Add("OU");
    cb_lingua->Items().Add("Pascal");
    cb_lingua->Items().Add("SQL");
    groups->FieldDefs().Add("id_grupo", ftInteger);
    groups->FieldDefs().Add("ds_grupo", ftString, 40);
    groups->CreateDataSet();
    groups->Append();
    groups->FieldByName("id_grupo")->SetAsInteger(7);
    groups->FieldByName("ds_grupo")->SetAsString("Laços");
    groups->Post();
    ds_groups->SetDataSet(groups);
    dblc_grupo->SetListSource(ds_groups);
    dblc_grupo->SetKeyField("id_grupo");
    dblc_grupo->SetListField("ds_grupo");
    rg_escopo->Items().Add("Unit");
    rg_escopo->Items().Add("Projeto");
    form.Show();
  }

  template <class T>
  T* Add(const char* name, int32_t tag) {
    auto* c = TComponent::Create<T>(form);
    c->SetName(name);
    c->SetParent(&form);
    c->SetTag(tag);
    return c;
  }
};

}  // namespace

TEST(CriterionPairingTest, TypingTicksAndClearingUnticksTheCriterion) {
  Finder f;
  // A masked edit showing only its separators holds nothing yet.
  EXPECT_FALSE(FN_Ativa_CKB(nullptr, *f.me_data));
  f.me_data->SetText("06/12/2026");
  PR_Ativa_CKB_Auto(&f.form, *f.me_data);
  EXPECT_TRUE(f.chk_texto->Checked());
  EXPECT_FALSE(f.chk_tipo->Checked());  // other criteria are not touched

  f.edt_texto->SetText("   ");  // blanks are no value
  PR_Ativa_CKB_Auto(&f.form, *f.edt_texto);
  EXPECT_FALSE(f.chk_texto->Checked());
  f.edt_texto->SetText(" for ");
  EXPECT_TRUE(FN_Ativa_CKB(f.chk_texto, *f.edt_texto));
  EXPECT_TRUE(f.chk_texto->Checked());

  EXPECT_FALSE(FN_Ativa_CKB(nullptr, *f.cb_lingua));
  f.cb_lingua->SetItemIndex(1);
  PR_Ativa_CKB_Auto(&f.form, *f.cb_lingua);
  EXPECT_TRUE(f.chk_tipo->Checked());

  EXPECT_FALSE(FN_Ativa_CKB(f.chk_grupo, *f.dblc_grupo));
  f.dblc_grupo->SelectItem(0);
  EXPECT_TRUE(FN_Ativa_CKB(f.chk_grupo, *f.dblc_grupo));
  f.rg_escopo->SetItemIndex(0);
  EXPECT_TRUE(FN_Ativa_CKB(f.chk_escopo, *f.rg_escopo));
  EXPECT_FALSE(FN_Ativa_CKB(nullptr, *f.chk_tipo));  // a check box is no input

  // A hidden window is left alone.
  f.form.Hide();
  f.edt_texto->SetText("");
  PR_Ativa_CKB_Auto(&f.form, *f.edt_texto);
  EXPECT_TRUE(f.chk_texto->Checked());
}

TEST(CriterionPairingTest, UntickingClearsTheInputsOfItsTagOnly) {
  Finder f;
  f.edt_texto->SetText("for");
  f.me_data->SetText("06/12/2026");
  f.cb_modo->SetItemIndex(2);
  f.cb_lingua->SetItemIndex(1);
  f.dblc_grupo->SelectItem(0);
  f.rg_escopo->SetItemIndex(1);
  f.edt_livre->SetText("livre");
  f.chk_texto->SetChecked(true);
  f.chk_tipo->SetChecked(true);

  // Nothing happens while the box is ticked.
  PR_Limpa_Componentes(&f.form, *f.chk_texto);
  EXPECT_EQ(f.edt_texto->Text(), "for");

  f.chk_texto->SetChecked(false);
  PR_Limpa_Componentes(&f.form, *f.chk_texto);
  EXPECT_EQ(f.edt_texto->Text(), "");
  EXPECT_EQ(f.me_data->Text(), f.me_data->EmptyText());
  EXPECT_TRUE(f.chk_tipo->Checked());
  EXPECT_EQ(f.cb_modo->ItemIndex(), 2);

  f.chk_tipo->SetChecked(false);
  PR_Limpa_Componentes(&f.form, *f.chk_tipo);
  EXPECT_EQ(f.cb_modo->ItemIndex(), 1);    // "E" is its second item
  EXPECT_EQ(f.cb_lingua->ItemIndex(), 0);  // otherwise the first item

  PR_Limpa_Componentes(&f.form, *f.chk_grupo);
  EXPECT_EQ(f.dblc_grupo->KeyValue(), Variant(0));  // the key field is numeric
  EXPECT_EQ(f.dblc_grupo->Text(), "");
  PR_Limpa_Componentes(&f.form, *f.chk_escopo);
  EXPECT_EQ(f.rg_escopo->ItemIndex(), -1);
  EXPECT_EQ(f.edt_livre->Text(), "livre");  // tag 0 belongs to no criterion
}

TEST(MovableWindowTest, OnlyVisibleTopLevelIdeWindowsThatAreNotOursOrDesigned) {
  ResetApplication();
  TForm tool{nullptr};
  tool.SetName("F_ZORI_LP");
  TForm inspector{nullptr};
  inspector.SetName("PropertyInspector");
  inspector.Show();
  TForm own_copy{nullptr};
  own_copy.SetName("F_ZORI_LP");
  own_copy.Show();
  TForm designed{nullptr};
  designed.SetName("Form1");
  designed.SetHasDesigner(true);
  designed.Show();
  TForm host{nullptr};
  host.Show();
  TForm docked{nullptr};
  docked.SetName("MessageView");
  docked.SetParent(&host);
  docked.Show();
  TForm hidden{nullptr};
  hidden.SetName("CallStackWindow");

  EXPECT_FALSE(FN_Formulario_Movel(&tool, nullptr, true, true));
  EXPECT_TRUE(FN_Formulario_Movel(&tool, &inspector, false, false));
  EXPECT_FALSE(FN_Formulario_Movel(&tool, &own_copy, false, false));
  EXPECT_FALSE(FN_Formulario_Movel(&tool, &designed, false, false));
  EXPECT_FALSE(FN_Formulario_Movel(&tool, &docked, false, false));
  EXPECT_TRUE(FN_Formulario_Movel(&tool, &docked, true, false));
  EXPECT_FALSE(FN_Formulario_Movel(&tool, &hidden, true, false));
  EXPECT_TRUE(FN_Formulario_Movel(&tool, &hidden, false, true));
  EXPECT_TRUE(FN_Formulario_Movel(&tool, &designed, false, true));
  docked.SetParent(nullptr);
}
