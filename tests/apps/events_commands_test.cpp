// zori layout, compile, settings and about over a copy of a fixture project and a
// temporary package directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "zori_run.h"

namespace fs = std::filesystem;

class EventsCommandsTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    project_ = (CopyIn(ZORI_TEST_DATA_DIR "/host/Cadastro", "Cadastro") / "Cadastro.dpr").string();
    pkg_ = Pkg();
  }
  void Set(const std::vector<std::string>& sets) {
    std::vector<std::string> args{"settings"};
    for (const std::string& s : sets) args.insert(args.end(), {"--set", s});
    const Outcome o = Zori(args);
    ASSERT_EQ(o.code, 0) << o.err;
  }
  std::string pkg_;
  std::string project_;
};

TEST_F(EventsCommandsTest, LayoutSaveThenApplyPutsMovedWindowsBackIntoTheDesktopFile) {
  ASSERT_EQ(Zori({"about"}).code, 0);  // makes the package directory
  fs::remove(fs::path(pkg_) / "ZORIIDEx_LP.xml");
  Outcome none = Zori({"layout", "apply", project_});
  EXPECT_EQ(none.code, 0) << none.err;
  EXPECT_EQ(none.out, "nothing moved\n");
  EXPECT_FALSE(fs::exists(fs::path(pkg_) / "ZORIIDEx_LP.xml"));

  Outcome saved = Zori({"layout", "save", project_});
  ASSERT_EQ(saved.code, 0) << saved.err;
  // Every visible IDE window, the docked Code Explorer too; the hidden Project Manager not.
  EXPECT_EQ(saved.out,
            "AppBuilder (0, 0, 1024, 105)\nCodeExplorer (0, 12, 140, 578)\n"
            "EditWindow_0 (210, 112, 814, 617)\nPropertyInspector (0, 112, 208, 617)\n");
  EXPECT_TRUE(fs::exists(fs::path(pkg_) / "ZORIIDEx_LP.xml"));

  const fs::path dsk = root_ / "Cadastro" / "Cadastro.dsk";
  std::string text = ReadAll(dsk);
  const size_t section = text.find("[Main Window]");
  text.replace(text.find("Left=0", section), 6, "Left=300");
  std::ofstream(dsk, std::ios::binary) << text;

  Outcome applied = Zori({"layout", "apply", project_});
  ASSERT_EQ(applied.code, 0) << applied.err;
  EXPECT_EQ(applied.out, "AppBuilder: (300, 0, 1024, 105) -> (0, 0, 1024, 105)\n");
  const std::string after = ReadAll(dsk);
  EXPECT_EQ(after.find("Left=", after.find("[Main Window]")),
            after.find("Left=0\r\n", after.find("[Main Window]")));

  EXPECT_EQ(Zori({"layout", "move", project_}).code, 2);
  EXPECT_EQ(Zori({"layout", "apply", (root_ / "none.dpr").string()}).code, 2);
}

TEST_F(EventsCommandsTest, CompileGateClosesDatasetsThenRunsTheProgramAndSavesOnlyWhenItPasses) {
  const fs::path dfm = root_ / "Cadastro" / "uCadastro.dfm";
  const fs::path ran = root_ / "ran";
  Set({"chk_before_compile=true", "chk_Exec_BComp=true", "edt_app_exec=sh",
       "edt_Params=-c \"touch '" + ran.string() + "'; exit 3\"", "spe_Exec_BComp=4",
       "cb_Modo=Hide"});
  const std::string form = ReadAll(dfm);
  const std::string active = "    Active = True\r\n";
  ASSERT_NE(form.find(active), std::string::npos);

  // Cancelled: the datasets were closed in the designer only, and nothing is written.
  Outcome stop = Zori({"compile", project_});
  EXPECT_EQ(stop.code, 1);
  EXPECT_EQ(stop.err, "zori compile: compile cancelled: the program 'sh -c \"touch '" +
                          ran.string() + "'; exit 3\"' ended with exit code 3, expected 4\n");
  EXPECT_EQ(ReadAll(dfm), form);
  EXPECT_TRUE(fs::exists(ran));

  // The closer failing cancels before the program starts.
  fs::remove(ran);
  const fs::path table = fs::path(pkg_) / "ZORIIDEx_CLDTS.xml";
  fs::rename(table, root_ / "CLDTS.xml");
  Outcome broken = Zori({"compile", project_});
  EXPECT_EQ(broken.code, 1);
  EXPECT_FALSE(fs::exists(ran));
  EXPECT_EQ(ReadAll(dfm), form);
  fs::rename(root_ / "CLDTS.xml", table);

  // Passed, but the form was saved by someone else meanwhile: that edit is kept (exit 2).
  Set({"spe_Exec_BComp=3", "edt_Params=-c \"printf ' ' >> '" + dfm.string() + "'; exit 3\""});
  Outcome edited = Zori({"compile", project_});
  EXPECT_EQ(edited.code, 2);
  EXPECT_EQ(edited.err, "zori compile: " + dfm.string() +
                            ": changed on disk since it was read; not saved over\n");
  EXPECT_EQ(ReadAll(dfm), form + " ");
  std::ofstream(dfm, std::ios::binary | std::ios::trunc) << form;

  // Passed: the closed dataset reaches the form file the compiler reads next.
  Set({"edt_Params=-c \"exit 3\""});
  Outcome pass = Zori({"compile", project_});
  EXPECT_EQ(pass.code, 0) << pass.err;
  std::string closed = form;
  closed.erase(closed.find(active), active.size());
  EXPECT_EQ(ReadAll(dfm), closed);
  EXPECT_EQ(Zori({"compile", "--code-insight", project_}).code, 0);

  Set({"edt_app_exec=/nonexistent/gate", "spe_Exec_BComp=-1"});
  Outcome missing = Zori({"compile", project_});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("/nonexistent/gate"), std::string::npos) << missing.err;

  EXPECT_EQ(Zori({"compile", (root_ / "none.dpr").string()}).code, 2);
}

TEST_F(EventsCommandsTest, SettingsWriteEveryKeyAndAboutPrintsItsTexts) {
  Outcome fresh =
      Zori({"settings", "--set", "hk_lp=Ctrl+Alt+L", "--set", "spe_tempo=10", "--print"});
  ASSERT_EQ(fresh.code, 0) << fresh.err;
  EXPECT_NE(fresh.out.find("hk_lp = 49228 (Ctrl+Alt+L)\n"), std::string::npos) << fresh.out;
  EXPECT_NE(fresh.out.find("cb_Modo = 0 (Hide)\n"), std::string::npos);
  EXPECT_EQ(Zori({"config", "get", "hk_lp"}).out, "49228\n");
  EXPECT_EQ(Zori({"config", "get", "spe_tempo"}).out, "10\n");

  EXPECT_EQ(Zori({"settings", "--set", "nope=1"}).code, 2);
  EXPECT_EQ(Zori({"settings", "--set", "spe_tempo=ten"}).code, 2);
  Outcome long_text = Zori({"settings", "--set", "edt_Params=" + std::string(300, 'p')});
  EXPECT_EQ(long_text.code, 1);
  EXPECT_EQ(Zori({"config", "get", "edt_Params"}).out, "\n");

  Outcome about = Zori({"about"});
  ASSERT_EQ(about.code, 0) << about.err;
  EXPECT_NE(about.out.find("[Developers]"), std::string::npos) << about.out;
  EXPECT_NE(about.out.find("[Source of information]"), std::string::npos) << about.out;
}
