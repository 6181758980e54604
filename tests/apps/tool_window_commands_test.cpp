// zori forms, zori menus and zori catalogue list/set/capture as a user types them, on a
// temporary package directory and the example project.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

class ToolWindowCommandsTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    dir_ = Pkg();
    setenv("XDG_CONFIG_HOME", (root_ / "cfg").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_CONFIG_HOME");
    ScratchTest::TearDown();
  }
  Outcome Run(std::vector<std::string> args) { return Zori(std::move(args)); }
  // The lines of text from the one equal to first (included) on.
  static std::vector<std::string> From(const std::string& text, const std::string& first) {
    std::vector<std::string> lines = Lines(text);
    return {std::find(lines.begin(), lines.end(), first), lines.end()};
  }
  std::string dir_;
};

}  // namespace

TEST_F(ToolWindowCommandsTest, FormsListsTheIdeTheListerAndEachDesignedForm) {
  Outcome result = Run({"forms", ZORI_SOURCE_DIR "/examples/Estoque"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::vector<std::string> lister = From(result.out, "F_ZORI_List_Comp");
  ASSERT_GE(lister.size(), 7u) << result.out;
  EXPECT_EQ(lister[1], "  pnl_Back");
  // Both forms have a Panel1: each keeps its own controls.
  const std::vector<std::string> produtos = From(result.out, "frmProdutos");
  ASSERT_GE(produtos.size(), 3u) << result.out;
  EXPECT_EQ(produtos[1], "  Panel1");
  EXPECT_EQ(produtos[2], "    DBEdit1");
  const std::vector<std::string> principal = From(result.out, "frmPrincipal");
  ASSERT_GE(principal.size(), 2u) << result.out;
  EXPECT_EQ(principal[1], "  Panel1");
  EXPECT_NE(result.out.find("\nAppBuilder\n"), std::string::npos);
  EXPECT_EQ(Run({"forms", (root_ / "nada.dpr").string()}).code, 2);
}

TEST_F(ToolWindowCommandsTest, MenusPrintsTheTreeAndFindsByExactCaptionOrByPath) {
  Outcome tree = Run({"menus"});
  ASSERT_EQ(tree.code, 0) << tree.err;
  EXPECT_NE(tree.out.find("&File  picture 0\n"), std::string::npos) << tree.out;
  EXPECT_NE(tree.out.find("\n  Save A&ll  Shift+Ctrl+S  picture 5\n"), std::string::npos);
  EXPECT_NE(tree.out.find("\n&ZORI  picture 0\n"), std::string::npos);
  EXPECT_EQ(tree.out.find(" -  picture"), std::string::npos);  // no separators

  Outcome found = Run({"menus", "--find", "Save A&ll"});
  ASSERT_EQ(found.code, 0) << found.err;
  const std::string properties =
      "Caption: Save A&ll\nName: FileSaveAllItem\nAction: FileSaveAllCommand\n"
      "ShortCut: Shift+Ctrl+S\nImageIndex: 4\nHint: Save all\n";
  EXPECT_EQ(found.out, properties);
  EXPECT_EQ(Run({"menus", "--find", "Save All"}).code, 1);
  Outcome by_path = Run({"menus", "--path", "file|SAVE ALL"});
  ASSERT_EQ(by_path.code, 0) << by_path.err;
  EXPECT_EQ(by_path.out, properties);
  EXPECT_EQ(Run({"menus", "--path", "File|Nowhere"}).code, 1);
}

TEST_F(ToolWindowCommandsTest, CatalogueListSetAndCapture) {
  Outcome all = Run({"catalogue", "list"});
  ASSERT_EQ(all.code, 0) << all.err;
  Outcome outside = Run({"catalogue", "list", "--out-of-form"});
  ASSERT_EQ(outside.code, 0) << outside.err;
  EXPECT_NE(outside.out.find("\tbbtn_Ok.Caption\tOK\n"), std::string::npos);
  EXPECT_EQ(outside.out.find("F_ZORI_"), std::string::npos);
  Outcome lister = Run({"catalogue", "list", "--form", "F_ZORI_List_Comp"});
  EXPECT_NE(lister.out.find("F_ZORI_List_Comp\tCaption\tLista de componentes\n"),
            std::string::npos);
  EXPECT_LT(lister.out.size(), all.out.size());
  EXPECT_EQ(Run({"catalogue", "list", "--form", "F_Outra"}).code, 2);

  Outcome set = Run({"catalogue", "set", "F_ZORI_List_Comp", "caption", "Formulários"});
  ASSERT_EQ(set.code, 0) << set.err;
  EXPECT_EQ(Run({"catalogue", "get", "F_ZORI_List_Comp", "Caption"}).out, "Formulários\n");
  ASSERT_EQ(Run({"catalogue", "set", "", "msg_Nova", "nova"}).code, 0);
  EXPECT_EQ(Run({"catalogue", "get", "", "msg_Nova"}).out, "nova\n");
  const std::string before = ReadAll(fs::path(dir_) / "ZORIIDEx_msg.xml");
  EXPECT_EQ(Run({"catalogue", "set", "", std::string(61, 'k'), "x"}).code, 2);
  EXPECT_EQ(Run({"catalogue", "set", "", "k", std::string(401, 't')}).code, 2);

  Outcome off = Run({"catalogue", "capture", "F_ZORI_Cust_Menu"});
  EXPECT_EQ(off.code, 2);
  EXPECT_NE(off.err.find((root_ / "cfg" / "zori" / "zori.txt").string()), std::string::npos);
  EXPECT_EQ(ReadAll(fs::path(dir_) / "ZORIIDEx_msg.xml"), before);
  fs::create_directories(root_ / "cfg" / "zori");
  std::ofstream(root_ / "cfg" / "zori" / "zori.txt") << "";
  Outcome kept = Run({"catalogue", "capture", "F_ZORI_List_Comp"});
  ASSERT_EQ(kept.code, 0) << kept.err;
  EXPECT_EQ(Run({"catalogue", "get", "F_ZORI_List_Comp", "Caption"}).out, "Formulários\n");
  Outcome replaced = Run({"catalogue", "capture", "F_ZORI_List_Comp", "--replace"});
  ASSERT_EQ(replaced.code, 0) << replaced.err;
  EXPECT_NE(replaced.err.find("Deseja substituir os Strings atuais ? [OK]"), std::string::npos);
  EXPECT_EQ(Run({"catalogue", "capture", "F_ZORI_Nada"}).code, 2);
}
