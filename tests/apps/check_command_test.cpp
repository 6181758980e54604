#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "zori_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kExample = fs::path(ZORI_SOURCE_DIR) / "examples" / "Estoque";
const fs::path kCadastros = fs::path(ZORI_SOURCE_DIR) / "examples" / "Cadastros";
const fs::path kHeranca = fs::path(ZORI_TEST_DATA_DIR) / "host" / "Heranca";

class CheckCommandTest : public ScratchTest {};

}  // namespace

TEST_F(CheckCommandTest, ExampleProjectListsEveryUnitWithItsFormCountsAndFindings) {
  std::vector<std::string> before;
  for (const auto& e : fs::directory_iterator(kExample)) before.push_back(ReadAll(e.path()));

  const std::string dpr = (kExample / "Estoque.dpr").string();
  const Outcome r = RunZori({"check", "--only", "taborder", "--only", "datasets", dpr});
  EXPECT_EQ(r.code, 1) << r.err;  // tab orders off the suggested ones, datasets left open
  EXPECT_EQ(r.err, "");
  const std::string dir = kExample.string() + "/";
  const std::string expected =
      dir +
      "uPrincipal.pas: form frmPrincipal (TfrmPrincipal), 10 components, 2 windowed, 0 datasets\n" +
      dir +
      "uProdutos.pas: form frmProdutos (TfrmProdutos), 20 components, 11 windowed, 1 dataset\n"
      "  taborder: Panel1: tab order DBEdit1, DBEdit3, DBEdit2, Edit1, CheckBox1; suggested "
      "DBEdit1, DBEdit2, DBEdit3, Edit1, CheckBox1\n"
      "  datasets: ClientDataSet1.Active (TClientDataSet) is on\n" +
      dir + "uMovimento.pas: form Form3 (TForm3), 15 components, 8 windowed, 2 datasets\n" +
      "  taborder: Form3: tab order GroupBox1, Button2, Button1, DBGrid1; suggested GroupBox1, "
      "Button1, Button2, DBGrid1\n"
      "  taborder: GroupBox1: tab order DBLookupComboBox1, DateTimePicker1, Edit1, RadioGroup1; "
      "suggested DBLookupComboBox1, Edit1, DateTimePicker1, RadioGroup1\n"
      "  datasets: ADOTable1.Active (TADOTable) is on\n" +
      dir + "uDM.pas: form DM (TDM), 4 components, 0 windowed, 2 datasets\n" +
      "  datasets: ADOConnection1.Connected (TADOConnection) is on\n"
      "  datasets: Query1.Active (TADOQuery) is on\n"
      "  datasets: Database1.Connected (TDatabase) is on\n" +
      dir + "uFuncoes.pas: no form\n" + "5 modules, 4 forms, 8 findings in 3 forms\n";
  EXPECT_EQ(r.out, expected);

  const Outcome j = RunZori({"check", "--json", dpr});
  EXPECT_EQ(j.code, 1);
  const auto doc = nlohmann::json::parse(j.out);
  EXPECT_EQ(doc["project"], dpr);
  ASSERT_EQ(doc["modules"].size(), 5u);
  EXPECT_EQ(doc["modules"][1]["unit"], dir + "uProdutos.pas");
  EXPECT_EQ(doc["modules"][1]["form"]["file"], dir + "uProdutos.dfm");
  EXPECT_EQ(doc["modules"][1]["form"]["class"], "TfrmProdutos");
  EXPECT_EQ(doc["modules"][1]["form"]["components"], 20);
  EXPECT_EQ(doc["modules"][3]["form"]["datasets"], 2);
  EXPECT_TRUE(doc["modules"][4]["form"].is_null());
  EXPECT_TRUE(doc["errors"].empty());
  // Every check runs without --only: the naming standard's suggestions are findings too.
  const auto& produtos = doc["modules"][1]["findings"];
  const auto rename = std::find_if(produtos.begin(), produtos.end(), [](const auto& f) {
    return f["check"] == "names" && f["component"] == "DBEdit1";
  });
  ASSERT_NE(rename, produtos.end()) << produtos.dump();
  EXPECT_EQ((*rename)["suggested"], "dbe_CODIGO");
  EXPECT_EQ((*rename)["summary"], "DBEdit1: rename to dbe_CODIGO");
  EXPECT_EQ(doc["findings"], 54);

  // Checking reads only.
  std::vector<std::string> after;
  for (const auto& e : fs::directory_iterator(kExample)) after.push_back(ReadAll(e.path()));
  EXPECT_EQ(after, before);
}

TEST_F(CheckCommandTest, UnreadableInputsExitTwoWithTheReasonOnStderr) {
  const Outcome missing = RunZori({"check", "nao/existe/Projeto.dpr"});
  EXPECT_EQ(missing.code, 2);
  EXPECT_EQ(missing.err, "zori check: nao/existe/Projeto.dpr: no such file or folder\n");
  EXPECT_EQ(missing.out, "0 modules, 0 forms\n");

  const fs::path copy = CopyIn(kExample, "Estoque");
  {
    std::ofstream broken(copy / "uMovimento.dfm", std::ios::binary | std::ios::trunc);
    broken << "object Form3: TForm3\r\n  Left = 300\r\n  object Edit1: TEdit\r\n    Text = 'sem "
              "fim\r\n";
  }
  fs::remove(copy / "uFuncoes.pas");
  const Outcome r = RunZori({"check", "--json", (copy / "Estoque.dpr").string()});
  EXPECT_EQ(r.code, 2);
  const auto doc = nlohmann::json::parse(r.out);
  EXPECT_EQ(doc["modules"].size(), 3u);  // the units that loaded are still listed
  ASSERT_EQ(doc["errors"].size(), 2u);
  // The project file's own faults come first, then each unit's as it is opened.
  const std::string form_error = doc["errors"][1];
  EXPECT_EQ(form_error.rfind((copy / "uMovimento.dfm").string() + ":4:", 0), 0u) << form_error;
  EXPECT_EQ(doc["errors"][0], (copy / "Estoque.dpr").string() +
                                  ":9:3: expected the unit file uFuncoes.pas of uFuncoes, "
                                  "found no such file");
  EXPECT_NE(r.err.find("zori check: " + form_error + "\n"), std::string::npos) << r.err;
}

TEST_F(CheckCommandTest, MisspeltCommandIsNamedInTheError) {
  const Outcome r = RunZori({"--package-dir", "/tmp", "chek", "x.dpr"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "zori: unknown command 'chek'\nRun 'zori --help' for the commands.\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(RunZori({"check", "--help"}).code, 0);
}

TEST_F(CheckCommandTest, InheritedFormsAndFramesCountWhatTheirAncestorsGive) {
  const Outcome r =
      RunZori({"check", "--only", "taborder", (kCadastros / "Cadastros.dpr").string()});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string dir = kCadastros.string() + "/";
  EXPECT_EQ(r.out,
            dir +
                "uPrincipal.pas: form frmPrincipal (TfrmPrincipal), 3 components, 3 windowed, "
                "0 datasets\n" +
                dir +
                "uCadastroBase.pas: form frmCadastroBase (TfrmCadastroBase), 9 components, 7 "
                "windowed, 0 datasets\n" +
                dir +
                "uFraEndereco.pas: form fraEndereco (TfraEndereco), 6 components, 3 windowed, 0 "
                "datasets\n" +
                dir +
                "uCadPessoas.pas: form frmCadPessoas (TfrmCadPessoas), 18 components, 12 "
                "windowed, 0 datasets\n" +
                dir +
                "uCadClientes.pas: form frmCadClientes (TfrmCadClientes), 24 components, 13 "
                "windowed, 1 dataset\n" +
                dir +
                "uCadProdutos.pas: form frmCadProdutos (TfrmCadProdutos), 16 components, 9 "
                "windowed, 1 dataset\n" +
                "6 modules, 6 forms\n");

  // A name an ancestor form gives is a finding of that form only, not of each descendant.
  const Outcome names =
      RunZori({"check", "--json", "--only", "names", (kCadastros / "Cadastros.dpr").string()});
  ASSERT_EQ(names.code, 1) << names.err;
  int btn_gravar = 0;
  const auto doc = nlohmann::json::parse(names.out);
  for (const auto& module : doc["modules"]) {
    for (const auto& finding : module["findings"])
      btn_gravar += finding["component"] == "btnGravar";
  }
  EXPECT_EQ(btn_gravar, 1);
}

TEST_F(CheckCommandTest, MissingAncestorIsAWarningUntilTheSearchPathFindsIt) {
  const fs::path proj = root_ / "proj";
  const fs::path comum = root_ / "comum";
  fs::create_directories(proj);
  fs::create_directories(comum);
  for (const char* file : {"uPessoa.pas", "uPessoa.dfm", "uCliente.pas", "uCliente.dfm"})
    fs::copy_file(kHeranca / file, proj / file);
  for (const char* file : {"uBase.pas", "uBase.dfm"}) fs::copy_file(kHeranca / file, comum / file);

  const Outcome missing = RunZori({"check", "--only", "taborder", proj.string()});
  EXPECT_EQ(missing.code, 0);
  const std::string warning =
      ": the form of ancestor class TfrmBase was not found (its unit can be given with "
      "--search-path); the form is loaded without what it inherits\n";
  EXPECT_EQ(missing.err, "zori check: warning: " + (proj / "uCliente.dfm").string() + warning +
                             "zori check: warning: " + (proj / "uPessoa.dfm").string() + warning);
  EXPECT_EQ(missing.out,
            (proj / "uCliente.pas").string() +
                ": form frmCliente (TfrmCliente), 10 components, 4 windowed, 1 dataset\n" +
                (proj / "uPessoa.pas").string() +
                ": form frmPessoa (TfrmPessoa), 5 components, 3 windowed, 0 datasets\n" +
                "2 modules, 2 forms\n");

  const Outcome found = RunZori(
      {"check", "--json", "--only", "taborder", "--search-path", comum.string(), proj.string()});
  EXPECT_EQ(found.code, 0);
  EXPECT_EQ(found.err, "");
  const auto doc = nlohmann::json::parse(found.out);
  EXPECT_TRUE(doc["warnings"].empty());
  EXPECT_EQ(doc["modules"][0]["form"]["components"], 13);
  EXPECT_EQ(doc["modules"][0]["form"]["windowed"], 7);
  EXPECT_EQ(doc["modules"][1]["form"]["components"], 9);
  // The ancestor's files are only read.
  EXPECT_EQ(ReadAll(comum / "uBase.dfm"), ReadAll(kHeranca / "uBase.dfm"));

  const Outcome one = RunZori({"check", "--only", "taborder", (comum / "uBase.pas").string()});
  EXPECT_EQ(one.out, (comum / "uBase.pas").string() +
                         ": form frmBase (TfrmBase), 5 components, 4 windowed, 0 datasets\n"
                         "1 module, 1 form\n");
}

TEST_F(CheckCommandTest, ClassesNoTableKnowsAreCountedAsTheFormShowsThemAndListed) {
  const std::string dir = std::string(ZORI_TEST_DATA_DIR) + "/host/Terceiros";
  const Outcome r = RunZori({"check", "--only", "taborder", dir});
  EXPECT_EQ(r.code, 1) << r.err;  // the inferred windowed controls take part in the tab order
  EXPECT_EQ(r.out, dir +
                       "/uTerceiros.pas: form frmTerceiros (TfrmTerceiros), 8 components, 4 "
                       "windowed, 1 dataset\n"
                       "  taborder: frmTerceiros: tab order edtCidade, edtCodigo, pnlTopo; "
                       "suggested pnlTopo, edtCodigo, edtCidade\n"
                       "5 classes no class table knows, inferred from the forms (--json lists "
                       "them)\n1 module, 1 form, 1 finding in 1 form\n");

  const Outcome j = RunZori({"check", "--json", dir});
  const auto doc = nlohmann::json::parse(j.out);
  ASSERT_EQ(doc["inferred_classes"].size(), 5u);
  EXPECT_EQ(doc["inferred_classes"][1], nlohmann::json({{"class", "TJvEdit"},
                                                        {"parent", "TWinControl"},
                                                        {"reason", "stores TabOrder"},
                                                        {"file", dir + "/uTerceiros.dfm"},
                                                        {"line", 30}}));
  EXPECT_EQ(doc["inferred_classes"][2]["parent"], "TDataSet");
  // Forms made only of palette classes leave nothing to infer.
  const Outcome example = RunZori({"check", "--json", (kExample / "Estoque.dpr").string()});
  EXPECT_TRUE(nlohmann::json::parse(example.out)["inferred_classes"].empty());
}

TEST_F(CheckCommandTest, LazarusExampleOpensThroughItsLpiWithTheLclClasses) {
  const fs::path lazarus = fs::path(ZORI_SOURCE_DIR) / "examples" / "Agenda";

  // The folder stands for its .lpi; the program's units come in the project's order.
  const Outcome r = RunZori({"check", "--only", "taborder", lazarus.string()});
  EXPECT_EQ(r.code, 1) << r.err;  // the inherited form's own controls come before the base's
  EXPECT_EQ(r.err, "");
  const std::string dir = lazarus.string() + "/";
  EXPECT_EQ(
      r.out,
      dir +
          "uprincipal.pas: form frmPrincipal (TfrmPrincipal), 10 components, 4 windowed, "
          "0 datasets\n" +
          dir + "udados.pas: form dmDados (TdmDados), 10 components, 0 windowed, 2 datasets\n" +
          dir + "ubase.pas: form frmBase (TfrmBase), 2 components, 2 windowed, 0 datasets\n" + dir +
          "ufiltro.pas: form fraFiltro (TfraFiltro), 2 components, 1 windowed, 0 datasets\n" + dir +
          "ucontatos.pas: form frmContatos (TfrmContatos), 10 components, 7 windowed, 0 "
          "datasets\n" +
          "  taborder: frmContatos: tab order pnlBotoes, edtNome, edtTelefone, cbxGrupo, "
          "navContatos, grdContatos; suggested edtNome, edtTelefone, cbxGrupo, navContatos, "
          "grdContatos, pnlBotoes\n" +
          "5 modules, 5 forms, 1 finding in 1 form\n");
  // Every class of the example is in the LCL's table; nothing is left to infer.
  const Outcome j = RunZori({"check", "--json", (lazarus / "agenda.lpi").string()});
  EXPECT_EQ(j.code, 1) << j.err;
  const auto doc = nlohmann::json::parse(j.out);
  EXPECT_EQ(doc["project"], (lazarus / "agenda.lpi").string());
  EXPECT_TRUE(doc["inferred_classes"].empty()) << doc["inferred_classes"].dump();
  EXPECT_EQ(doc["modules"][1]["form"]["file"], dir + "udados.lfm");
}

TEST_F(CheckCommandTest, UnitsOfOneNameInTwoFoldersAreBothChecked) {
  // Projects keep copies of a helper unit in several folders; each is a unit of its own.
  for (const char* folder : {"Comum", "Componentes"}) {
    fs::create_directories(root_ / "src" / folder);
    std::ofstream(root_ / "src" / folder / "uUtil.pas") << "unit uUtil;\ninterface\n"
                                                           "implementation\nend.\n";
  }
  const Outcome r = Zori({"check", (root_ / "src").string()});
  EXPECT_EQ(r.code, 0) << r.err;
  for (const char* folder : {"Comum", "Componentes"}) {
    EXPECT_NE(r.out.find((root_ / "src" / folder / "uUtil.pas").string() + ": no form\n"),
              std::string::npos)
        << r.out;
  }
}
