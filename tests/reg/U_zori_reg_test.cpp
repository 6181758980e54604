// The package as the IDE drives it: load, Register, the start-up timer's first tick that
// builds "&ZORI", menu clicks, and unload.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "core/U_zori_resource_editor.h"
#include "core/package_fixture.h"
#include "designer/U_zori_align.h"
#include "designer/U_zori_list_comp.h"
#include "designer/U_zori_ren_comps.h"
#include "designer/U_zori_sel_foco.h"
#include "designer/U_zori_taborder.h"
#include "editor/U_zori_codesnippets.h"
#include "ide/ToolsAPI.h"
#include "menus/U_zori_cust_menu.h"
#include "platform/actions.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/com_controls.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "platform/registry.h"
#include "reg/U_zori_reg.h"

namespace {

// The IDE as far as the package entry sees it: notifiers and a main menu whose top-level
// items are the given captions.
class FakeIde : public ide::IBorlandIDEServices,
                public ide::IOTAServices,
                public ide::INTAServices {
 public:
  explicit FakeIde(const std::vector<std::string>& top_level) {
    menu_ = std::make_unique<platform::TMainMenu>();
    for (const std::string& caption : top_level) {
      auto* item = platform::TComponent::Create<platform::TMenuItem>(*menu_);
      item->SetCaption(caption);
      menu_->Items()->Add(item);
    }
    // The File menu's save-all item runs the IDE's save-all command.
    save_all_ = platform::TComponent::Create<platform::TAction>(*menu_);
    save_all_->SetName("FileSaveAllCommand");
    save_all_->OnExecute = [this](platform::TObject*) { ++saves_; };
    auto* item = platform::TComponent::Create<platform::TMenuItem>(*menu_);
    item->SetName("FileSaveAllItem");
    item->SetCaption("Save Al&l");
    item->SetAction(save_all_);
    menu_->Items()->Items(0)->Add(item);
  }
  int AddNotifier(const std::shared_ptr<ide::IOTAIDENotifier>& notifier) override {
    notifiers_[next_] = notifier;
    return next_++;
  }
  void RemoveNotifier(int index) override { notifiers_.erase(index); }
  platform::TMainMenu* GetMainMenu() override { return menu_.get(); }

  std::vector<std::string> TopLevel() const {
    std::vector<std::string> out;
    for (int i = 0; i < menu_->Items()->Count(); ++i)
      out.push_back(menu_->Items()->Items(i)->Caption());
    return out;
  }
  std::map<int, std::shared_ptr<ide::IOTAIDENotifier>> notifiers_;
  int saves_ = 0;

 private:
  platform::TAction* save_all_ = nullptr;
  std::unique_ptr<platform::TMainMenu> menu_;
  int next_ = 0;
};

const std::vector<std::string> kDelphiMenu = {"&File",    "&Edit",   "&Search",    "&View",
                                              "&Project", "&Run",    "&Component", "&Database",
                                              "&Tools",   "&Window", "&Help"};

}  // namespace

// The shipped package directory, known to the IDE as where the add-in's package lies.
class PackageEntryTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    std::filesystem::copy(ZORI_SOURCE_DIR "/data", dir_,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    vg_Desc_Zori.clear();         // what Register sets
    v_Diretorio_Package.clear();  // the entry finds it in the registry
    auto clock = std::make_unique<platform::ManualClock>();
    clock_ = clock.get();
    platform::Application().SetClock(std::move(clock));
    Known().SetString(platform::HKEY_CURRENT_USER, kKnownPackagesKey,
                      (dir_ / "ZORIIDEx_1.bpl").string(), "ROVUVUVoravud 1.4");
  }
  void TearDown() override {
    PR_Finaliza_U_zori_reg();
    ide::BorlandIDEServices.reset();
    PackageFixture::TearDown();
  }

  // Loads the package into an IDE with the given menu bar and registers it.
  std::shared_ptr<FakeIde> LoadAndRegister(const std::vector<std::string>& menu = kDelphiMenu) {
    auto ide_services = std::make_shared<FakeIde>(menu);
    ide::BorlandIDEServices = ide_services;
    PR_Inicializa_U_zori_reg();
    Register();
    return ide_services;
  }
  static platform::RegistryStore& Known() { return platform::Application().Registry(); }
  void Tick(int64_t ms) {
    clock_->Advance(ms);
    platform::Application().ProcessMessages();
  }
  void SetConfig(const std::string& key, const std::string& value, tTipo_DadoConfig type) {
    FN_Seta_Valor_Config(key, value, type);
  }

  platform::ManualClock* clock_ = nullptr;
};

TEST_F(PackageEntryTest, FirstTickBuildsTheToolMenuThreePlacesBeforeTheEnd) {
  auto ide_services = LoadAndRegister();
  EXPECT_EQ(vg_Desc_Zori, "ROVUVUVoravud");
  EXPECT_EQ(v_Diretorio_Package, dir_.string());
  EXPECT_EQ(ide_services->notifiers_.size(), 1u);
  Tick(999);
  EXPECT_EQ(ide_services->TopLevel(), kDelphiMenu);

  Tick(1);
  std::vector<std::string> expected = kDelphiMenu;
  expected.insert(expected.end() - 3, "&ZORI");
  EXPECT_EQ(ide_services->TopLevel(), expected);
  ASSERT_TRUE(v_Inst_ZORIIDEx->FMenuBuilt);

  // The items, their captions and shortcuts are what `zori menu` prints, tested there.
  EXPECT_EQ(v_Inst_ZORIIDEx->FMenuZORIAbout->Hint(), "Sobre o ZORI");
  EXPECT_FALSE(v_Inst_ZORIIDEx->FMenuIDE->Bitmap().Empty());

  Tick(5000);  // the timer is gone: nothing is built twice
  EXPECT_EQ(ide_services->TopLevel(), expected);
}

TEST_F(PackageEntryTest, ShortcutsOnlyFromStoredKeysAndShortMenuBarsTakeZoriFirst) {
  // A store with one hot key only.
  std::filesystem::copy(ZORI_TEST_DATA_DIR "/config/ZORIIDEx_Config_New.xml", dir_,
                        std::filesystem::copy_options::overwrite_existing);
  auto ide_services = LoadAndRegister({"&File", "&Help"});
  Tick(1000);
  EXPECT_EQ(ide_services->TopLevel(), (std::vector<std::string>{"&ZORI", "&File", "&Help"}));
  EXPECT_EQ(v_Inst_ZORIIDEx->FMenuZORIComment->ShortCut(), 32833);
  for (platform::TMenuItem* item :
       {v_Inst_ZORIIDEx->FMenuZORICloseDataSets, v_Inst_ZORIIDEx->FMenuZORIRenameComps,
        v_Inst_ZORIIDEx->FMenuZORICodeSnippets, v_Inst_ZORIIDEx->FMenuZORITabOrder,
        v_Inst_ZORIIDEx->FMenuZORIAlign, v_Inst_ZORIIDEx->FMenuZORIPerfectLayout})
    EXPECT_EQ(item->ShortCut(), 0) << item->Name();
}

TEST_F(PackageEntryTest, HotKeyThatIsNoNumberLeavesOnlyThatItemWithoutShortcut) {
  v_Diretorio_Package = dir_.string();
  SetConfig("hk_code_snippet", "Ctrl+S", tTipo_DadoConfig::tpString);
  auto ide_services = LoadAndRegister();
  Tick(1000);
  ASSERT_TRUE(v_Inst_ZORIIDEx->FMenuBuilt);
  EXPECT_EQ(v_Inst_ZORIIDEx->FMenuZORICodeSnippets->ShortCut(), 0);
  // The items after it in the build keep their shortcuts.
  EXPECT_EQ(v_Inst_ZORIIDEx->FMenuZORIComment->ShortCut(), 0xC000 + 'C');
  EXPECT_EQ(ide_services->TopLevel().size(), kDelphiMenu.size() + 1);
}

TEST_F(PackageEntryTest, AutoLoadedPaletteTogglesWithTheAlignmentItem) {
  std::filesystem::copy(ZORI_TEST_DATA_DIR "/config/ZORIIDEx_Config_New.xml", dir_,
                        std::filesystem::copy_options::overwrite_existing);
  v_Diretorio_Package = dir_.string();
  SetConfig("chk_auto_load", FN_Boolean_Config(true), tTipo_DadoConfig::tpBoolean);
  LoadAndRegister();
  Tick(1000);

  auto picture = [](int index) {
    auto* holder = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
    platform::TBitmap bitmap;
    holder->il_Menu->GetBitmap(index, bitmap);
    holder->Free();
    return bitmap;
  };
  platform::TMenuItem& align = *v_Inst_ZORIIDEx->FMenuZORIAlign;
  ASSERT_NE(F_ZORI_Align, nullptr);
  TF_ZORI_Align* palette = F_ZORI_Align;
  EXPECT_TRUE(palette->Visible());
  EXPECT_EQ(align.Bitmap(), picture(8));
  EXPECT_NE(picture(7), picture(8));

  align.Click();
  EXPECT_FALSE(palette->Visible());
  EXPECT_EQ(align.Bitmap(), picture(7));
  align.Click();
  EXPECT_EQ(F_ZORI_Align, palette);
  EXPECT_TRUE(palette->Visible());

  // The close box hides the palette through the item, which shows the closed state; the
  // next click brings back the same palette with its toggles as they were.
  palette->tbtn_relative_parent->Click();
  palette->Close();
  EXPECT_FALSE(palette->Visible());
  EXPECT_EQ(align.Bitmap(), picture(7));
  align.Click();
  EXPECT_EQ(F_ZORI_Align, palette);
  EXPECT_TRUE(palette->Visible());
  EXPECT_EQ(palette->tbtn_relative_parent->ImageIndex(), 15);
}

TEST_F(PackageEntryTest, AutoSaveRunsTheIdesSaveAllOncePerPeriodAndNeverForPeriodZero) {
  v_Diretorio_Package = dir_.string();
  SetConfig("chk_salvar_Auto", FN_Boolean_Config(true), tTipo_DadoConfig::tpBoolean);
  SetConfig("spe_tempo", "5", tTipo_DadoConfig::tpInteger);
  auto ide_services = LoadAndRegister();
  Tick(1000);
  Tick(5 * 60000 - 1);
  EXPECT_EQ(ide_services->saves_, 0);
  Tick(1);
  EXPECT_EQ(ide_services->saves_, 1);

  // The settings dialog's OK takes a new period at once; zero never saves.
  auto period = [this](int minutes) {
    driver_->Expect("F_ZORI_Config", [minutes](platform::TCustomForm& form) {
      static_cast<platform::TSpinEdit*>(form.FindComponent("spe_tempo"))->SetValue(minutes);
      static_cast<platform::TControl*>(form.FindComponent("bbtn_Ok"))->Click();
    });
    v_Inst_ZORIIDEx->FMenuZORIConfig->Click();
  };
  period(0);
  Tick(24 * 60 * 60000);
  EXPECT_EQ(ide_services->saves_, 1);
  period(2);
  Tick(2 * 60000);
  EXPECT_EQ(ide_services->saves_, 2);
  PR_Finaliza_U_zori_reg();
  Tick(5 * 60000);
  EXPECT_EQ(ide_services->saves_, 2);
}

TEST_F(PackageEntryTest, ProjectLoadAppliesTheLayoutOnlyBeforeTheMenuIsBuilt) {
  v_Diretorio_Package = dir_.string();
  SetConfig("chk_auto_layout", FN_Boolean_Config(true), tTipo_DadoConfig::tpBoolean);
  WriteTable("ZORIIDEx_LP.xml",
             {"NM_FORMULARIO:string:60", "NR_TOP:i4", "NR_LEFT:i4", "NR_HEIGHT:i4", "NR_WIDTH:i4"},
             {{"ObjectInspector", "40", "30", "400", "200"}});
  platform::TForm inspector;
  inspector.SetName("ObjectInspector");
  platform::TComponent::Create<platform::TPanel>(inspector);
  inspector.SetBounds(0, 0, 100, 100);
  inspector.SetVisible(true);
  auto ide_services = LoadAndRegister();
  auto notify = [&ide_services] {
    bool cancel = false;
    for (auto& [index, notifier] : ide_services->notifiers_)
      notifier->FileNotification(ide::ofnProjectDesktopLoad, "Sales.dsk", cancel);
    EXPECT_FALSE(cancel);
  };
  notify();  // during start-up: applied without a window
  EXPECT_EQ(inspector.Left(), 30);
  EXPECT_EQ(inspector.Height(), 400);
  EXPECT_TRUE(driver_->Shown().empty());

  Tick(1000);  // the menu build applies it once more
  inspector.SetLeft(500);
  notify();  // a later project load leaves the windows alone
  EXPECT_EQ(inspector.Left(), 500);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PackageEntryTest, FormToolsOpenFromTheMenuAndTheCloserRunsUnattendedWithoutSender) {
  LoadAndRegister();
  Tick(1000);
  v_Inst_ZORIIDEx->FMenuZORICloseDataSets->Click();
  v_Inst_ZORIIDEx->FMenuZORIRenameComps->Click();
  EXPECT_EQ(driver_->Shown(), (std::vector<std::string>{"F_ZORI_Sel_Foco", "F_ZORI_Ren_Comps"}));
  v_Inst_ZORIIDEx->PR_OnClick_Close_DataSets(nullptr);  // before a compile: never modal
  EXPECT_EQ(driver_->Shown().size(), 2u);
  EXPECT_EQ(F_ZORI_Sel_Foco, nullptr);
  EXPECT_EQ(F_ZORI_Ren_Comps, nullptr);

  // The tab order validator opens too, and with no form open says so (tested with it).
  v_Inst_ZORIIDEx->FMenuZORITabOrder->Click();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("Nenhum formul"), std::string::npos);
  EXPECT_EQ(F_ZORI_TabOrder, nullptr);  // freed after the show, as every tool window
}

TEST_F(PackageEntryTest, ListerBrowserEditorAndSnippetsOpenModallyAndAreFreed) {
  LoadAndRegister();
  Tick(1000);
  driver_->ExpectResult("F_ZORI_CodeSnippets", platform::mrCancel);
  v_Inst_ZORIIDEx->FMenuListaCompsForm->Click();
  v_Inst_ZORIIDEx->FMenuZORICust_Menu->Click();
  v_Inst_ZORIIDEx->FMenuZORIResourceString->Click();
  v_Inst_ZORIIDEx->FMenuZORICodeSnippets->Click();
  EXPECT_EQ(driver_->Shown(),
            (std::vector<std::string>{"F_ZORI_List_Comp", "F_ZORI_Cust_Menu",
                                      "F_ZORI_Resource_Editor", "F_ZORI_CodeSnippets"}));
  EXPECT_EQ(F_ZORI_CodeSnippets, nullptr);
  EXPECT_EQ(F_ZORI_List_Comp, nullptr);
  EXPECT_EQ(F_ZORI_Cust_Menu, nullptr);
  EXPECT_EQ(F_ZORI_Resource_Editor, nullptr);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PackageEntryTest, UnloadTakesTheMenuAwayOrLeavesItAloneBeforeTheFirstTick) {
  auto ide_services = LoadAndRegister();
  PR_Finaliza_U_zori_reg();
  EXPECT_TRUE(ide_services->notifiers_.empty());
  EXPECT_EQ(v_Inst_ZORIIDEx, nullptr);
  EXPECT_EQ(v_Diretorio_Package, "");
  Tick(2000);
  EXPECT_EQ(ide_services->TopLevel(), kDelphiMenu);

  ide_services = LoadAndRegister();
  Tick(1000);
  ASSERT_EQ(ide_services->TopLevel().size(), kDelphiMenu.size() + 1);
  PR_Finaliza_U_zori_reg();
  EXPECT_EQ(ide_services->TopLevel(), kDelphiMenu);
  EXPECT_TRUE(ide_services->notifiers_.empty());
}

TEST_F(PackageEntryTest, HolderLeftByAFailedBuildGoesAtUnload) {
  // An IDE that has lost its main menu by the first tick: the build fails its assertion
  // after making the catalogue holder.
  class NoMenu : public ide::IBorlandIDEServices, public ide::IOTAServices {
   public:
    int AddNotifier(const std::shared_ptr<ide::IOTAIDENotifier>&) override { return 0; }
    void RemoveNotifier(int) override {}
  };
  LoadAndRegister();
  ide::BorlandIDEServices = std::make_shared<NoMenu>();
  EXPECT_THROW(Tick(1000), platform::EAssertionFailed);
  EXPECT_NE(F_ZORI_Resource, nullptr);
  PR_Finaliza_U_zori_reg();
  EXPECT_EQ(F_ZORI_Resource, nullptr);
  // A second load in the same process builds its own.
  auto again = LoadAndRegister();
  Tick(1000);
  EXPECT_EQ(again->TopLevel().size(), kDelphiMenu.size() + 1);
  EXPECT_EQ(F_ZORI_Resource, nullptr);
}

TEST_F(PackageEntryTest, PackageDirectoryIsTheLastKnownPackageEndingInTheName) {
  Known().DeleteKey(platform::HKEY_CURRENT_USER, kKnownPackagesKey);
  for (const char* name : {"/opt/a/ZORIIDEx_1.bpl", "/opt/b/dclstd60.bpl",
                           "/opt/c/MEUzoriidex_1.BPL", "/opt/d/ZORIIDEx_1.bpl.old"})
    Known().SetString(platform::HKEY_CURRENT_USER, kKnownPackagesKey, name, "");
  EXPECT_EQ(FN_Diretorio_Package("ZORIIDEx_1.bpl"), "/opt/c/MEUzoriidex_1.BPL");
  PR_Inicializa_U_zori_reg();
  EXPECT_EQ(v_Diretorio_Package, "/opt/c");

  Known().DeleteKey(platform::HKEY_CURRENT_USER, kKnownPackagesKey);
  PR_Finaliza_U_zori_reg();
  PR_Inicializa_U_zori_reg();
  EXPECT_EQ(v_Diretorio_Package, "");
}

TEST_F(PackageEntryTest, RegisterWithoutIdeServicesFailsItsAssertion) {
  PR_Inicializa_U_zori_reg();
  try {
    Register();
    FAIL() << "Register must fail without IOTAServices";
  } catch (const platform::EAssertionFailed& e) {
    EXPECT_EQ(std::string(e.what()), "IOTAServices not available (U_ZORI_Reg, line 86)");
  }
}
