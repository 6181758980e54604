#include "platform/menus.h"

#include <gtest/gtest.h>

#include "platform/forms.h"

using namespace platform;

namespace {

// An IDE-like main menu on a form: File (New, -, Save All bound to an action), Edit, Help.
struct IdeMenu {
  TForm form;
  TMainMenu* menu = TComponent::Create<TMainMenu>(form);
  TAction* save_all_action = TComponent::Create<TAction>(form);
  TMenuItem* file = Item("FileMenu", "&File", menu->Items());
  TMenuItem* file_new = Item("FileNewItem", "&New", file);
  TMenuItem* file_line = Item("N1", "-", file);
  TMenuItem* save_all = Item("FileSaveAllItem", "Save A&ll", file);
  TMenuItem* edit = Item("EditMenu", "&Edit", menu->Items());
  TMenuItem* help = Item("HelpMenu", "&Help", menu->Items());

  IdeMenu() {
    menu->SetName("MainMenu1");
    save_all_action->SetName("FileSaveAllCommand");
    save_all->SetAction(save_all_action);
  }
  TMenuItem* Item(const char* name, const char* caption, TMenuItem* parent) {
    auto* item = TComponent::Create<TMenuItem>(form);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  void Check() {
    std::string err;
    EXPECT_TRUE(menu->Items()->CheckMenu(&err)) << err;
    EXPECT_TRUE(form.CheckTree(&err)) << err;
  }
};

std::vector<std::string> Captions(const TMenuItem& parent) {
  std::vector<std::string> captions;
  for (int i = 0; i < parent.Count(); ++i) captions.push_back(parent[i]->Caption());
  return captions;
}

}  // namespace

TEST(MenusTest, InsertingAtAnIndexShiftsTheLaterItems) {
  IdeMenu ide;
  TMenuItem* tools = TComponent::Create<TMenuItem>(ide.form);
  tools->SetCaption("&ZORI");
  // Three places before the end, as a tool menu that keeps the last menus to its right.
  ide.menu->Items()->Insert(ide.menu->Items()->Count() - 2, tools);
  EXPECT_EQ(Captions(*ide.menu->Items()),
            (std::vector<std::string>{"&File", "&ZORI", "&Edit", "&Help"}));
  EXPECT_EQ(tools->Parent(), ide.menu->Items());
  EXPECT_EQ(tools->MenuIndex(), 1);

  EXPECT_THROW(ide.menu->Items()->Insert(0, tools), EMenuError);  // inserted twice
  ide.menu->Items()->Remove(tools);
  EXPECT_EQ(tools->Parent(), nullptr);
  EXPECT_THROW(ide.menu->Items()->Insert(9, tools), EMenuError);
  EXPECT_THROW(ide.menu->Items()->Remove(tools), EMenuError);
  EXPECT_THROW(tools->Add(tools), EMenuError);
  ide.menu->Items()->Insert(3, tools);
  EXPECT_EQ(Captions(*ide.menu->Items()).back(), "&ZORI");
  ide.Check();
}

TEST(MenusTest, FindByCaptionIgnoresAcceleratorsAndLetterCase) {
  IdeMenu ide;
  EXPECT_EQ(ide.menu->Items()->Find("file"), ide.file);
  EXPECT_EQ(ide.menu->Items()->Find("&File"), ide.file);
  EXPECT_EQ(ide.file->Find("SAVE ALL"), ide.save_all);
  EXPECT_EQ(ide.file->Find("Save"), nullptr);
  EXPECT_TRUE(ide.file_line->IsLine());
  EXPECT_FALSE(ide.file_new->IsLine());
  EXPECT_EQ(StripHotkey("Fish && &Chips"), "Fish & Chips");
}

TEST(MenusTest, ShortcutTextsRoundTrip) {
  EXPECT_EQ(ShortCutToText(32833), "Alt+A");
  EXPECT_EQ(ShortCutToText(scCtrl | scShift | 0x78), "Shift+Ctrl+F9");
  EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(0x2E), "Del");
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(TextToShortCut("Alt+A"), 32833);
  EXPECT_EQ(TextToShortCut("ctrl+shift+f9"), scCtrl | scShift | 0x78);
  EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), 0);
  for (TShortCut code : {TShortCut(scAlt | 'Z'), TShortCut(scCtrl | 0x0D), TShortCut(0x70),
                         TShortCut(scShift | scAlt | 0x26), TShortCut(scCtrl | 0x35)}) {
    EXPECT_EQ(TextToShortCut(ShortCutToText(code)), code) << ShortCutToText(code);
  }
  IdeMenu ide;
  ide.save_all->SetShortCut(TextToShortCut("Shift+Ctrl+S"));
  EXPECT_EQ(ide.save_all->GetPropValue("ShortCut").AsInteger(), scShift | scCtrl | 'S');
  EXPECT_EQ(ide.menu->FindItemByShortCut(scShift | scCtrl | 'S'), ide.save_all);
}

TEST(MenusTest, ClickRunsTheHandlerOrElseTheAction) {
  IdeMenu ide;
  int saves = 0;
  int news = 0;
  ide.save_all_action->OnExecute = [&](TObject*) { ++saves; };
  ide.file_new->OnClick = [&](TObject*) { ++news; };
  ide.save_all->Click();
  ide.file_new->Click();
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(news, 1);
  EXPECT_EQ(ide.save_all->Action(), ide.save_all_action);
  ide.save_all->SetEnabled(false);
  ide.save_all->Click();
  EXPECT_EQ(saves, 1);
  ide.save_all_action->Free();  // the reference is by name: a freed action is just gone
  EXPECT_EQ(ide.save_all->Action(), nullptr);
}

TEST(MenusTest, FreeingAnItemTakesItOutOfItsParentAndDetachesItsSubItems) {
  IdeMenu ide;
  // The tool-menu pattern: each item owned by its parent item.
  TMenuItem* root = TComponent::Create<TMenuItem>(ide.form);
  root->SetName("FMenuZORI");
  TMenuItem* sub = TComponent::Create<TMenuItem>(*root);
  sub->SetName("FMenuIDE");
  TMenuItem* leaf = TComponent::Create<TMenuItem>(*sub);
  leaf->SetName("FMenuZORICust_Menu");
  root->Add(sub);
  sub->Add(leaf);
  ide.menu->Items()->Insert(1, root);
  TMenuItem* foreign = ide.Item("Foreign", "x", sub);  // owned by the form
  sub->Free();
  EXPECT_EQ(root->Count(), 0);
  EXPECT_EQ(foreign->Parent(), nullptr);
  EXPECT_EQ(ide.form.FindComponent("Foreign"), foreign);
  root->Free();
  EXPECT_EQ(Captions(*ide.menu->Items()), (std::vector<std::string>{"&File", "&Edit", "&Help"}));
  ide.Check();
}

TEST(MenusTest, PopupMenusAndCheckItemsReactToClicks) {
  TForm form;
  auto* pm = TComponent::Create<TPopupMenu>(form);
  auto* stay = TComponent::Create<TMenuItem>(form);
  stay->SetName("mi_StayOnTop");
  stay->SetCaption("Stay on Top");
  pm->Items()->Add(stay);
  int popups = 0;
  pm->OnPopup = [&](TObject*) { ++popups; };
  pm->Popup(10, 10);
  EXPECT_EQ(popups, 1);
  // The palette's item toggles its own check mark in its handler.
  stay->OnClick = [&](TObject*) { stay->SetChecked(!stay->Checked()); };
  stay->Click();
  EXPECT_TRUE(stay->Checked());
  stay->OnClick = nullptr;
  stay->SetPropValue("AutoCheck", true);
  stay->Click();
  EXPECT_FALSE(stay->Checked());
  EXPECT_EQ(pm->Items()->Find("stay ON top"), stay);
  EXPECT_THROW(pm->Items()->Items(1), EMenuError);
  std::string err;
  EXPECT_TRUE(pm->Items()->CheckMenu(&err)) << err;
}
