// zori align: a palette rule applied to named components of a form on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "ide/host_fixture.h"
#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

class AlignCommandTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    dfm_ =
        (CopyIn(fs::path(ZORI_TEST_DATA_DIR) / "host" / "Alinha", "proj") / "uAlinha.dfm").string();
    original_ = ReadAll(dfm_);
  }

  Outcome Align(std::vector<std::string> args) {
    args.insert(args.begin(), "align");
    return Zori(args);
  }

  std::string dfm_;
  std::string original_;
};

}  // namespace

TEST_F(AlignCommandTest, OnlyTheMovedBoundsChangeInTheWrittenForm) {
  Outcome r = Align({"hspace", dfm_, "edt_X", "edt_Z", "edt_Y"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "edt_Y: (100, 40, 30, 21) -> (115, 40, 30, 21)\n");
  EXPECT_EQ(ReadAll(dfm_),
            ide::testing::ReplaceOnce(original_, "    Left = 100\r\n", "    Left = 115\r\n"));

  r = Align({"manual", "--vertical", "--gap", "4", dfm_, "edt_Z", "edt_X", "edt_Y"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "edt_Z: (200, 72, 40, 21) -> (200, 33, 40, 21)\n"
            "edt_Y: (115, 40, 30, 21) -> (115, 58, 30, 21)\n");

  const std::string before = ReadAll(dfm_);
  r = Align({"left", dfm_, "edt_X"});  // one component: nothing to follow
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "nothing moved\n");
  EXPECT_EQ(ReadAll(dfm_), before);
}

TEST_F(AlignCommandTest, BadInputIsNamedAndNothingIsWritten) {
  Outcome r = Align({"left", dfm_, "edt_X", "edt_Nada", "Edt_Outro"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("uAlinha.dfm: no component named edt_Nada Edt_Outro"), std::string::npos)
      << r.err;
  r = Align({"diagonal", dfm_, "edt_X"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("unknown rule 'diagonal'"), std::string::npos) << r.err;
  r = Align({"left", "--gap", "3", dfm_, "edt_X", "edt_Y"});
  EXPECT_EQ(r.code, 2);

  // A reference without a size stops the rule with the catalogue's message.
  r = Align({"right", dfm_, "ds_Dados", "edt_X"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("ds_Dados.Width"), std::string::npos) << r.err;
  r = Align({"manual", "--gap", "dez", dfm_, "edt_X", "edt_Y"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("pixels"), std::string::npos) << r.err;
  EXPECT_EQ(ReadAll(dfm_), original_);
}

TEST_F(AlignCommandTest, InheritedFormsWriteOnlyTheDescendantsDifferences) {
  // Both ancestors live in a shared folder found through --search-path.
  CopyIn(fs::path(ZORI_TEST_DATA_DIR) / "host" / "Heranca", "her");
  fs::create_directories(root_ / "comum");
  for (const char* file : {"uBase.pas", "uBase.dfm", "uPessoa.pas", "uPessoa.dfm"}) {
    fs::rename(root_ / "her" / file, root_ / "comum" / file);
  }
  const std::string cliente = (root_ / "her" / "uCliente.dfm").string();
  const std::string search = (root_ / "comum").string();
  std::map<std::string, std::string> before;
  for (const char* file : {"her/uCliente.dfm", "comum/uPessoa.dfm", "comum/uBase.dfm"}) {
    before[file] = ReadAll(root_ / file);
  }

  Outcome r = Align({"width", cliente, "edtNome", "edtDocumento"});
  EXPECT_EQ(r.code, 2);  // without the ancestors' folder edtNome is not on the form
  EXPECT_NE(r.err.find("no component named edtNome"), std::string::npos) << r.err;

  r = Align({"width", "--search-path", search, cliente, "edtNome", "edtDocumento", "edtLimite"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "edtDocumento: (16, 80, 120, 21) -> (16, 80, 300, 21)\n"
            "edtLimite: (16, 128, 100, 21) -> (16, 128, 300, 21)\n");
  std::string expected = ide::testing::ReplaceOnce(
      before["her/uCliente.dfm"], "      Width = 120\r\n", "      Width = 300\r\n");
  expected = ide::testing::ReplaceOnce(expected, "      Width = 100\r\n", "      Width = 300\r\n");
  EXPECT_EQ(ReadAll(root_ / "her" / "uCliente.dfm"), expected);
  EXPECT_EQ(ReadAll(root_ / "comum" / "uPessoa.dfm"), before["comum/uPessoa.dfm"]);
  EXPECT_EQ(ReadAll(root_ / "comum" / "uBase.dfm"), before["comum/uBase.dfm"]);
}
