#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "zori_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kProject = fs::path(ZORI_TEST_DATA_DIR) / "taborder" / "Pedidos";

// A scratch copy of the order-entry project and a package directory beside it.
class TabOrderCommandTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    CopyIn(kProject, "Pedidos");
  }
  fs::path Dir() const { return root_ / "Pedidos"; }
};

// The lines of text that differ, each pair as "was -> now"; the texts must have as many lines.
std::vector<std::string> ChangedLines(const std::string& was, const std::string& now) {
  std::vector<std::string> a, b, out;
  for (auto [text, lines] : {std::pair{&was, &a}, std::pair{&now, &b}}) {
    size_t start = 0;
    for (size_t end; (end = text->find("\r\n", start)) != std::string::npos; start = end + 2)
      lines->push_back(text->substr(start, end - start));
    lines->push_back(text->substr(start));
  }
  EXPECT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) out.push_back(a[i] + " -> " + b[i]);
  return out;
}

TEST_F(TabOrderCommandTest, PrintsTheSuggestionAndApplyWritesOnlyTabOrderLines) {
  const std::string dpr = (Dir() / "Pedidos.dpr").string();
  const Outcome look = Zori({"taborder", dpr, "--active-control"});
  EXPECT_EQ(look.code, 0) << look.err;
  EXPECT_EQ(look.out, (Dir() / "uTab.dfm").string() + ": form frmTab\n" +
                          "  frmTab: pnlTopo, edtDireita, edtEsquerda, edtNegativo, edtPositivo, "
                          "pgcDados  [now edtPositivo, edtNegativo, edtEsquerda, edtDireita, "
                          "pnlTopo, pgcDados]\n"
                          "  pnlTopo: btnAjuda, BtnCancelar, btnOk  [now BtnCancelar, btnAjuda, "
                          "btnOk]\n"
                          "  tbsGeral: lvItens, memObs  [as now]\n"
                          "  ActiveControl: btnAjuda  [now none]\n" +
                          (Dir() / "uVazio.dfm").string() + ": form frmVazio\n" +
                          "  ActiveControl: (no tab stop)  [as now]\n"
                          "2 forms, 1 with another tab order\n");
  EXPECT_EQ(ReadAll(Dir() / "uTab.dfm"), ReadAll(kProject / "uTab.dfm"));

  const Outcome apply = Zori({"taborder", "--apply", dpr});
  EXPECT_EQ(apply.code, 0) << apply.err;
  EXPECT_NE(apply.out.find("  written\n"), std::string::npos) << apply.out;
  EXPECT_NE(apply.out.find("2 forms, 1 with another tab order, 1 written\n"), std::string::npos);
  EXPECT_EQ(ChangedLines(ReadAll(kProject / "uTab.dfm"), ReadAll(Dir() / "uTab.dfm")),
            (std::vector<std::string>{
                "    TabOrder = 4 ->     TabOrder = 0", "      TabOrder = 0 ->       TabOrder = 1",
                "      TabOrder = 1 ->       TabOrder = 0", "    TabOrder = 3 ->     TabOrder = 1",
                "    TabOrder = 1 ->     TabOrder = 3", "    TabOrder = 0 ->     TabOrder = 4"}));
  for (const char* untouched : {"uTab.pas", "uVazio.dfm", "uVazio.pas", "Pedidos.dpr"})
    EXPECT_EQ(ReadAll(Dir() / untouched), ReadAll(kProject / untouched)) << untouched;

  const Outcome again = Zori({"taborder", "--apply", dpr});
  EXPECT_NE(again.out.find("2 forms, 0 with another tab order, 0 written\n"), std::string::npos)
      << again.out;
}

TEST_F(TabOrderCommandTest, CheckFindsTheTabOrderPerFormThroughTheWholeFolder) {
  const Outcome r = Zori({"check", "--only", "taborder", Dir().string()});
  EXPECT_EQ(r.code, 1) << r.err;
  const std::string dir = Dir().string() + "/";
  // The findings' lines read as in the example project's check; here, what the folder adds.
  EXPECT_NE(r.out.find(dir + "uTab.pas: form frmTab (TfrmTab), 14 components, 13 windowed"),
            std::string::npos)
      << r.out;
  // The unit no project names is checked on its own.
  EXPECT_NE(r.out.find(dir + "Extras/uSolto.pas: form frmSolto"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("4 modules, 3 forms, 2 findings in 1 form\n"), std::string::npos) << r.out;

  const Outcome j = Zori({"check", "--json", "--only", "taborder", Dir().string()});
  EXPECT_EQ(j.code, 1);
  const auto doc = nlohmann::json::parse(j.out);
  EXPECT_EQ(doc["findings"], 2);
  EXPECT_EQ(doc["projects"], nlohmann::json::array({dir + "Pedidos.dpr"}));
  const auto& finding = doc["modules"][0]["findings"][1];
  EXPECT_EQ(finding["check"], "taborder");
  EXPECT_EQ(finding["container"], "pnlTopo");
  EXPECT_EQ(finding["suggested"], nlohmann::json::array({"btnAjuda", "BtnCancelar", "btnOk"}));

  ASSERT_EQ(Zori({"taborder", "--apply", Dir().string()}).code, 0);
  const Outcome clean = Zori({"check", "--only", "taborder", Dir().string()});
  EXPECT_EQ(clean.code, 0) << clean.out;
}

TEST_F(TabOrderCommandTest, NothingToCheckAndUnknownChecksAreErrors) {
  fs::create_directories(root_ / "vazio" / "docs");
  const Outcome empty = Zori({"check", (root_ / "vazio").string()});
  EXPECT_EQ(empty.code, 2);
  EXPECT_EQ(empty.err, "zori check: " + (root_ / "vazio").string() +
                           ": nothing to open (no .dpr, .lpi, .lpr, .pas, .dfm or .lfm file)\n");
  const Outcome bogus = Zori({"check", "--only", "tabs", Dir().string()});
  EXPECT_EQ(bogus.code, 2);
  EXPECT_NE(bogus.err.find("tabs"), std::string::npos) << bogus.err;
}

}  // namespace
