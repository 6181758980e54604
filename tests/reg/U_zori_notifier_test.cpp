// The IDE's before-compile notification as the add-in answers it: the configured program
// run, its exit code against the expected one, and the runs that must cancel.
#include <gtest/gtest.h>

#include <string>

#include "core/U_zori_func.h"
#include "core/package_fixture.h"
#include "platform/application.h"
#include "reg/U_zori_notifier.h"
#include "reg/U_zori_reg.h"

class BeforeCompileTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    v_Inst_ZORIIDEx = std::make_unique<TZORIIDEx_New_Menu_Item>();
  }
  void TearDown() override {
    v_Inst_ZORIIDEx.reset();
    PackageFixture::TearDown();
  }
  // The program sh with params, expecting exit code expected; mode is cb_Modo.
  void Configure(const std::string& program, const std::string& params, int expected, int mode = 0,
                 int limit = 0) {
    WriteConfig({{"chk_Exec_BComp", "0", "0"},
                 {"edt_app_exec", Xml(program), "2"},
                 {"edt_Params", Xml(params), "2"},
                 {"spe_Exec_BComp", std::to_string(expected), "1"},
                 {"cb_Modo", std::to_string(mode), "1"},
                 {"spe_limite_exec", std::to_string(limit), "1"}});
  }
  static std::string Xml(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '"' ? "&quot;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
  }
  // True when the compile may go on.
  bool Compile(bool code_insight = false) {
    bool cancel = false;
    events_.BeforeCompile(nullptr, code_insight, cancel);
    return !cancel;
  }
  const platform::ProcessRecord& LastRun() const {
    return platform::Application().ProcessLog().back();
  }
  TZORIIDEEvents events_;
};

// The exit code against the expected one, and code-insight compiles, are checked through
// `zori compile` (EventsCommandsTest); here, how the program is shown.
TEST_F(BeforeCompileTest, TheShowModeFollowsTheCombo) {
  Configure("sh", "-c \"exit 3\"", 3);
  EXPECT_TRUE(Compile());
  EXPECT_EQ(LastRun().command_line, "sh -c \"exit 3\"");
  EXPECT_EQ(LastRun().show_mode, 0);
  Configure("sh", "-c \"exit 4\"", 3, 2);  // any mode but Hide shows the program
  EXPECT_FALSE(Compile());
  EXPECT_EQ(LastRun().show_mode, 5);
}

TEST_F(BeforeCompileTest, ProgramsThatDoNotRunToTheirEndCancelEvenWhenMinusOneIsExpected) {
  Configure("", "-c \"exit 0\"", -1);  // no program: never a run of the parameters
  EXPECT_FALSE(Compile());
  EXPECT_NE(LastRun().error, "");

  Configure("sh", "-c \"kill -9 $$\"", -1);
  EXPECT_FALSE(Compile());

  Configure("sleep", "30", -1, 0, 1);
  EXPECT_FALSE(Compile());
  EXPECT_NE(LastRun().error.find("stopped"), std::string::npos) << LastRun().error;

  // The parameters reach the program whole.
  const std::string word(200, 'x');
  Configure("sh", "-c \"test ${#0} -eq 200 && exit 7\" " + word, 7);
  EXPECT_TRUE(Compile());

  WriteConfig({{"chk_Exec_BComp", "1", "0"}, {"edt_app_exec", "/nonexistent/zori-gate", "2"}});
  EXPECT_TRUE(Compile());  // switched off: nothing runs
}
