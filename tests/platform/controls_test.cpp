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

TEST(ControlsTest, ClassKnowledgeGivesThePlatformsAncestryAndDefaults) {
  TForm form;
  auto* edt = Add<TEdit>(form, "edt_app_exec", &form);
  auto* btn = Add<TButton>(form, "btn_Ok", &form);
  auto* pnl = Add<TPanel>(form, "pnl_Back", &form);
  auto* lbl = Add<TLabel>(form, "lbl_Http", &form);
  auto* re = Add<TRichEdit>(form, "dbre_x", &form);
  // Edits and buttons are tab stops, panels are not; labels are not windowed at all.
  EXPECT_TRUE(edt->TabStop());
  EXPECT_TRUE(btn->TabStop());
  EXPECT_FALSE(pnl->TabStop());
  EXPECT_EQ(dynamic_cast<TWinControl*>(static_cast<TControl*>(lbl)), nullptr);
  EXPECT_TRUE(re->InheritsFrom("TCustomMemo"));
  EXPECT_FALSE(edt->HasProperty("Caption"));
  EXPECT_TRUE(btn->HasProperty("Caption"));
  EXPECT_EQ(re->PropertyKind("Lines"), PropKind::Strings);
  EXPECT_EQ(edt->PropertyKind("Text"), PropKind::Text);
  EXPECT_FALSE(form.Visible());  // windows start hidden
}

TEST(ControlsTest, LabelsPointAtTheirControlAndChangeColour) {
  TForm form;
  auto* tree = Add<TTreeView>(form, "tv_comps", &form);
  auto* lbl = Add<TLabel>(form, "lbl_tv_comps", &form);
  lbl->SetFocusControl(tree);
  EXPECT_EQ(lbl->FocusControl(), tree);
  EXPECT_EQ(lbl->GetPropValue("FocusControl").AsString(), "tv_comps");
  EXPECT_EQ(lbl->FontColor(), static_cast<TColor>(0x80000008));  // clWindowText
  // A link label turns blue under the mouse and black again when it leaves.
  lbl->OnMouseEnter = [lbl](TObject*) { lbl->SetFontColor(16711680); };
  lbl->OnMouseLeave = [lbl](TObject*) { lbl->SetFontColor(0); };
  lbl->MouseEnter();
  EXPECT_EQ(lbl->GetPropValue("Font.Color").AsString(), "clBlue");
  lbl->MouseLeave();
  EXPECT_EQ(lbl->GetPropValue("Font.Color").AsString(), "clBlack");
  lbl->SetPropValue("Font.Color", "15138815");
  EXPECT_EQ(lbl->FontColor(), 15138815);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  tree->Free();
  EXPECT_EQ(lbl->FocusControl(), nullptr);  // a reference by name does not dangle
}

TEST(ControlsTest, MemoLinesAndEditTextReportChanges) {
  TForm form;
  auto* memo = Add<TMemo>(form, "mmo_TX", &form);
  auto* edt = Add<TEdit>(form, "edt_Params", &form);
  int memo_changes = 0;
  int edit_changes = 0;
  memo->OnChange = [&](TObject*) { ++memo_changes; };
  edt->OnChange = [&](TObject*) { ++edit_changes; };
  memo->Lines().Add("{ header }");
  memo->Lines().Add("procedure X;");
  EXPECT_EQ(memo->Text(), "{ header }\r\nprocedure X;\r\n");
  EXPECT_EQ(memo->GetPropValue("Lines").AsString(), memo->Text());
  memo->SetText("a\nb");
  EXPECT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo_changes, 3);
  edt->SetText("-v");
  edt->SetText("-v");  // the same text: no change
  edt->Clear();
  EXPECT_EQ(edit_changes, 2);
  EXPECT_EQ(edt->Text(), "");
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
  buttons[0]->SetImageIndex(14);
  int clicks = 0;
  buttons[0]->OnClick = [&](TObject*) {
    buttons[0]->SetImageIndex(buttons[0]->ImageIndex() == 14 ? 15 : 14);
    ++clicks;
  };
  buttons[0]->Click();
  EXPECT_EQ(buttons[0]->ImageIndex(), 15);
  EXPECT_EQ(clicks, 1);

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

TEST(ControlsTest, ComboBoxWithPicturesListsImageIndexesAsTheMenuBrowserDoes) {
  TForm form;
  auto* cbex = Add<TComboBoxEx>(form, "cbex_imageindex", &form);
  cbex->SetStyle("csExDropDownList");
  for (int i = 0; i < 4; ++i) cbex->AddItem({std::to_string(i - 1), i, i, i, 0});
  EXPECT_EQ(cbex->ItemCount(), 4);
  EXPECT_EQ(cbex->Items().CommaText(), "-1,0,1,2");
  cbex->SetItemIndex(5 + 1);  // an image index past the list selects nothing
  EXPECT_EQ(cbex->ItemIndex(), -1);
  cbex->SetItemIndex(2 + 1);
  EXPECT_EQ(cbex->Text(), "2");
  EXPECT_EQ(cbex->ItemsEx(3).image_index, 3);
  cbex->SetText("free text");  // a list without free text keeps to its entries
  EXPECT_EQ(cbex->ItemIndex(), -1);
  EXPECT_EQ(cbex->Text(), "");
  cbex->ClearItems();
  EXPECT_EQ(cbex->Items().Count(), 0);
  EXPECT_THROW(cbex->ItemsEx(0), std::out_of_range);
}
