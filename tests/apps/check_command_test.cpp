#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "zori_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kExample = fs::path(ZORI_SOURCE_DIR) / "examples" / "Estoque";

// A scratch copy of the example project, removed at the end of the test.
struct ExampleCopy {
  fs::path dir;
  ExampleCopy() {
    dir = fs::temp_directory_path() /
          ("zori_check_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::copy(kExample, dir, fs::copy_options::recursive);
  }
  ~ExampleCopy() { fs::remove_all(dir); }
};

}  // namespace

TEST(CheckCommandTest, ExampleProjectListsEveryUnitWithItsFormAndCounts) {
  std::vector<std::string> before;
  for (const auto& e : fs::directory_iterator(kExample)) before.push_back(ReadAll(e.path()));

  const std::string dpr = (kExample / "Estoque.dpr").string();
  const Outcome r = RunZori({"check", dpr});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string dir = kExample.string() + "/";
  const std::string expected =
      dir +
      "uPrincipal.pas: form frmPrincipal (TfrmPrincipal), 10 components, 2 windowed, 0 datasets\n" +
      dir +
      "uProdutos.pas: form frmProdutos (TfrmProdutos), 20 components, 11 windowed, 1 datasets\n" +
      dir + "uMovimento.pas: form Form3 (TForm3), 15 components, 8 windowed, 2 datasets\n" + dir +
      "uDM.pas: form DM (TDM), 4 components, 0 windowed, 2 datasets\n" + dir +
      "uFuncoes.pas: no form\n" + "5 modules, 4 forms\n";
  EXPECT_EQ(r.out, expected);

  const Outcome j = RunZori({"check", "--json", dpr});
  EXPECT_EQ(j.code, 0);
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

  // Checking reads only.
  std::vector<std::string> after;
  for (const auto& e : fs::directory_iterator(kExample)) after.push_back(ReadAll(e.path()));
  EXPECT_EQ(after, before);
}

TEST(CheckCommandTest, UnreadableInputsExitTwoWithTheReasonOnStderr) {
  const Outcome missing = RunZori({"check", "nao/existe/Projeto.dpr"});
  EXPECT_EQ(missing.code, 2);
  EXPECT_EQ(missing.err, "zori check: nao/existe/Projeto.dpr: no such file or folder\n");
  EXPECT_EQ(missing.out, "0 modules, 0 forms\n");

  ExampleCopy copy;
  {
    std::ofstream broken(copy.dir / "uMovimento.dfm", std::ios::binary | std::ios::trunc);
    broken << "object Form3: TForm3\r\n  Left = 300\r\n  object Edit1: TEdit\r\n    Text = 'sem "
              "fim\r\n";
  }
  fs::remove(copy.dir / "uFuncoes.pas");
  const Outcome r = RunZori({"check", "--json", (copy.dir / "Estoque.dpr").string()});
  EXPECT_EQ(r.code, 2);
  const auto doc = nlohmann::json::parse(r.out);
  EXPECT_EQ(doc["modules"].size(), 3u);  // the units that loaded are still listed
  ASSERT_EQ(doc["errors"].size(), 2u);
  const std::string form_error = doc["errors"][0];
  EXPECT_EQ(form_error.rfind((copy.dir / "uMovimento.dfm").string() + ":4:", 0), 0u) << form_error;
  EXPECT_EQ(doc["errors"][1], (copy.dir / "Estoque.dpr").string() +
                                  ":9:3: expected the unit file uFuncoes.pas of uFuncoes, "
                                  "found no such file");
  EXPECT_NE(r.err.find("zori check: " + form_error + "\n"), std::string::npos) << r.err;
}

TEST(CheckCommandTest, TheExecutableChecksTheExampleAsTheReadmeRunsIt) {
  const std::string command = std::string(ZORI_BINARY) + " check " +
                              (kExample / "Estoque.dpr").string() + " > /dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST(CheckCommandTest, MisspeltCommandIsNamedInTheError) {
  const Outcome r = RunZori({"--package-dir", "/tmp", "chek", "x.dpr"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "zori: unknown command 'chek'\nRun 'zori --help' for the commands.\n");
  EXPECT_EQ(r.out, "");
}

TEST(CheckCommandTest, ClassesNoTableKnowsAreCountedAsTheFormShowsThemAndListed) {
  const std::string dir = std::string(ZORI_TEST_DATA_DIR) + "/host/Terceiros";
  const Outcome r = RunZori({"check", dir});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, dir +
                       "/uTerceiros.pas: form frmTerceiros (TfrmTerceiros), 8 components, 4 "
                       "windowed, 1 datasets\n"
                       "5 classes no class table knows, inferred from the forms (--json lists "
                       "them)\n1 module, 1 form\n");

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

TEST(CheckCommandTest, LazarusExampleOpensThroughItsLpiWithTheLclClasses) {
  const fs::path lazarus = fs::path(ZORI_SOURCE_DIR) / "examples" / "Agenda";
  std::vector<std::string> before;
  for (const auto& e : fs::directory_iterator(lazarus)) before.push_back(ReadAll(e.path()));

  // The folder stands for its .lpi; the program's units come in the project's order.
  const Outcome r = RunZori({"check", lazarus.string()});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string dir = lazarus.string() + "/";
  EXPECT_EQ(
      r.out,
      dir +
          "uprincipal.pas: form frmPrincipal (TfrmPrincipal), 7 components, 2 windowed, "
          "0 datasets\n" +
          dir + "udados.pas: form dmDados (TdmDados), 10 components, 0 windowed, 2 datasets\n" +
          dir + "ubase.pas: form frmBase (TfrmBase), 2 components, 2 windowed, 0 datasets\n" + dir +
          "ucontatos.pas: form frmContatos (TfrmContatos), 10 components, 7 windowed, 0 "
          "datasets\n" +
          "4 modules, 4 forms\n");
  // Every class of the example is in the LCL's table; nothing is left to infer.
  const Outcome j = RunZori({"check", "--json", (lazarus / "agenda.lpi").string()});
  EXPECT_EQ(j.code, 0) << j.err;
  const auto doc = nlohmann::json::parse(j.out);
  EXPECT_EQ(doc["project"], (lazarus / "agenda.lpi").string());
  EXPECT_TRUE(doc["inferred_classes"].empty()) << doc["inferred_classes"].dump();
  EXPECT_EQ(doc["modules"][1]["form"]["file"], dir + "udados.lfm");

  std::vector<std::string> after;
  for (const auto& e : fs::directory_iterator(lazarus)) after.push_back(ReadAll(e.path()));
  EXPECT_EQ(after, before);
}
