// The layout profile over the IDE's windows on the screen: saving, then applying after
// the windows moved, with the table file in between.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/package_fixture.h"
#include "designer/U_zori_perf_layout.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/std_controls.h"

using platform::TComponent;

class LayoutProfileTest : public PackageFixture {
 protected:
  // An IDE window with one control (a window owning nothing is not saved).
  platform::TForm* Window(const std::string& name, int32_t left, int32_t top) {
    auto form = std::make_unique<platform::TForm>();
    form->SetName(name);
    TComponent::Create<platform::TPanel>(*form);
    form->SetBounds(left, top, 300, 200);
    form->SetVisible(true);
    windows_.push_back(std::move(form));
    return windows_.back().get();
  }
  // The window made, its option picked and OK pressed, freed as the menu frees it.
  void Run(bool save) {
    F_ZORI_Perf_Layout = TComponent::Create<TF_ZORI_Perf_Layout>(platform::Application());
    if (save) F_ZORI_Perf_Layout->rb_salva_layout->SetChecked(true);
    F_ZORI_Perf_Layout->SetVisible(true);  // shown, yet never saved nor moved
    F_ZORI_Perf_Layout->bbtn_Ok->Click();
    platform::FN_Destroi_Objeto(F_ZORI_Perf_Layout);
  }
  void WriteRows(const std::vector<std::vector<std::string>>& rows) {
    WriteTable(
        "ZORIIDEx_LP.xml",
        {"NM_FORMULARIO:string:60", "NR_TOP:i4", "NR_LEFT:i4", "NR_HEIGHT:i4", "NR_WIDTH:i4"},
        rows);
  }
  void TearDown() override {
    windows_.clear();
    PackageFixture::TearDown();
  }
  std::vector<std::unique_ptr<platform::TForm>> windows_;
};

TEST_F(LayoutProfileTest, SavedPlacesComeBackAndHiddenWindowsAreDropped) {
  platform::TForm* inspector = Window("PropertyInspector", 0, 100);
  platform::TForm* editor = Window("EditWindow_0", 200, 100);
  platform::TForm* explorer = Window("ProjectManager", 600, 300);
  platform::TForm* designed = Window("frm_Cliente", 50, 50);
  designed->SetHasDesigner(true);

  // No file yet: the first save makes it; saving twice keeps one row per window.
  Run(true);
  Run(true);
  const std::string saved = ReadFile("ZORIIDEx_LP.xml");
  EXPECT_NE(saved.find("NM_FORMULARIO=\"EditWindow_0\""), std::string::npos) << saved;
  EXPECT_EQ(saved.find("frm_Cliente"), std::string::npos);
  EXPECT_EQ(saved.find("F_ZORI_Perf_Layout"), std::string::npos);
  EXPECT_EQ(saved.find("PropertyInspector"), saved.rfind("PropertyInspector"));

  explorer->SetVisible(false);
  Run(true);  // hidden at saving time: dropped from the profile
  inspector->SetBounds(10, 10, 50, 50);
  editor->SetBounds(10, 10, 50, 50);
  editor->SetWindowState("wsMaximized");
  explorer->SetBounds(10, 10, 50, 50);
  designed->SetBounds(1, 1, 20, 20);
  Run(false);
  EXPECT_EQ(inspector->Left(), 0);
  EXPECT_EQ(inspector->Top(), 100);
  EXPECT_EQ(editor->Left(), 200);
  EXPECT_EQ(editor->Width(), 300);
  EXPECT_EQ(editor->WindowState(), "wsNormal");
  EXPECT_EQ(explorer->Left(), 10);
  EXPECT_FALSE(explorer->Visible());
  EXPECT_EQ(designed->Left(), 1);
}

TEST_F(LayoutProfileTest, ApplyMatchesNamesExactlyLastRowWinsAndSkipsEmptySizes) {
  platform::TForm* editor = Window("EditWindow_0", 5, 5);
  platform::TForm* messages = Window("MessageView", 5, 5);
  platform::TForm* watches = Window("WatchWindow", 5, 5);

  Run(false);  // no layout file: nothing moves, nothing is reported
  EXPECT_EQ(editor->Left(), 5);
  EXPECT_TRUE(platform::Application().MessageLog().empty());
  EXPECT_FALSE(std::filesystem::exists(Path("ZORIIDEx_LP.xml")));

  WriteRows({{"EditWindow_0", "10", "20", "300", "400"},
             {"messageview", "30", "40", "100", "200"},
             {"EditWindow_0", "50", "60", "310", "410"},
             {"WatchWindow", "70", "80", "0", "200"},
             {"MessageView", "90", "100", "120", "-1"}});
  Run(false);
  EXPECT_EQ(editor->Top(), 50);
  EXPECT_EQ(editor->Left(), 60);
  EXPECT_EQ(editor->Height(), 310);
  EXPECT_EQ(editor->Width(), 410);
  EXPECT_EQ(messages->Left(), 5);
  EXPECT_EQ(watches->Left(), 5);
}
