#include "platform/forms.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"

using namespace platform;

namespace {

// A dialog laid out like the add-in's window template: a content panel and a button bar,
// both top-aligned, with OK and Cancel buttons.
struct Dialog {
  TForm* form;
  TPanel* back;
  TPanel* down;
  TBitBtn* ok;
  TBitBtn* cancel;
  int shows = 0;

  explicit Dialog(const char* name = "F_Dialog") {
    form = TComponent::Create<TForm>(Application());
    form->SetName(name);
    form->SetBorderStyle("bsDialog");
    form->SetClientWidth(350);
    form->SetClientHeight(243);
    back = Add<TPanel>("pnl_Back", form);
    back->SetHeight(121);
    back->SetPropValue("Align", "alTop");
    down = Add<TPanel>("pnl_down", form);
    down->SetHeight(40);
    down->SetPropValue("Align", "alTop");
    ok = Add<TBitBtn>("bbtn_Ok", down);
    ok->SetKind("bkOK");
    ok->SetBounds(192, 6, 75, 25);
    cancel = Add<TBitBtn>("bbtn_Cancel", down);
    cancel->SetKind("bkCancel");
    cancel->SetBounds(267, 6, 75, 25);
    form->OnShow = [this](TObject*) { ++shows; };
  }

  template <class T>
  T* Add(const char* name, TWinControl* parent) {
    T* c = TComponent::Create<T>(*form);
    c->SetName(name);
    c->SetParent(parent);
    return c;
  }
};

ScriptedModalDriver* InstallDriver(TModalResult default_answer = mrCancel) {
  auto driver = std::make_unique<ScriptedModalDriver>(default_answer);
  ScriptedModalDriver* raw = driver.get();
  Application().SetModalDriver(std::move(driver));
  return raw;
}

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetApplication(); }
  void TearDown() override { ResetApplication(); }
};

}  // namespace

TEST_F(FormsTest, ShowModalWithoutDriverIsAnErrorNotASilentOk) {
  Dialog d;
  try {
    d.form->ShowModal();
    FAIL() << "ShowModal returned without a driver";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "No modal driver is installed to show the window F_Dialog");
  }
  EXPECT_FALSE(d.form->Visible());
  EXPECT_FALSE(d.form->Modal());
  EXPECT_EQ(d.shows, 0);

  InstallDriver();
  d.form->Show();
  EXPECT_THROW(d.form->ShowModal(), EInvalidOperation);  // already visible
}

TEST_F(FormsTest, ACloseRefusedWithNoTurnLeftIsReportedNotAHang) {
  Dialog d;
  ScriptedModalDriver* driver = InstallDriver();
  // A window whose OnCloseQuery refuses gets another turn; with none left the driver
  // reports it instead of hanging. A handler that keeps the window open is checked on the
  // tool windows (AlignPaletteTest, SnippetLibraryTest).
  d.form->OnCloseQuery = [](TObject*, bool& can_close) { can_close = false; };
  driver->ExpectClick("F_Dialog", "bbtn_Ok");
  EXPECT_THROW(d.form->ShowModal(), EInvalidOperation);
  EXPECT_FALSE(d.form->Visible());
  EXPECT_FALSE(d.form->Modal());
}

TEST_F(FormsTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  Dialog d;
  ScriptedModalDriver* driver = InstallDriver();
  driver->Expect("F_Dialog", [](TCustomForm& f) { EXPECT_TRUE(f.PressEscape()); });
  EXPECT_EQ(d.form->ShowModal(), mrCancel);
  driver->Expect("F_Dialog", [](TCustomForm& f) { EXPECT_TRUE(f.PressEnter()); });
  EXPECT_EQ(d.form->ShowModal(), mrOk);
  // A hidden default button is not pressed by Enter.
  d.ok->SetVisible(false);
  driver->Expect("F_Dialog", [](TCustomForm& f) { EXPECT_FALSE(f.PressEnter()); });
  EXPECT_EQ(d.form->ShowModal(), mrCancel);
  EXPECT_EQ(d.ok->Caption(), "OK");
  EXPECT_EQ(d.cancel->Caption(), "Cancel");
}

TEST_F(FormsTest, TopAlignedPanelsFillTheWidthAndAutoSizeFollowsTheirHeights) {
  Dialog d;
  // A window never shown keeps the places it was given, as a designed form does.
  EXPECT_EQ(d.back->Width(), 0);
  EXPECT_EQ(d.down->Top(), 0);
  d.form->SetPosition("poScreenCenter");
  d.form->Show();
  EXPECT_EQ(d.form->Width(), 356);  // dialog frame: 3 pixels each side
  EXPECT_EQ(d.form->Left(), (1024 - 356) / 2);
  EXPECT_EQ(d.form->Top(), (768 - 268) / 2);
  EXPECT_EQ(d.back->Width(), 350);
  EXPECT_EQ(d.down->Top(), 121);
  EXPECT_EQ(d.down->Width(), 350);

  d.form->SetAutoSize(true);
  EXPECT_EQ(d.form->ClientHeight(), 161);
  d.back->SetHeight(97);
  EXPECT_EQ(d.down->Top(), 97);
  EXPECT_EQ(d.form->ClientHeight(), 137);
  d.form->SetWidth(195);
  EXPECT_EQ(d.form->ClientWidth(), 189);
  EXPECT_EQ(d.down->Width(), 189);

  // Client-aligned content takes what the bars leave.
  TPanel* body = d.Add<TPanel>("pnl_Body", d.back);
  body->SetPropValue("Align", "alClient");
  EXPECT_EQ(body->Width(), 189 - 2);  // inside the raised bevel of pnl_Back
  EXPECT_EQ(body->Height(), 97 - 2);
  std::string err;
  EXPECT_TRUE(d.form->CheckControls(&err)) << err;
}

TEST_F(FormsTest, ActiveControlMustBeAShowingControlOfTheForm) {
  Dialog d;
  d.form->SetActiveControl(d.ok);
  EXPECT_EQ(d.form->ActiveControl(), d.ok);
  EXPECT_EQ(d.form->GetPropValue("ActiveControl").AsString(), "bbtn_Ok");
  d.cancel->SetEnabled(false);
  EXPECT_THROW(d.form->SetActiveControl(d.cancel), EInvalidOperation);
  d.form->SetActiveControl(nullptr);
  EXPECT_EQ(d.form->ActiveControl(), nullptr);
}

TEST_F(FormsTest, AFormNeverShownKeepsStoredPlacesWhenItsControlsMove) {
  // A designed form as the host reads it: outer size only, a bottom-aligned bar placed
  // where the designer left it (the real window had a menu bar, this one cannot know).
  TForm designed;
  designed.SetName("FormMain");
  designed.SetWidth(400);
  designed.SetHeight(300);
  auto* bar = TComponent::Create<TPanel>(designed);
  bar->SetName("pnlBar");
  bar->SetParent(&designed);
  bar->SetPropValue("Align", "alBottom");
  bar->SetBounds(0, 232, 392, 41);
  auto* edit = TComponent::Create<TPanel>(designed);
  edit->SetName("pnlEdit");
  edit->SetParent(&designed);
  edit->SetBounds(10, 10, 100, 21);
  edit->SetLeft(40);  // the alignment palette moves a control
  EXPECT_EQ(bar->Top(), 232);
  EXPECT_EQ(designed.StoredProperties().size(), 2u);  // Width and Height, nothing laid out
  designed.Show();
  EXPECT_EQ(bar->Top(), 300 - 27 - 41);  // a shown window lays the bar out itself
}
