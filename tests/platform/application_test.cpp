#include "platform/application.h"

#include <gtest/gtest.h>

#include "platform/buttons.h"
#include "platform/exceptions.h"
#include "platform/forms.h"

using namespace platform;

namespace {

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetApplication(); }
  void TearDown() override { ResetApplication(); }
};

}  // namespace

TEST_F(ApplicationTest, MessageBoxesAreLoggedAndAnsweredByTheDriver) {
  Application().SetTitle("ROVUVUVoravud");
  // Without a driver a plain message is still seen (and logged); a question cannot be
  // answered and says so.
  EXPECT_EQ(Application().MessageBox("Saved", "ROVUVUVoravud"), IDOK);
  EXPECT_THROW(Application().MessageBox("Rename?", "", "OKCancel"), EInvalidOperation);
  auto driver = std::make_unique<ScriptedModalDriver>();
  driver->ExpectMessageAnswer(IDCANCEL);
  Application().SetModalDriver(std::move(driver));
  EXPECT_EQ(Application().MessageBox("Rename?", "Q", "OKCancel"), IDCANCEL);
  EXPECT_EQ(Application().MessageBox("Again?", "Q", "OKCancel"), IDOK);
  Application().Beep();
  const auto& log = Application().MessageLog();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].caption, "ROVUVUVoravud");
  EXPECT_EQ(log[0].text, "Saved");
  EXPECT_EQ(log[1].text, "Rename?");
  EXPECT_EQ(log[2].answer, IDCANCEL);
  EXPECT_EQ(log[3].answer, IDOK);
  EXPECT_EQ(Application().BeepCount(), 1);
  ResetApplication();
  EXPECT_TRUE(Application().MessageLog().empty());
  EXPECT_EQ(Application().GetModalDriver(), nullptr);
}

TEST_F(ApplicationTest, ClosingAModelessWindowHidesOrReleasesItAsOnCloseSays) {
  auto* palette = TComponent::Create<TForm>(Application());
  palette->SetName("F_ZORI_Align");
  int hides = 0;
  palette->OnHide = [&](TObject*) { ++hides; };
  palette->Show();
  EXPECT_TRUE(palette->Visible());
  EXPECT_EQ(Screen().ActiveForm(), palette);
  // The palette refuses its close box and hides itself instead.
  palette->OnClose = [&](TObject*, TCloseAction& action) {
    palette->Hide();
    action = TCloseAction::caNone;
  };
  palette->Close();
  EXPECT_FALSE(palette->Visible());
  EXPECT_EQ(hides, 1);
  EXPECT_EQ(Screen().FormCount(), 1);

  // caFree: freed at the next turn of the message loop, not inside the handler.
  palette->Show();
  palette->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
  palette->Close();
  EXPECT_EQ(Screen().FormCount(), 1);
  Application().ProcessMessages();
  EXPECT_EQ(Screen().FormCount(), 0);
  EXPECT_EQ(Application().FindComponent("F_ZORI_Align"), nullptr);
}

TEST_F(ApplicationTest, AModalWindowClosedWithCaFreeIsGoneAfterTheLoop) {
  auto* dialog = TComponent::Create<TForm>(Application());
  dialog->SetName("F_Once");
  auto* close = TComponent::Create<TBitBtn>(*dialog);
  close->SetName("bbtn_Close");
  close->SetParent(dialog);
  close->SetKind("bkClose");
  EXPECT_EQ(close->Caption(), "&Close");
  dialog->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
  auto driver = std::make_unique<ScriptedModalDriver>(mrOk);
  driver->ExpectClick("F_Once", "bbtn_Close");
  Application().SetModalDriver(std::move(driver));
  // A close button closes the modal window with mrCancel.
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  Application().ProcessMessages();
  EXPECT_EQ(Screen().FormCount(), 0);
}
