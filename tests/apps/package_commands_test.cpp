// zori config and zori catalogue as a user types them, on a temporary package directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

class PackageCommandsTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    dir_ = Pkg();
  }
  std::string dir_;
};

}  // namespace

TEST_F(PackageCommandsTest, FirstUseFillsTheFolderAndLaterRunsKeepTheUsersFiles) {
  Outcome first = Zori({"config", "list"});
  ASSERT_EQ(first.code, 0) << first.err;
  EXPECT_TRUE(fs::exists(fs::path(dir_) / "ZORIIDEx_msg.xml"));
  EXPECT_TRUE(fs::exists(fs::path(dir_) / "images" / "menu_13.xpm"));
  EXPECT_NE(first.out.find("chk_auto_load"), std::string::npos);

  // The user's own catalogue and a deleted table stay as the user left them.
  std::ofstream(fs::path(dir_) / "ZORIIDEx_msg.xml") << "meu";
  fs::remove(fs::path(dir_) / "ZORIIDEx_LP.xml");
  ASSERT_EQ(RunZori({"config", "list", "--package-dir", dir_}).code, 0);
  EXPECT_EQ(ReadAll(fs::path(dir_) / "ZORIIDEx_msg.xml"), "meu");
  EXPECT_FALSE(fs::exists(fs::path(dir_) / "ZORIIDEx_LP.xml"));
}

TEST_F(PackageCommandsTest, DefaultPackageDirectoryIsPerUser) {
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_DATA_HOME", (root_ / "share").c_str(), 1);
  Outcome result = RunZori({"config", "get", "edt_Resources"});
  if (old)
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "ZORIIDEx_msg.xml\n");
  EXPECT_TRUE(fs::exists(root_ / "share" / "zori" / "package" / "ZORIIDEx_Config_New.xml"));
}

TEST_F(PackageCommandsTest, ConfigValuesAreReadAndWrittenTheStoresWay) {
  ASSERT_EQ(Zori({"config", "set", "chk_auto_load", "true"}).code, 0);
  Outcome get = Zori({"config", "get", "CHK_AUTO_LOAD"});
  EXPECT_EQ(get.code, 0);
  EXPECT_EQ(get.out, "true\n");
  const std::string stored = ReadAll(fs::path(dir_) / "ZORIIDEx_Config_New.xml");
  EXPECT_NE(stored.find("TX_CONFIG=\"chk_auto_load\" VL_CONFIG=\"0\" ID_TIPO_DADO=\"0\""),
            std::string::npos);

  // The menu's key reads the dialog's row; the key keeps its type.
  ASSERT_EQ(Zori({"config", "set", "hk_Comment", "32833"}).code, 0);
  EXPECT_EQ(Zori({"config", "get", "hk_comment"}).out, "32833\n");

  Outcome fresh = Zori({"config", "set", "edt_Novo", "x"});
  EXPECT_EQ(fresh.code, 2);
  EXPECT_NE(fresh.err.find("edt_Novo is a new key; give its --type"), std::string::npos);
  EXPECT_EQ(Zori({"config", "set", "edt_Novo", "x", "--type", "string"}).code, 0);
  EXPECT_EQ(Zori({"config", "get", "EDT_NOVO"}).out, "x\n");

  Outcome bad_bool = Zori({"config", "set", "chk_auto_load", "sim"});
  EXPECT_EQ(bad_bool.code, 2);
  EXPECT_EQ(bad_bool.err, "zori: a boolean is given as true or false, not 'sim'\n");
  Outcome bad_int = Zori({"config", "set", "spe_tempo", "dez"});
  EXPECT_EQ(bad_int.code, 2);
  EXPECT_EQ(bad_int.err, "zori: 'dez' is not an integer\n");
  EXPECT_EQ(Zori({"config", "get", "spe_tempo"}).out, "10\n");

  Outcome missing = Zori({"config", "get", "hk_nada"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "");
}

TEST_F(PackageCommandsTest, ConfigSetRefusesWhatTheStoreCannotHold) {
  ASSERT_EQ(Zori({"config", "list"}).code, 0);
  const fs::path store = fs::path(dir_) / "ZORIIDEx_Config_New.xml";
  const std::string before = ReadAll(store);

  Outcome key = RunZori(
      {"--package-dir", dir_, "config", "set", std::string(61, 'k'), "x", "--type", "string"});
  EXPECT_EQ(key.code, 2);
  EXPECT_EQ(key.err, "zori: a key holds at most 60 characters; this one has 61\n");
  Outcome value = Zori({"config", "set", "edt_app_exec", std::string(256, 'v')});
  EXPECT_EQ(value.code, 2);
  EXPECT_EQ(value.err, "zori: a value holds at most 255 characters; this one has 256\n");
  EXPECT_EQ(ReadAll(store), before);

  // Characters are counted, not bytes.
  std::string accented;
  for (int i = 0; i < 255; ++i) accented += "é";
  ASSERT_EQ(Zori({"config", "set", "edt_app_exec", accented}).code, 0);
  EXPECT_EQ(Zori({"config", "get", "edt_app_exec"}).out, accented + "\n");
}

TEST_F(PackageCommandsTest, MissingStoreIsNamedByEveryCommandThatReadsIt) {
  ASSERT_EQ(Zori({"config", "list"}).code, 0);
  const fs::path store = fs::path(dir_) / "ZORIIDEx_Config_New.xml";
  fs::remove(store);
  const std::string note =
      "zori: configuration file ZORIIDEx_Config_New.xml not found in the "
      "package directory " +
      dir_ + " (looked for " + store.string() + ")\n";
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"config", "get", "chk_auto_load"},
        {"menu"},
        {"snippets", "list"}}) {
    std::vector<std::string> args = {"--package-dir", dir_};
    args.insert(args.end(), command.begin(), command.end());
    const Outcome result = RunZori(args);
    EXPECT_EQ(result.code, 1) << command[0];
    EXPECT_TRUE(result.err.ends_with(note)) << result.err;
    // The tool menu is not inserted into the IDE's menu bar without its store.
    EXPECT_EQ(result.out.find("&ZORI"), std::string::npos) << command[0];
  }
}

TEST_F(PackageCommandsTest, CatalogueLookupFollowsTheConfiguredLanguage) {
  Outcome pt = Zori({"catalogue", "get", "", "fmenuzoriabout.caption"});
  ASSERT_EQ(pt.code, 0) << pt.err;
  EXPECT_EQ(pt.out, "&Sobre...\n");
  EXPECT_EQ(Zori({"catalogue", "get", "F_ZORI_TabOrder", "Caption"}).out,
            "Validação de TabOrder\n");

  ASSERT_EQ(Zori({"config", "set", "edt_Resources", "ZORIIDEx_msg_en.xml"}).code, 0);
  EXPECT_EQ(Zori({"catalogue", "get", "", "FMenuZORIAbout.Caption"}).out, "&About...\n");

  Outcome none = Zori({"catalogue", "get", "F_ZORI_Nada", "Caption"});
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.err,
            "zori: no text for window 'F_ZORI_Nada' and path 'Caption' in ZORIIDEx_msg_en.xml\n");

  ASSERT_EQ(Zori({"config", "set", "edt_Resources", "sumiu.xml"}).code, 0);
  Outcome gone = Zori({"catalogue", "get", "", "FMenuZORIAbout.Caption"});
  EXPECT_EQ(gone.code, 1);
  EXPECT_EQ(gone.err,
            "zori: catalogue sumiu.xml not found in the package directory " + dir_ + "\n");
}
