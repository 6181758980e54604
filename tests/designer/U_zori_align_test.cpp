// The alignment palette and the manual adjustment window on a designed form: buttons
// pressed as the user presses them, results read back through the designer.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/U_zori_func.h"
#include "core/package_fixture.h"
#include "designer/U_zori_align.h"
#include "designer/U_zori_manual_adj.h"
#include "ide/disk_module.h"
#include "ide/host_fixture.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"

using platform::TComponent;

class AlignPaletteTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    WriteConfig({});
    host_ = std::make_unique<ide::testing::HostFixture>("Alinha");
    ASSERT_TRUE(host_->Load({"proj/uAlinha.pas"}));
    form_ = ide::Supports<ide::IOTAFormEditor>(host_->host->Module(0)->GetModuleFileEditor(1));
    F_ZORI_Align = TComponent::Create<TF_ZORI_Align>(platform::Application());
    p_ = F_ZORI_Align;
  }
  void TearDown() override {
    platform::FN_Destroi_Objeto(F_ZORI_Align);
    form_.reset();
    host_.reset();
    PackageFixture::TearDown();
  }

  int32_t Get(const std::string& name, const std::string& prop) {
    ide::TPropBuffer value = int32_t{0};
    EXPECT_TRUE(form_->FindComponent(name)->GetPropValueByName(prop, value)) << name;
    return std::get<int32_t>(value);
  }
  void Set(const std::string& name, const std::string& prop, int32_t value) {
    form_->FindComponent(name)->SetPropByName(prop, value);
  }
  // Selects the components in this order, the first being the reference.
  void Select(std::initializer_list<const char*> names) {
    bool add = false;
    for (const char* name : names) {
      form_->FindComponent(name)->Select(add);
      add = true;
    }
  }
  std::vector<int32_t> Lefts() {
    return {Get("edt_X", "Left"), Get("edt_Y", "Left"), Get("edt_Z", "Left")};
  }
  void Lefts(int32_t x, int32_t y, int32_t z) {
    Set("edt_X", "Left", x);
    Set("edt_Y", "Left", y);
    Set("edt_Z", "Left", z);
  }

  std::unique_ptr<ide::testing::HostFixture> host_;
  std::shared_ptr<ide::IOTAFormEditor> form_;
  TF_ZORI_Align* p_ = nullptr;
};

using V = std::vector<int32_t>;

TEST_F(AlignPaletteTest, EqualisingFollowsTheFirstSelectedUnlessTheParentToggleIsOn) {
  Set("edt_Y", "Left", 40);
  Select({"edt_Y", "edt_X", "edt_Z"});
  p_->tbtn_align_left->Click();
  EXPECT_EQ(Lefts(), (V{40, 40, 40}));
  EXPECT_TRUE(form_->GetModified());

  Select({"edt_X", "edt_Y"});
  p_->tbtn_relative_parent->Click();
  EXPECT_EQ(p_->tbtn_relative_parent->ImageIndex(), 15);
  for (auto* b : {p_->tbtn_equal_width, p_->tbtn_align_top, p_->tbtn_equal_height}) b->Click();
  EXPECT_EQ(Get("edt_Y", "Width"), 30);
  EXPECT_EQ(Get("edt_Y", "Top"), 40);
  p_->tbtn_relative_parent->Click();
  EXPECT_EQ(p_->tbtn_relative_parent->ImageIndex(), 14);
  p_->tbtn_equal_width->Click();
  EXPECT_EQ(Get("edt_Y", "Width"), 50);
}

TEST_F(AlignPaletteTest, CentringOnTheReferenceRoundsHalvesToTheEvenNeighbour) {
  Set("edt_X", "Width", 75);
  Set("edt_Y", "Width", 25);
  Set("edt_Z", "Width", 30);
  Select({"edt_X", "edt_Y", "edt_Z"});
  p_->tbtn_align_h_center->Click();
  EXPECT_EQ(Lefts(), (V{10, 36, 33}));  // centre 47.5 is 48; 35.5 is 36

  // Centre line 8 + 10.5 gives 18; a height of 25 lands at 5.5, which is 6.
  Set("edt_Z", "Height", 25);
  p_->tbtn_align_v_center->Click();
  EXPECT_EQ(Get("edt_Y", "Top"), 8);
  EXPECT_EQ(Get("edt_Z", "Top"), 6);

  Select({"edt_Z"});  // alone it has nothing to follow
  p_->tbtn_align_h_center->Click();
  p_->tbtn_align_right->Click();
  p_->tbtn_align_left->Click();
  EXPECT_EQ(Get("edt_Z", "Left"), 33);
}

TEST_F(AlignPaletteTest, CentringInTheFormMovesTheGroupByOneAmount) {
  // The form stores Width 408 only: its client area is 400 wide and 273 high.
  Select({"edt_X", "edt_Y"});
  p_->tbtn_align_h_window->Click();
  EXPECT_EQ(Get("edt_X", "Left"), 140);
  EXPECT_EQ(Get("edt_Y", "Left"), 230);
  p_->tbtn_align_h_window->Click();  // a centred group stays
  EXPECT_EQ(Get("edt_X", "Left"), 140);

  // The extent ends at the far edge of the component furthest along, not the widest.
  Set("edt_X", "Left", 0);
  Set("edt_X", "Width", 300);
  Set("edt_Y", "Left", 20);
  Set("edt_Y", "Width", 10);
  p_->tbtn_align_h_window->Click();
  EXPECT_EQ(Get("edt_X", "Left"), 185);
  EXPECT_EQ(Get("edt_Y", "Left"), 205);

  Select({"edt_Z"});
  p_->tbtn_align_h_window->Click();
  EXPECT_EQ(Get("edt_Z", "Left"), 180);
  Select({"btn_Ok"});  // half of 273 is 136; half of 25 is 12
  p_->tbtn_align_v_window->Click();
  EXPECT_EQ(Get("btn_Ok", "Top"), 124);
}

TEST_F(AlignPaletteTest, EqualSpacingLaysTheOthersInSelectionOrder) {
  Select({"edt_X", "edt_Z", "edt_Y"});
  p_->tbtn_align_h_space->Click();
  EXPECT_EQ(Lefts(), (V{10, 115, 200}));  // first and last stay, gaps of 55

  Lefts(10, 100, 200);
  p_->PR_Ajusta_Espacamento(TTipo_Align::taAjust_H_Comps, 8);
  EXPECT_EQ(Lefts(), (V{10, 116, 68}));  // the rightmost ends in the middle

  Lefts(10, 100, 200);
  Select({"edt_X", "edt_Z"});
  p_->tbtn_align_h_space->Click();
  EXPECT_EQ(Lefts(), (V{10, 100, 200}));  // two components are both at an end

  Lefts(10, 10, 200);
  Select({"edt_Z", "edt_X", "edt_Y"});
  p_->PR_Ajusta_Espacamento(TTipo_Align::taAjust_H_Comps, 8);
  EXPECT_EQ(Lefts(), (V{10, 10, 68}));  // both at the smallest position stay

  Select({"edt_Z", "edt_X", "edt_Y"});  // tops 72, 8, 40 become 8, 40, 72
  Set("edt_Y", "Top", 60);
  p_->tbtn_align_v_space->Click();
  EXPECT_EQ(Get("edt_Y", "Top"), 40);
}

TEST_F(AlignPaletteTest, FarEdgesMeetTheReferences) {
  Set("edt_X", "Width", 75);
  Select({"edt_X", "edt_Y"});
  p_->tbtn_align_right->Click();
  EXPECT_EQ(Get("edt_Y", "Left"), 55);
  Select({"edt_X", "btn_Ok"});
  p_->tbtn_align_bottom->Click();
  EXPECT_EQ(Get("btn_Ok", "Top"), 4);  // bottom edge 8 + 21, less 25
}

TEST_F(AlignPaletteTest, AValueThatCannotBeReadStopsTheRuleBeforeAnyWrite) {
  // A data source has a place on the form but no size.
  Select({"ds_Dados", "edt_X", "edt_Y"});
  p_->tbtn_align_right->Click();
  Select({"edt_X", "ds_Dados", "edt_Y"});
  p_->tbtn_align_h_center->Click();
  EXPECT_EQ(Lefts(), (V{10, 100, 200}));
  EXPECT_FALSE(form_->GetModified());
  const auto& log = platform::Application().MessageLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_NE(log[0].text.find("ds_Dados.Width"), std::string::npos) << log[0].text;

  host_->host->SetCurrentModule(-1);  // no active form: nothing happens, silently
  p_->tbtn_align_left->Click();
  EXPECT_EQ(platform::Application().MessageLog().size(), 2u);
}

TEST_F(AlignPaletteTest, ManualWindowSpacesByTheTypedGapAndRefusesNoNumber) {
  auto type = [&](int axis, const std::string& gap) {
    driver_->Expect("F_ZORI_Manual_Adj", [axis, gap](platform::TCustomForm&) {
      EXPECT_EQ(F_ZORI_Manual_Adj->cb_type_adjust->ItemIndex(), 0);
      F_ZORI_Manual_Adj->cb_type_adjust->SetItemIndex(axis);
      F_ZORI_Manual_Adj->spe_space->SetText(gap);
      F_ZORI_Manual_Adj->bbtn_Ok->Click();
    });
  };
  auto manual = [&](int axis, const std::string& gap) {
    type(axis, gap);
    p_->tbtn_Manual_Adjust->Click();
    EXPECT_EQ(F_ZORI_Manual_Adj, nullptr);
  };
  Select({"edt_Z", "edt_X", "edt_Y"});
  manual(1, "4");  // the topmost stays, the others follow in selection order
  EXPECT_EQ(Get("edt_Z", "Top"), 33);
  EXPECT_EQ(Get("edt_X", "Top"), 8);
  EXPECT_EQ(Get("edt_Y", "Top"), 58);

  Select({"edt_X", "edt_Z", "edt_Y"});
  manual(0, "0");  // as the palette's button
  EXPECT_EQ(Lefts(), (V{10, 115, 200}));
  Select({"edt_X", "edt_Y", "edt_Z"});
  manual(0, "-2");  // two pixels of overlap
  EXPECT_EQ(Lefts(), (V{10, 58, 86}));

  // A gap that is no number is refused and the window stays open; the user cancels.
  for (const char* bad : {"", "dez"}) {
    bool still_open = false;
    type(0, bad);
    driver_->Expect("F_ZORI_Manual_Adj", [&](platform::TCustomForm& form) {
      still_open = form.Visible();
      form.SetModalResult(platform::mrCancel);
    });
    p_->tbtn_Manual_Adjust->Click();
    EXPECT_TRUE(still_open) << bad;
  }
  EXPECT_EQ(Lefts(), (V{10, 58, 86}));
  EXPECT_EQ(platform::Application().MessageLog().size(), 2u);
}

TEST_F(AlignPaletteTest, PaletteWindowStaysOnTopByItsItem) {
  EXPECT_FALSE(p_->tbtn_relative_class->Visible());
  p_->Show();

  EXPECT_FALSE(p_->mi_StayOnTop->Checked());
  p_->mi_StayOnTop->Click();
  EXPECT_TRUE(p_->mi_StayOnTop->Checked());
  EXPECT_TRUE(p_->StayOnTop());
  EXPECT_TRUE(p_->Visible());
  p_->mi_StayOnTop->Click();
  EXPECT_FALSE(p_->StayOnTop());
  std::string err;
  EXPECT_TRUE(p_->CheckTree(&err)) << err;
  EXPECT_TRUE(p_->CheckControls(&err)) << err;
}
