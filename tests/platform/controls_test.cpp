#include <gtest/gtest.h>

#include "platform/com_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/mask_edit.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/value_list_editor.h"

using namespace platform;

namespace {

template <class T>
T* Add(TForm& form, const char* name, TWinControl* parent) {
  T* c = TComponent::Create<T>(form);
  c->SetName(name);
  c->SetParent(parent);
  return c;
}

}  // namespace

TEST(ControlsTest, RadioGroupItemsAndIndexFollowEachOther) {
  TForm form;
  auto* rg = Add<TRadioGroup>(form, "rg_Tipo", &form);
  int clicks = 0;
  rg->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_EQ(rg->ItemIndex(), -1);
  rg->Items().Add("apenas no formulário atual");
  rg->Items().Add("todos os formulários abertos");
  rg->SetItemIndex(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(rg->GetPropValue("Items").AsString(),
            "apenas no formulário atual\r\ntodos os formulários abertos\r\n");
  rg->SetItemIndex(7);  // out of range: nothing checked
  EXPECT_EQ(rg->ItemIndex(), -1);
  rg->SetItemIndex(1);
  rg->Items().Clear();  // the checked item went away with the others
  EXPECT_EQ(rg->ItemIndex(), -1);
  // Items as a form file gives them.
  rg->SetPropValue("Items", "Hide\r\nShow\r\n");
  ASSERT_EQ(rg->Items().Count(), 2);
  EXPECT_EQ(rg->Items()[1], "Show");
  EXPECT_TRUE(rg->InheritsFrom("TCustomGroupBox"));
}

TEST(ControlsTest, ComboBoxTextFollowsTheSelectionByStyle) {
  TForm form;
  auto* cb = Add<TComboBox>(form, "cb_Modo", &form);
  cb->Items().SetText("Hide\r\nShow\r\nE\r\n");
  EXPECT_EQ(cb->ItemIndex(), -1);
  EXPECT_EQ(cb->Text(), "");
  cb->SetItemIndex(1);
  EXPECT_EQ(cb->Text(), "Show");
  // Free text in a drop-down: typing an item's text selects it, other text selects none.
  cb->SetText("hide");
  EXPECT_EQ(cb->ItemIndex(), 0);
  cb->SetText("Other");
  EXPECT_EQ(cb->ItemIndex(), -1);
  EXPECT_EQ(cb->Text(), "Other");
  // A drop-down list only shows items.
  cb->SetStyle("csDropDownList");
  EXPECT_EQ(cb->Text(), "");
  cb->SetText("E");
  EXPECT_EQ(cb->ItemIndex(), 2);
  EXPECT_EQ(cb->Text(), "E");
  cb->Items().Delete(2);
  EXPECT_EQ(cb->ItemIndex(), -1);
  EXPECT_EQ(cb->Text(), "");
  int changes = 0;
  cb->OnChange = [&](TObject*) { ++changes; };
  cb->Select(0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(cb->GetPropValue("ItemIndex").AsInteger(), 0);
}

TEST(ControlsTest, CheckBoxAndRadioButtonsReportStateChangesAsClicks) {
  TForm form;
  auto* chk = Add<TCheckBox>(form, "chk_caption", &form);
  auto* edt = Add<TEdit>(form, "edt_Caption_Find", &form);
  // The find-box pairing: typing checks the box, unchecking the box empties the text.
  edt->OnChange = [&](TObject*) { chk->SetChecked(!edt->Text().empty()); };
  chk->OnClick = [&](TObject*) {
    if (!chk->Checked()) edt->SetText("");
  };
  edt->SetText("&Save");
  EXPECT_TRUE(chk->Checked());
  EXPECT_EQ(chk->GetPropValue("State").AsString(), "cbChecked");
  chk->Click();
  EXPECT_FALSE(chk->Checked());
  EXPECT_EQ(edt->Text(), "");
  chk->SetPropValue("State", "cbGrayed");
  EXPECT_FALSE(chk->Checked());
  EXPECT_THROW(chk->SetPropValue("State", "cbMaybe"), EConvertError);

  auto* a = Add<TRadioButton>(form, "rb_aplica_layout", &form);
  auto* b = Add<TRadioButton>(form, "rb_salva_layout", &form);
  a->SetChecked(true);
  b->Click();
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
}

TEST(ControlsTest, MaskedEditTextShowsLiteralsAndKnowsItsEmptyText) {
  TForm form;
  auto* me = Add<TMaskEdit>(form, "me_Data", &form);
  me->SetEditMask("!99/99/9999;1;_");
  EXPECT_EQ(me->Text(), "  /  /    ");
  EXPECT_EQ(me->EmptyText(), me->Text());  // nothing typed: counts as empty
  EXPECT_EQ(me->EditText(), "__/__/____");
  me->SetText("06/12/2026");
  EXPECT_EQ(me->Text(), "06/12/2026");
  EXPECT_NE(me->Text(), me->EmptyText());
  me->SetText("0a/12/20");  // a letter does not fit a digit place
  EXPECT_EQ(me->Text(), "0 /12/20  ");

  // Without saved literals the text is only what was typed; case conversion applies.
  me->SetEditMask(">LL-000;0;*");
  me->SetText("ab123");
  EXPECT_EQ(me->Text(), "AB123");
  EXPECT_EQ(me->EditText(), "AB-123");
  EXPECT_EQ(me->EmptyText(), "     ");

  auto* plain = Add<TMaskEdit>(form, "me_ds_code_snipplet", &form);
  EXPECT_EQ(plain->EmptyText(), "");
  plain->SetText("ação");
  EXPECT_EQ(plain->Text(), "ação");
  EXPECT_EQ(EditMask("\\(999\\);1;_").EditText("(12 )"), "(12_)");
}

TEST(ControlsTest, SpinEditHotKeyAndProgressBarKeepTheirValuesInRange) {
  TForm form;
  auto* spe = Add<TSpinEdit>(form, "spe_tempo", &form);
  spe->SetValue(-5);  // no limits while both are 0
  EXPECT_EQ(spe->Value(), -5);
  spe->SetMinValue(0);
  spe->SetMaxValue(60);
  spe->SetValue(90);
  EXPECT_EQ(spe->Value(), 60);
  spe->SetText("12");
  EXPECT_EQ(spe->Value(), 12);
  spe->SetText("x");
  EXPECT_EQ(spe->Value(), 0);
  EXPECT_EQ(spe->GetPropValue("Text").AsString(), "0");

  auto* hk = Add<THotKey>(form, "hk_Comment", &form);
  EXPECT_EQ(hk->HotKey(), 32833);  // Alt+A when nothing is stored
  hk->UserPress(scCtrl | 'K');
  EXPECT_EQ(ShortCutToText(hk->HotKey()), "Ctrl+K");
  hk->UserPress('K');  // a plain key gets the default modifier
  EXPECT_EQ(ShortCutToText(hk->HotKey()), "Alt+K");
  hk->UserPress(scShift | 'Q');
  EXPECT_EQ(ShortCutToText(hk->HotKey()), "Alt+Q");

  auto* prb = Add<TProgressBar>(form, "prb_Prog", &form);
  prb->SetMax(3);
  prb->SetPosition(5);
  EXPECT_EQ(prb->Position(), 3);
  prb->SetPosition(-1);
  EXPECT_EQ(prb->Position(), 0);
}

TEST(ControlsTest, PageControlShowsOnePageAndReportsUserChanges) {
  TForm form;
  auto* pgc = Add<TPageControl>(form, "pgc_Master", &form);
  auto* opcoes = Add<TTabSheet>(form, "tbsh_Opcoes", pgc);
  auto* padroes = Add<TTabSheet>(form, "tbsh_Padroes", pgc);
  int changes = 0;
  pgc->OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(pgc->PageCount(), 2);
  pgc->SetActivePage(opcoes);
  EXPECT_EQ(changes, 0);  // set by the program: no event
  EXPECT_TRUE(opcoes->Visible());
  EXPECT_FALSE(padroes->Visible());
  pgc->SelectPage(padroes);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pgc->ActivePageIndex(), 1);
  EXPECT_EQ(pgc->GetPropValue("ActivePage").AsString(), "tbsh_Padroes");
  padroes->SetPageIndex(0);
  EXPECT_EQ(pgc->Pages(0), padroes);
  EXPECT_EQ(opcoes->PageIndex(), 1);
  pgc->OnChanging = [](TObject*, bool& allow) { allow = false; };
  pgc->SelectPage(opcoes);
  EXPECT_EQ(pgc->ActivePage(), padroes);
  TForm other;
  auto* stranger = Add<TTabSheet>(other, "tbsh_Other", &other);
  EXPECT_THROW(pgc->SetActivePage(stranger), EInvalidOperation);
}

TEST(ControlsTest, ValueListEditorAndCheckListBoxKeepRowsAndMarks) {
  TForm form;
  auto* vle = Add<TValueListEditor>(form, "VLE_Modf", &form);
  vle->InsertRow("Button1", "btn_Button1", true);
  vle->InsertRow("Edit1", "edt_Edit1", true);
  EXPECT_EQ(vle->RowCount(), 3);
  EXPECT_EQ(vle->Keys(2), "Edit1");
  EXPECT_EQ(vle->Values("edit1"), "edt_Edit1");
  vle->SetValues("Edit1", "edt_Nome");
  int row = 0;
  ASSERT_TRUE(vle->FindRow("Edit1", row));
  vle->DeleteRow(1);
  EXPECT_EQ(vle->GetPropValue("Strings").AsString(), "Edit1=edt_Nome\r\n");
  EXPECT_FALSE(vle->FindRow("Button1", row));

  auto* clb = Add<TCheckListBox>(form, "clb_Units_Abertas", &form);
  clb->Items().SetText("Unit1.pas\r\nUnit2.pas\r\nMain.pas\r\n");
  clb->SetChecked(0, true);
  clb->ClickCheck(2);
  clb->Items().SetSorted(true);  // the marks move with their items
  EXPECT_EQ(clb->Items()[0], "Main.pas");
  EXPECT_TRUE(clb->Checked(0));
  EXPECT_TRUE(clb->Checked(1));
  EXPECT_FALSE(clb->Checked(2));
  EXPECT_THROW(clb->Checked(3), EStringListError);
}

TEST(ControlsTest, ImageListCopiesPicturesIntoMenuBitmaps) {
  TForm form;
  auto* il = TComponent::Create<TImageList>(form);
  for (uint32_t i = 0; i < 14; ++i) il->Add(TBitmap(16, 16, 0xFF000000u | i));
  EXPECT_EQ(il->Count(), 14);
  TMenuItem item;
  ASSERT_TRUE(il->GetBitmap(7, item.Bitmap()));
  EXPECT_EQ(item.Bitmap().Width(), 16);
  EXPECT_EQ(item.Bitmap().Pixel(3, 3), 0xFF000007u);
  EXPECT_FALSE(il->GetBitmap(14, item.Bitmap()));
  EXPECT_EQ(item.Bitmap().Pixel(3, 3), 0xFF000007u);  // unchanged on a miss

  // A list of another size takes copies at its own size; appending keeps the numbering.
  auto* own = TComponent::Create<TImageList>(form);
  own->SetWidth(24);
  own->SetHeight(24);
  own->Add(TBitmap(24, 24, 1));
  own->AddImages(*il);
  EXPECT_EQ(own->Count(), 15);
  EXPECT_EQ(own->Image(8).Width(), 24);
  EXPECT_EQ(own->Image(8).Pixel(0, 0), 0xFF000007u);
  own->SetWidth(16);  // a new size empties the list
  EXPECT_EQ(own->Count(), 0);
}
