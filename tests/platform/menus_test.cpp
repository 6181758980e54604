// Menus built, searched and clicked are checked through the tool menu and the menu browser
// (PackageEntryTest, MenuCommandTest, ToolWindowCommandsTest, CustMenuTest); here, the key
// names a user types for a shortcut.
#include "platform/menus.h"

#include <gtest/gtest.h>

#include "platform/forms.h"

using namespace platform;

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
  EXPECT_EQ(StripHotkey("Fish && &Chips"), "Fish & Chips");
  TForm form;
  auto* menu = TComponent::Create<TMainMenu>(form);
  auto* save_all = TComponent::Create<TMenuItem>(form);
  menu->Items()->Add(save_all);
  save_all->SetShortCut(TextToShortCut("Shift+Ctrl+S"));
  EXPECT_EQ(save_all->GetPropValue("ShortCut").AsInteger(), scShift | scCtrl | 'S');
  EXPECT_EQ(menu->FindItemByShortCut(scShift | scCtrl | 'S'), save_all);
}
