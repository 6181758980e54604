// The IDE menu browser over an IDE main menu the test lays out: the tree, the pictures,
// the properties of a node, the search, and a menu that stays as it was.
#include <gtest/gtest.h>

#include "core/U_zori_resource.h"
#include "core/package_fixture.h"
#include "ide/ToolsAPI.h"
#include "menus/U_zori_cust_menu.h"
#include "platform/actions.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/com_controls.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

namespace {

class FakeIde : public ide::IBorlandIDEServices, public ide::INTAServices {
 public:
  platform::TMainMenu* GetMainMenu() override { return menu; }
  std::unique_ptr<platform::TComponent> owner =
      std::make_unique<platform::TComponent>(platform::BuiltinClasses().Find("TComponent"));
  platform::TMainMenu* menu = platform::TComponent::Create<platform::TMainMenu>(*owner);

  platform::TMenuItem* Add(platform::TMenuItem* parent, const std::string& name,
                           const std::string& caption, int image = -1) {
    auto* item = platform::TComponent::Create<platform::TMenuItem>(*owner);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetImageIndex(image);
    (parent != nullptr ? parent : menu->Items())->Add(item);
    return item;
  }
};

}  // namespace

class CustMenuTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    WriteConfig({});
    WriteCatalogue("ZORIIDEx_msg.xml",
                   {{"F_ZORI_Cust_Menu", "msg_no_params.caption", "Marque Caption"}});
    ide_ = std::make_shared<FakeIde>();
    auto* images = platform::TComponent::Create<platform::TImageList>(*ide_->owner);
    images->SetName("MenuImages");
    for (int i = 0; i < 8; ++i) images->Add(platform::TBitmap(16, 16, 0xFF000000u + i));
    ide_->menu->SetImages(images);
    file_ = ide_->Add(nullptr, "FileMenu", "&File");
    ide_->Add(file_, "FileSaveItem", "&Save", 5);
    platform::TMenuItem* line = ide_->Add(file_, "FileN1", "-");
    ide_->Add(line, "HiddenItem", "Hidden", 1);
    save_all_ = ide_->Add(file_, "FileSaveAllItem", "Save A&ll", 4);
    save_all_->SetShortCut(platform::TextToShortCut("Shift+Ctrl+S"));
    save_all_->SetHint("Save all");
    auto* action = platform::TComponent::Create<platform::TAction>(*ide_->owner);
    action->SetName("FileSaveAllCommand");
    save_all_->SetAction(action);
    platform::TMenuItem* edit = ide_->Add(nullptr, "EditMenu", "&Edit");
    ide_->Add(edit, "EditSaveItem", "&Save", 2);
    ide::BorlandIDEServices = ide_;
    LoadCatalogue();
  }
  void TearDown() override {
    ide::BorlandIDEServices.reset();
    PackageFixture::TearDown();
  }
  // Opens the browser, lets the test work it, and closes it with OK.
  void Browse(const std::function<void(TF_ZORI_Cust_Menu&)>& work) {
    driver_->Expect("F_ZORI_Cust_Menu", [&work](platform::TCustomForm& form) {
      work(dynamic_cast<TF_ZORI_Cust_Menu&>(form));
      dynamic_cast<TF_ZORI_Cust_Menu&>(form).bbtn_Ok->Click();
    });
    F_ZORI_Cust_Menu = platform::TComponent::Create<TF_ZORI_Cust_Menu>(platform::Application());
    F_ZORI_Cust_Menu->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_Cust_Menu);
  }
  static std::vector<std::string> Tree(const TF_ZORI_Cust_Menu& window) {
    std::vector<std::string> out;
    for (platform::TTreeNode* n = window.tv_menus->Items().GetFirstNode(); n; n = n->GetNext())
      out.push_back(std::string(2 * n->Level(), ' ') + n->Text() + " " +
                    std::to_string(n->ImageIndex()));
    return out;
  }

  std::shared_ptr<FakeIde> ide_;
  platform::TMenuItem* file_ = nullptr;
  platform::TMenuItem* save_all_ = nullptr;
};

TEST_F(CustMenuTest, TreeInMenuOrderWithoutSeparatorsAndPicturesOneUp) {
  Browse([](TF_ZORI_Cust_Menu& w) {
    EXPECT_EQ(Tree(w), (std::vector<std::string>{"&File 0", "  &Save 6", "  Save A&ll 5", "&Edit 0",
                                                 "  &Save 3"}));
    EXPECT_EQ(w.il_imagens->Count(), 9);  // its own picture, then the menu's eight
    EXPECT_EQ(w.cbex_imageindex->ItemsEx(0).caption, "-1");
    EXPECT_EQ(w.cbex_imageindex->ItemsEx(6).caption, "5");
    std::string err;
    EXPECT_TRUE(w.tv_menus->Items().CheckTree(&err)) << err;
  });
}

TEST_F(CustMenuTest, SelectedNodeShowsItsItemFoundByCaptionPath) {
  Browse([](TF_ZORI_Cust_Menu& w) {
    platform::TTreeNode* save_all = w.tv_menus->Items().GetFirstNode()->Item(1);
    w.tv_menus->SetSelected(save_all);
    EXPECT_EQ(w.edt_caption->Text(), "Save A&ll");
    EXPECT_EQ(w.edt_name->Text(), "FileSaveAllItem");
    EXPECT_EQ(w.edt_Action_Name->Text(), "FileSaveAllCommand");
    EXPECT_EQ(platform::ShortCutToText(w.hk_shortcut->HotKey()), "Shift+Ctrl+S");
    EXPECT_EQ(w.cbex_imageindex->ItemsEx(w.cbex_imageindex->ItemIndex()).caption, "4");
    EXPECT_EQ(w.edt_hint->Text(), "Save all");
    // The path is looked up without markers and letter case: a renamed node still finds it.
    save_all->SetText("SAVE ALL");
    w.tv_menus->SetSelected(nullptr);
    w.tv_menus->SetSelected(save_all);
    EXPECT_EQ(w.edt_name->Text(), "FileSaveAllItem");
    save_all->SetText("Nowhere");
    w.tv_menus->SetSelected(nullptr);
    w.tv_menus->SetSelected(save_all);
    EXPECT_EQ(w.edt_name->Text(), "");
    EXPECT_EQ(w.cbex_imageindex->ItemIndex(), -1);
  });
}

TEST_F(CustMenuTest, SearchTakesTheExactCaptionAndTheCaptionOption) {
  Browse([](TF_ZORI_Cust_Menu& w) {
    w.edt_Caption_Find->SetText("Save");
    EXPECT_TRUE(w.chk_caption->Checked());
    w.bbtn_pesq->Click();
    EXPECT_EQ(w.tv_menus->Selected(), nullptr);  // the marker must be typed
    w.edt_Caption_Find->SetText("&Save");
    w.bbtn_pesq->Click();
    ASSERT_NE(w.tv_menus->Selected(), nullptr);
    EXPECT_EQ(w.edt_name->Text(), "FileSaveItem");  // the first in tree order
    EXPECT_TRUE(w.tv_menus->Items().GetFirstNode()->Expanded());
    w.edt_Caption_Find->SetText("");
    EXPECT_FALSE(w.chk_caption->Checked());
    w.edt_Caption_Find->SetText("Save A&ll");
    w.chk_caption->Click();  // unticked: the text goes
    EXPECT_EQ(w.edt_Caption_Find->Text(), "");
    w.bbtn_pesq->Click();
  });
  EXPECT_EQ(platform::Application().BeepCount(), 1);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ROVUVUVoravud|Marque Caption"}));
}

TEST_F(CustMenuTest, EditsInTheWindowNeverReachTheMenu) {
  Browse([](TF_ZORI_Cust_Menu& w) {
    w.tv_menus->SetSelected(w.tv_menus->Items().GetFirstNode()->Item(1));
    w.hk_shortcut->SetHotKey(platform::TextToShortCut("Ctrl+Q"));
    w.edt_caption->SetText("Changed");
    w.cbex_imageindex->SetItemIndex(1);
  });
  EXPECT_EQ(platform::ShortCutToText(save_all_->ShortCut()), "Shift+Ctrl+S");
  EXPECT_EQ(save_all_->Caption(), "Save A&ll");
  EXPECT_EQ(save_all_->ImageIndex(), 4);
}
