#include <gtest/gtest.h>

#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/graphics.h"
#include "platform/image_list.h"
#include "platform/mask_edit.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"
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
  EXPECT_EQ(spe->Value(), 0);  // no number reads as MinValue; the typed text stays
  EXPECT_EQ(spe->GetPropValue("Text").AsString(), "x");
  spe->SetValue(7);
  EXPECT_EQ(spe->Text(), "7");

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

TEST(ControlsTest, LabelsPointAtTheirControlAndChangeColour) {
  TForm form;
  auto* tree = Add<TTreeView>(form, "tv_comps", &form);
  auto* lbl = Add<TLabel>(form, "lbl_tv_comps", &form);
  lbl->SetFocusControl(tree);
  EXPECT_EQ(lbl->FocusControl(), tree);
  EXPECT_EQ(lbl->GetPropValue("FocusControl").AsString(), "tv_comps");
  // A link label turning blue under the mouse is checked on the windows (CatalogueTest).
  lbl->SetPropValue("Font.Color", "15138815");
  EXPECT_EQ(lbl->FontColor(), 15138815);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  tree->Free();
  EXPECT_EQ(lbl->FocusControl(), nullptr);  // a reference by name does not dangle
}

TEST(ControlsTest, ToolBarsLineUpTheirButtonsAndGroupsStayExclusive) {
  TForm form;
  form.Show();
  auto* bar = Add<TToolBar>(form, "tlb_horizontal", &form);
  bar->SetPropValue("ButtonWidth", 31);
  bar->SetPropValue("ButtonHeight", 30);
  std::vector<TToolButton*> buttons;
  for (const char* name : {"tbtn_align_left", "tbtn_align_h_center", "tbtn_align_h_window"}) {
    auto* b = TComponent::Create<TToolButton>(form);
    b->SetName(name);
    b->SetLeft(1000);  // a new button goes to the end
    b->SetParent(bar);
    buttons.push_back(b);
  }
  EXPECT_EQ(buttons[0]->Left(), 0);
  EXPECT_EQ(buttons[1]->Left(), 31);
  EXPECT_EQ(buttons[2]->Left(), 62);
  EXPECT_EQ(buttons[2]->Width(), 31);
  EXPECT_EQ(buttons[2]->Height(), 30);
  buttons[1]->SetVisible(false);
  EXPECT_EQ(buttons[2]->Left(), 31);
  // A button toggling its picture is checked on the alignment palette (AlignPaletteTest).
  auto* a = Add<TSpeedButton>(form, "sb_A", &form);
  auto* b = Add<TSpeedButton>(form, "sb_B", &form);
  a->SetPropValue("GroupIndex", 1);
  b->SetPropValue("GroupIndex", 1);
  a->Click();
  b->Click();
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  b->Click();  // without AllowAllUp the pressed one stays down
  EXPECT_TRUE(b->Down());
}

TEST(ControlsTest, GroupBoxesAndPanelsAlignChildrenInsideTheirFrames) {
  TForm form;
  form.SetBorderStyle("bsNone");
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  form.Show();
  auto* gb = Add<TGroupBox>(form, "gb_fundo", &form);
  gb->SetPropValue("Align", "alClient");
  EXPECT_EQ(gb->Width(), 300);
  EXPECT_EQ(gb->Height(), 200);
  auto* sbx = Add<TScrollBox>(form, "sbx_teclas_atalho", gb);
  sbx->SetPropValue("Align", "alClient");
  EXPECT_EQ(sbx->Left(), 2);
  EXPECT_EQ(sbx->Top(), 15);
  EXPECT_EQ(sbx->Width(), 296);
  EXPECT_EQ(sbx->Height(), 183);
  auto* right = Add<TPanel>(form, "pnl_Right", &form);
  right->SetWidth(50);
  right->SetPropValue("Align", "alRight");
  EXPECT_EQ(right->Left(), 250);
  EXPECT_EQ(gb->Width(), 250);
  auto* bottom = Add<TPanel>(form, "pnl_Bottom", &form);
  bottom->SetHeight(20);
  bottom->SetPropValue("Align", "alBottom");
  EXPECT_EQ(bottom->Top(), 180);
  EXPECT_EQ(right->Height(), 180);
  EXPECT_EQ(sbx->Height(), 180 - 17);
  std::string err;
  EXPECT_TRUE(form.CheckControls(&err)) << err;
}
