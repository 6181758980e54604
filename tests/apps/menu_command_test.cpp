// zori menu: the IDE main menu as the user sees it once the add-in has loaded.
#include <gtest/gtest.h>

#include <filesystem>

#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

// The lines directly under the top-level item whose line starts with caption.
std::vector<std::string> Children(const std::vector<std::string>& lines, const std::string& caption,
                                  const std::string& indent = "  ") {
  std::vector<std::string> out;
  bool inside = false;
  for (const std::string& line : lines) {
    if (line.rfind(indent.substr(2) + caption, 0) == 0) {
      inside = true;
      continue;
    }
    if (!inside) continue;
    if (line.rfind(indent, 0) != 0) break;
    if (line.size() > indent.size() && line[indent.size()] != ' ')
      out.push_back(line.substr(indent.size()));
  }
  return out;
}

class MenuCommandTest : public ScratchTest {};

}  // namespace

TEST_F(MenuCommandTest, ZoriStandsThreePlacesBeforeTheEndWithItsItemsAndShortcuts) {
  Outcome result = Zori({"menu"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  std::vector<std::string> top;
  for (const std::string& line : lines)
    if (!line.empty() && line[0] != ' ') top.push_back(line);
  ASSERT_GE(top.size(), 4u);
  EXPECT_EQ(top[top.size() - 4], "&ZORI  [FMenuZORI]");

  const std::vector<std::string> zori = Children(lines, "&ZORI");
  EXPECT_EQ(zori, (std::vector<std::string>{
                      "Fechar &DataSets  Ctrl+Alt+D  [FMenuZORICloseDataSets]",
                      "Padronizar &nomenclatura  Ctrl+Alt+N  [FMenuZORIRenameComps]",
                      "Verificar &TabOrder  Ctrl+Alt+T  [FMenuZORITabOrder]",
                      "Paleta de &alinhamento  Ctrl+Alt+A  [FMenuZORIAlign]", "-",
                      "&Layout Perfeito  Ctrl+Alt+L  [FMenuZORIPerfectLayout]",
                      "Code &Snippets  Ctrl+Alt+S  [FMenuZORICodeSnippets]", "-",
                      "&IDE  [FMenuIDE]", "C&omentar declaração  Ctrl+Alt+C  [FMenuZORIComment]",
                      "-", "Con&figurações...  [FMenuZORIConfig]",
                      "&Editor de Resources  [FMenuZORIResourceString]", "-",
                      "&Sobre...  [FMenuZORIAbout]"}));
  EXPECT_EQ(Children(lines, "&IDE  [FMenuIDE]", "    "),
            (std::vector<std::string>{"Customização de &Menus  [FMenuZORICust_Menu]",
                                      "Lista de &componentes  [FMenuListaCompsForm]"}));
}

TEST_F(MenuCommandTest, StoredKeysDecideShortcutsAndAutoStartActionsRun) {
  ASSERT_EQ(Zori({"config", "set", "hk_close_datasets", "32833"}).code, 0);
  ASSERT_EQ(Zori({"config", "set", "hk_lp", "0"}).code, 0);
  ASSERT_EQ(Zori({"config", "set", "chk_auto_layout", "true"}).code, 0);
  ASSERT_EQ(Zori({"config", "set", "edt_Resources", "ZORIIDEx_msg_en.xml"}).code, 0);
  Outcome result = Zori({"menu"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::vector<std::string> zori = Children(Lines(result.out), "&ZORI");
  ASSERT_EQ(zori.size(), 15u);
  EXPECT_EQ(zori[0], "Close &DataSets  Alt+A  [FMenuZORICloseDataSets]");
  EXPECT_EQ(zori[5], "IDE &layout  [FMenuZORIPerfectLayout]");
  // The layout profile runs at start-up without a window or a message.
  EXPECT_EQ(result.err, "");
}
