#include "platform/answers_file.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/dialogs.h"
#include "platform/exceptions.h"
#include "platform/std_controls.h"

using namespace platform;

namespace {

// A settings-like window: a check box, a combo box, a spin edit, OK and Cancel.
struct Settings {
  TForm* form = TComponent::Create<TForm>(Application());
  TCheckBox* chk = Add<TCheckBox>("chk_salvar_Auto");
  TComboBox* cb = Add<TComboBox>("cb_Modo");
  TSpinEdit* spe = Add<TSpinEdit>("spe_tempo");
  TBitBtn* ok = Add<TBitBtn>("bbtn_Ok");
  TBitBtn* cancel = Add<TBitBtn>("bbtn_Cancel");

  Settings() {
    form->SetName("F_ZORI_Config");
    cb->Items().SetText("Hide\r\nShow\r\n");
    cb->SetStyle("csDropDownList");
    ok->SetKind("bkOK");
    cancel->SetKind("bkCancel");
  }
  template <class T>
  T* Add(const char* name) {
    T* c = TComponent::Create<T>(*form);
    c->SetName(name);
    c->SetParent(form);
    return c;
  }
};

ScriptedModalDriver* Install() {
  auto driver = std::make_unique<ScriptedModalDriver>();
  ScriptedModalDriver* raw = driver.get();
  Application().SetModalDriver(std::move(driver));
  return raw;
}

}  // namespace

TEST(AnswersFileTest, StepsWorkTheWindowAsTheUserWould) {
  ResetApplication();
  Settings s;
  ScriptedModalDriver* driver = Install();
  std::string err;
  ASSERT_TRUE(
      LoadAnswers("# settings\n"
                  "F_ZORI_Config  set chk_salvar_Auto.Checked True\n"
                  "F_ZORI_Config  select cb_Modo 1\r\n"
                  "\n"
                  "F_ZORI_Config  set spe_tempo.Value   10  \n"
                  "F_ZORI_Config  enter\n"
                  "message IDCANCEL\n"
                  "default mrOk\n",
                  "answers.txt", *driver, &err))
      << err;
  int changes = 0;
  s.cb->OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(s.form->ShowModal(), mrOk);
  EXPECT_TRUE(s.chk->Checked());
  EXPECT_EQ(s.cb->Text(), "Show");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(s.spe->Value(), 10);
  EXPECT_EQ(Application().MessageBox("Sure?", "", "OKCancel"), IDCANCEL);
  EXPECT_EQ(s.form->ShowModal(), mrOk);  // the default answer once the steps are used

  // A step that names a control the window lacks stops the run with a clear error.
  ASSERT_TRUE(LoadAnswers("F_ZORI_Config click bbtn_Nope", "a.txt", *driver, &err)) << err;
  try {
    s.form->ShowModal();
    FAIL() << "no error for a missing control";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Window F_ZORI_Config has no control bbtn_Nope to click");
  }
  ResetApplication();
}

TEST(AnswersFileTest, BadLinesAreReportedWithTheirPlace) {
  ScriptedModalDriver driver;
  std::string err;
  EXPECT_FALSE(LoadAnswers("F_X click bbtn_Ok\nF_X press bbtn_Ok\n", "ans.txt", driver, &err));
  EXPECT_EQ(err,
            "ans.txt:2:5: expected click, set, select, result, enter or escape, found 'press'");
  EXPECT_EQ(driver.PendingTurns(), 1);  // the step before the fault stays
  EXPECT_FALSE(LoadAnswers("F_X result maybe", "ans.txt", driver, &err));
  EXPECT_EQ(err, "ans.txt:1:12: expected a modal result (mrOk ...), found 'maybe'");
  EXPECT_FALSE(LoadAnswers("F_X set Checked True", "ans.txt", driver, &err));
  EXPECT_EQ(err, "ans.txt:1:9: expected control.Property, found 'Checked'");
  EXPECT_FALSE(LoadAnswers("F_X select cb_Modo two", "ans.txt", driver, &err));
  EXPECT_EQ(err, "ans.txt:1:20: expected an entry number, found 'two'");
  EXPECT_FALSE(LoadAnswers("F_X\n", "ans.txt", driver, &err));
  EXPECT_EQ(err, "ans.txt:1:4: expected an action after 'F_X', found end of line");
  EXPECT_FALSE(LoadAnswers("message IDMAYBE", "ans.txt", driver, &err));
  EXPECT_EQ(err, "ans.txt:1:9: expected a message answer (IDOK ...), found 'IDMAYBE'");
}

TEST(AnswersFileTest, FileChoosersGetThePickedFileOrAreCancelled) {
  ResetApplication();
  TForm form;
  auto* od = TComponent::Create<TOpenDialog>(form);
  od->SetName("od_Exec_BComp");
  EXPECT_THROW(od->Execute(), EInvalidOperation);  // nobody to pick a file
  ScriptedModalDriver* driver = Install();
  std::string err;
  ASSERT_TRUE(
      LoadAnswers("file /opt/tools/check\nfile\nfile /opt/tools/run.sh\n", "a.txt", *driver, &err))
      << err;
  od->SetDefaultExt("*.exe");
  ASSERT_TRUE(od->Execute());
  EXPECT_EQ(od->FileName(), "/opt/tools/check.exe");  // the default extension is added
  EXPECT_FALSE(od->Execute());                        // cancelled: the name stays
  EXPECT_EQ(od->FileName(), "/opt/tools/check.exe");
  ASSERT_TRUE(od->Execute());
  EXPECT_EQ(od->FileName(), "/opt/tools/run.sh");
  EXPECT_FALSE(od->Execute());  // nothing more queued: cancelled
  ResetApplication();
}
