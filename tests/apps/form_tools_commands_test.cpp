// zori rename and zori close-datasets on a scratch copy of a fixture project: what they
// print, their exit codes, and files that differ from the originals only where the tool
// changed something.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "designer/U_zori_sel_foco.h"
#include "zori_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kNomes = fs::path(ZORI_TEST_DATA_DIR) / "host" / "Nomes";

// Replaces every occurrence of from, which must occur.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  for (; at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class FormToolsCommandTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    CopyIn(kNomes, "proj");
    // The package directory filled from the installed data on first use.
    ASSERT_EQ(Zori({"config", "list"}).code, 0);
  }
  std::string Project() const { return (root_ / "proj" / "Nomes.dpr").string(); }
  std::string Unit(const std::string& relative) const {
    return (root_ / "proj" / relative).string();
  }
  static std::string Original(const std::string& relative) { return ReadAll(kNomes / relative); }
  std::string Now(const std::string& relative) const { return ReadAll(root_ / "proj" / relative); }
};

TEST_F(FormToolsCommandTest, CloseDatasetsSwitchesOffAndWritesOnlyThatForm) {
  const Outcome r = Zori({"close-datasets", Project()});
  EXPECT_EQ(r.code, 0) << r.err;
  const std::string dados = Unit("Dados/uDados.pas");
  EXPECT_EQ(r.out, dados + ": dbPrincipal.Connected (TDatabase) switched off\n" + dados +
                       ": tblClientes.Active (TTable) switched off\n" + dados +
                       ": qryPedidos.Active (TQuery) switched off\n" + "wrote " +
                       Unit("Dados/uDados.dfm") + "\n3 properties switched off, 1 file written\n");
  EXPECT_EQ(Now("Dados/uDados.dfm"),
            ReplaceAll(ReplaceAll(Original("Dados/uDados.dfm"), "    Connected = True\r\n", ""),
                       "    Active = True\r\n", ""));
  for (const char* same : {"Dados/uDados.pas", "uNomes.dfm", "uNomes.pas", "Nomes.dpr"})
    EXPECT_EQ(Now(same), Original(same)) << same;

  const Outcome again = Zori({"close-datasets", Project()});
  EXPECT_EQ(again.code, 0);
  EXPECT_EQ(again.out, "0 properties switched off, 0 files written\n");
}

TEST_F(FormToolsCommandTest, CloseDatasetsWithoutItsClassTableFailsAndWritesNothing) {
  fs::remove(root_ / "pkg" / "ZORIIDEx_CLDTS.xml");
  const Outcome r = Zori({"close-datasets", Project()});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("zori close-datasets: "), std::string::npos);
  EXPECT_EQ(F_ZORI_Sel_Foco, nullptr);  // the window goes also after an error
  EXPECT_EQ(Now("Dados/uDados.dfm"), Original("Dados/uDados.dfm"));

  const Outcome missing = Zori({"close-datasets", (root_ / "nothing.dpr").string()});
  EXPECT_EQ(missing.code, 2);
}

// A folder is searched through for its projects, as check does; a path that names nothing
// stops the run before any project is touched.
TEST_F(FormToolsCommandTest, FolderOfProjectsIsGoneThroughProjectByProject) {
  fs::create_directories(root_ / "repo");
  CopyIn(kNomes, "repo/a");
  CopyIn(kNomes, "repo/b");
  const std::string repo = (root_ / "repo").string();
  const std::string one = Zori({"rename", (root_ / "proj").string()}).out;
  const Outcome both = Zori({"rename", repo});
  EXPECT_EQ(both.code, 0) << both.err;
  const std::string tally = one.substr(one.rfind('\n', one.size() - 2) + 1);
  const int per_project = std::stoi(tally);
  ASSERT_GT(per_project, 0);
  EXPECT_NE(both.out.find(std::to_string(2 * per_project) + " renames suggested"),
            std::string::npos)
      << both.out;

  const Outcome wrong = Zori({"close-datasets", repo, (root_ / "nothing.dpr").string()});
  EXPECT_EQ(wrong.code, 2);
  EXPECT_NE(wrong.err.find("nothing.dpr: no such file or folder"), std::string::npos) << wrong.err;
  const Outcome closed = Zori({"close-datasets", repo});
  EXPECT_EQ(closed.code, 0) << closed.err;
  EXPECT_NE(closed.out.find("6 properties switched off, 2 files written"), std::string::npos)
      << closed.out;
  for (const char* project : {"a", "b"}) {
    EXPECT_NE(ReadAll(root_ / "repo" / project / "Dados/uDados.dfm"), Original("Dados/uDados.dfm"));
  }
}

TEST_F(FormToolsCommandTest, RenamePrintsTheSummaryAndAppliesOnlyWhatWasAskedFor) {
  const Outcome look = Zori({"rename", Unit("uNomes.pas")});
  EXPECT_EQ(look.code, 0) << look.err;
  EXPECT_NE(look.out.find(Unit("uNomes.pas") + ":\n  Label1 -> lbl_edtNome\n"), std::string::npos)
      << look.out;
  EXPECT_NE(look.out.find("  Button1 -> btn_Button1\n"), std::string::npos);
  EXPECT_NE(look.out.find("  DBEdit3 -> dbe_\n"), std::string::npos);
  EXPECT_EQ(Now("uNomes.dfm"), Original("uNomes.dfm"));

  const Outcome r = Zori(
      {"rename", "--apply", "--only", "Button1=btnGravar", "--only", "DataSource1", Project()});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, Unit("uNomes.pas") +
                       ":\n  Button1 -> btnGravar\n  DataSource1 -> ds_DataSource1\n" + "wrote " +
                       Unit("uNomes.pas") + "\nwrote " + Unit("uNomes.dfm") +
                       "\n2 renamed, 0 refused, 2 files written\n");
  std::string dfm = Original("uNomes.dfm");
  dfm = ReplaceAll(dfm, "object Button1: TButton", "object btnGravar: TButton");
  dfm = ReplaceAll(dfm, "object DataSource1: TDataSource", "object ds_DataSource1: TDataSource");
  dfm = ReplaceAll(dfm, "DataSource = DataSource1\r\n", "DataSource = ds_DataSource1\r\n");
  EXPECT_EQ(Now("uNomes.dfm"), dfm);
  std::string pas = Original("uNomes.pas");
  pas = ReplaceAll(pas, "    Button1: TButton;", "    btnGravar: TButton;");
  pas = ReplaceAll(pas, "    DataSource1: TDataSource;", "    ds_DataSource1: TDataSource;");
  EXPECT_EQ(Now("uNomes.pas"), pas);
  EXPECT_EQ(Now("Dados/uDados.dfm"), Original("Dados/uDados.dfm"));

  const Outcome unknown = Zori({"rename", "--only", "Nobody", Project()});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_NE(unknown.err.find("--only Nobody: no suggestion"), std::string::npos);
}

TEST_F(FormToolsCommandTest, RenameApplyReportsTheRefusedRenames) {
  const Outcome r = Zori({"rename", "--apply", "--no-focus-label", Unit("uNomes.pas")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("  DBEdit2 -> dbe_NOME  (refused)\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  Label1 -> lbl_Label1\n"), std::string::npos);
  EXPECT_NE(r.out.find("  DBEdit2 | dbe_NOME\n"), std::string::npos);
  EXPECT_NE(Now("uNomes.dfm").find("object lbl_Label1: TLabel"), std::string::npos);
}

}  // namespace

TEST_F(FormToolsCommandTest, RenameInAnAncestorFormReachesItsDescendants) {
  fs::copy(fs::path(ZORI_TEST_DATA_DIR) / "host" / "Heranca", root_ / "her");
  const std::string project = (root_ / "her" / "Heranca.dpr").string();
  auto now = [this](const std::string& file) { return ReadAll(root_ / "her" / file); };

  // A name a descendant form already uses is refused, and nothing is written.
  const std::string pessoa = now("uPessoa.dfm");
  Outcome r = Zori({"rename", "--apply", "--only", "pnlDados=edtNome", project});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("uBase.pas:\n  pnlDados -> edtNome  (refused)\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("0 renamed, 3 refused, 0 files written"), std::string::npos);
  EXPECT_EQ(now("uPessoa.dfm"), pessoa);

  r = Zori({"rename", "--apply", "--only", "pnlDados=pnl_Dados", "--only", "dsDados", project});
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(now("uBase.dfm").find("  object pnl_Dados: TPanel\r\n"), std::string::npos);
  EXPECT_NE(now("uBase.pas").find("    pnl_Dados: TPanel;"), std::string::npos);
  EXPECT_EQ(now("uPessoa.dfm"),
            ReplaceAll(pessoa, "inherited pnlDados: TPanel", "inherited pnl_Dados: TPanel"));
  const std::string cliente = now("uCliente.dfm");
  EXPECT_NE(cliente.find("  inherited pnl_Dados: TPanel\r\n"), std::string::npos) << cliente;
  EXPECT_NE(cliente.find("  inherited ds_dsDados: TDataSource\r\n"), std::string::npos);
  // The project still loads whole: every inherited object finds its ancestor's component.
  r = Zori({"check", "--only", "taborder", project});
  EXPECT_EQ(r.err, "");

  // Units named descendants first: the ancestor is still renamed first, and its
  // descendants follow instead of refusing the inherited name.
  fs::copy(fs::path(ZORI_TEST_DATA_DIR) / "host" / "Heranca", root_ / "her2");
  const fs::path her2 = root_ / "her2";
  r = Zori({"rename", "--apply", "--only", "pnlDados=pnl_Dados", (her2 / "uCliente.pas").string(),
            (her2 / "uPessoa.pas").string(), (her2 / "uBase.pas").string()});
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("1 renamed, 0 refused, 4 files written"), std::string::npos) << r.out;
}
