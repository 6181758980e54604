// zori snippets as a user types it, on a temporary package directory filled from the
// shipped tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

class SnippetsCommandTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    dir_ = Pkg();
  }
  Outcome Snippets(std::vector<std::string> args) {
    args.insert(args.begin(), "snippets");
    return Zori(args);
  }
  std::string Table() const { return ReadAll(fs::path(dir_) / "ZORIIDEx_CodeSnippets.xml"); }

  std::string dir_;
};

// Each line of out starts with prefix.
bool AllStartWith(const std::string& out, const std::string& prefix) {
  std::istringstream lines(out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    if (line.rfind(prefix, 0) != 0) return false;
    ++count;
  }
  return count > 0;
}

TEST_F(SnippetsCommandTest, EveryCommandOnTheShippedTablesWithAccentedText) {
  const Outcome groups = Snippets({"groups"});
  ASSERT_EQ(groups.code, 0) << groups.err;
  EXPECT_EQ(groups.out.rfind("1 Rotinas\n", 0), 0u) << groups.out;
  EXPECT_NE(groups.out.find("\n4 Tratamento de exceções\n"), std::string::npos) << groups.out;

  const Outcome first = Snippets({"list"});
  EXPECT_EQ(first.code, 0);
  EXPECT_TRUE(AllStartWith(first.out, "1 ")) << first.out;
  const Outcome sql = Snippets({"list", "--group", "6"});
  EXPECT_TRUE(AllStartWith(sql.out, "6 ")) << sql.out;
  EXPECT_NE(sql.out.find("6 UPDATE com parâmetros\n"), std::string::npos);

  // A unit saved by the IDE: Windows-1252 bytes, CR LF.
  const fs::path unit = root_ / "trecho.pas";
  std::ofstream(unit, std::ios::binary) << "// Fun\xE7\xE3o de convers\xE3o\r\nPreco := 0;\r\n";
  const Outcome added = Snippets(
      {"add", "--group", "7", "--description", "Conversão de preço", "--file", unit.string()});
  ASSERT_EQ(added.code, 0) << added.err;
  EXPECT_NE(Snippets({"list", "--group", "7"}).out.find("7 Conversão de preço\n"),
            std::string::npos);
  const Outcome found = Snippets({"find", "--description", "preço"});
  EXPECT_EQ(found.code, 0);
  EXPECT_EQ(found.out, "7 Conversão de preço\n");
  const Outcome shown = Snippets({"show", "de preço"});
  EXPECT_EQ(shown.code, 0) << shown.err;
  EXPECT_EQ(shown.out, "// Função de conversão\r\nPreco := 0;\r\n");

  ASSERT_EQ(Snippets({"add", "--group", "2", "--description", "Ação", "--text", "A := 'ã';"}).code,
            0);
  EXPECT_EQ(Snippets({"show", "Ação", "--group", "2"}).out, "A := 'ã';");
  EXPECT_EQ(Snippets({"find", "--description", "Ação", "--group", "2"}).out, "2 Ação\n");

  EXPECT_EQ(Snippets({"delete", "Conversão de preço", "--group", "7"}).code, 0);
  const Outcome gone = Snippets({"find", "--description", "preço"});
  EXPECT_EQ(gone.code, 1);
  EXPECT_EQ(gone.out, "");
}

TEST_F(SnippetsCommandTest, BadInputAndMissesLeaveTheTableAsItWas) {
  ASSERT_EQ(Snippets({"list"}).code, 0);
  const std::string before = Table();

  const Outcome text =
      Snippets({"add", "--group", "1", "--description", "Longo", "--text", std::string(5001, 'a')});
  EXPECT_EQ(text.code, 2);
  EXPECT_EQ(text.err,
            "zori: Texto: foram dados 5001 caracteres e cabem no máximo 5000; nada foi gravado.\n");
  const Outcome description =
      Snippets({"add", "--group", "1", "--description", std::string(201, 'd'), "--text", "x"});
  EXPECT_EQ(description.code, 2);
  EXPECT_NE(description.err.find("Descrição: foram dados 201 caracteres"), std::string::npos);
  const Outcome group = Snippets({"add", "--group", "99", "--description", "d", "--text", "x"});
  EXPECT_EQ(group.code, 2);
  EXPECT_EQ(group.err, "zori: no group 99 in ZORIIDEx_TCs.xml\n");
  EXPECT_EQ(Snippets({"add", "--group", "1", "--description", "d"}).code, 2);

  EXPECT_EQ(Snippets({"show", "nada disso"}).code, 1);
  EXPECT_EQ(Snippets({"delete", "nada disso", "--group", "1"}).code, 1);
  EXPECT_EQ(Snippets({"list", "--group", "99"}).code, 1);
  EXPECT_EQ(Snippets({"find", "--description", "nada disso"}).code, 1);
  EXPECT_EQ(Table(), before);
}

}  // namespace
