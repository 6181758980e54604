// Every tool on the Lazarus example, in a scratch copy: what each prints, its exit code,
// and files that differ from the originals only where the tool changed something.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ide/host_fixture.h"
#include "zori_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kAgenda = fs::path(ZORI_SOURCE_DIR) / "examples" / "Agenda";

using ide::testing::Replaced;

class LazarusCommandsTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    CopyIn(kAgenda, "Agenda");
  }
  std::string Path(const std::string& name) const { return (root_ / "Agenda" / name).string(); }
  std::string Now(const std::string& name) const { return ReadAll(root_ / "Agenda" / name); }
  static std::string Original(const std::string& name) { return ReadAll(kAgenda / name); }
  // Every file of the example but those named is as it was.
  void ExpectUntouchedBut(const std::vector<std::string>& changed) const {
    for (const auto& entry : fs::directory_iterator(kAgenda)) {
      const std::string name = entry.path().filename().string();
      if (std::find(changed.begin(), changed.end(), name) != changed.end()) continue;
      EXPECT_EQ(Now(name), Original(name)) << name;
    }
  }
};

}  // namespace

TEST_F(LazarusCommandsTest, TabOrderAndCloseDatasetsWriteOnlyWhatTheyChange) {
  const Outcome tab = Zori({"taborder", "--apply", Path("agenda.lpi")});
  EXPECT_EQ(tab.code, 0) << tab.err;
  // The inherited panel's new place is a difference from the base form, written in the
  // descendant only; the base form is not touched.
  std::string contatos = Original("ucontatos.lfm");
  contatos = Replaced(contatos, "    ClientWidth = 520\n    inherited btnFechar",
                      "    ClientWidth = 520\n    TabOrder = 5\n    inherited btnFechar");
  for (const char* control : {"edtNome", "edtTelefone", "cbxGrupo", "navContatos", "grdContatos"}) {
    const size_t at = contatos.find(std::string(control) + ": ");
    const size_t tab_order = contatos.find("    TabOrder = ", at);
    const size_t end = contatos.find('\n', tab_order);
    const int now = std::stoi(contatos.substr(tab_order + 15, end - tab_order - 15));
    contatos.replace(tab_order, end - tab_order, "    TabOrder = " + std::to_string(now - 1));
  }
  EXPECT_EQ(Now("ucontatos.lfm"), contatos);

  const Outcome close = Zori({"close-datasets", Path("agenda.lpi")});
  EXPECT_EQ(close.code, 0) << close.err;
  EXPECT_NE(close.out.find(": conAgenda.Connected (TSQLite3Connection) switched off\n"),
            std::string::npos)
      << close.out;
  std::string lfm = Original("udados.lfm");
  lfm = Replaced(lfm, "    Connected = True\n", "");
  lfm = Replaced(lfm, "    Active = True\n    Database", "    Database");
  lfm = Replaced(lfm, "    Active = True\n", "");
  EXPECT_EQ(Now("udados.lfm"), lfm);
  ExpectUntouchedBut({"ucontatos.lfm", "udados.lfm"});
}

TEST_F(LazarusCommandsTest, RenameAlignAndCommentKeepTheLclsFormatAndUtf8) {
  const Outcome rename = Zori({"rename", "--apply", Path("agenda.lpi"), "--only", "qryContatos",
                               "--only", "edtNome=dbe_Nome", "--only", "edtFiltro"});
  EXPECT_EQ(rename.code, 0) << rename.err;
  // The unit's class field follows; references in the form follow.
  EXPECT_EQ(Now("udados.pas"), Replaced(Original("udados.pas"), "    qryContatos: TSQLQuery;",
                                        "    sqlq_qryContatos: TSQLQuery;"));
  std::string dados = Original("udados.lfm");
  dados = Replaced(dados, "object qryContatos:", "object sqlq_qryContatos:");
  dados = Replaced(dados, "DataSet = qryContatos\n", "DataSet = sqlq_qryContatos\n");
  EXPECT_EQ(Now("udados.lfm"), dados);
  EXPECT_EQ(Now("ucontatos.pas"),
            Replaced(Original("ucontatos.pas"), "    edtNome: TDBEdit;", "    dbe_Nome: TDBEdit;"));
  // The frame's edit is renamed in the form that places the frame inline too.
  EXPECT_EQ(Now("ufiltro.lfm"),
            Replaced(Replaced(Original("ufiltro.lfm"), "  object edtFiltro: TEdit\n",
                              "  object edt_edtFiltro: TEdit\n"),
                     "FocusControl = edtFiltro\n", "FocusControl = edt_edtFiltro\n"));
  EXPECT_EQ(Now("uprincipal.lfm"),
            Replaced(Original("uprincipal.lfm"), "    inherited edtFiltro: TEdit\n",
                     "    inherited edt_edtFiltro: TEdit\n"));
  std::string contatos = Replaced(Original("ucontatos.lfm"), "object edtNome: TDBEdit[2]",
                                  "object dbe_Nome: TDBEdit[2]");
  contatos = Replaced(contatos, "FocusControl = edtNome\n", "FocusControl = dbe_Nome\n");

  // Positions are written where the LCL writes them (Left, Height, Top, Width).
  const Outcome align = Zori({"align", "top", Path("ucontatos.lfm"), "lblNome", "dbe_Nome"});
  EXPECT_EQ(align.code, 0) << align.err;
  EXPECT_EQ(align.out, "dbe_Nome: (12, 30, 300, 23) -> (12, 12, 300, 23)\n");
  contatos = Replaced(contatos, "    Height = 23\n    Top = 30\n    Width = 300\n",
                      "    Height = 23\n    Top = 12\n    Width = 300\n");
  EXPECT_EQ(Now("ucontatos.lfm"), contatos);

  // A Lazarus unit is UTF-8 even while it holds only ASCII.
  const Outcome comment =
      Zori({"comment", Path("uprincipal.pas"), "--routine", "mniSairClick", "--description",
            "Fecha a aplicação", "--date", "05/12/2026", "--time", "07:30"});
  EXPECT_EQ(comment.code, 0) << comment.err;
  const std::string unit = Now("uprincipal.pas");
  EXPECT_NE(unit.find("Descrição: Fecha a aplicação "), std::string::npos) << unit;
  const std::string original = Original("uprincipal.pas");
  // Above the first declaration of the routine: its line in the form class.
  const size_t at = original.find("    procedure mniSairClick(Sender: TObject);");
  EXPECT_EQ(unit.find("{== "), at);
  EXPECT_EQ(unit.substr(0, at), original.substr(0, at));
  EXPECT_EQ(unit.substr(unit.size() - (original.size() - at)), original.substr(at));
  ExpectUntouchedBut({"udados.pas", "udados.lfm", "ucontatos.pas", "ucontatos.lfm",
                      "uprincipal.pas", "ufiltro.pas", "ufiltro.lfm", "uprincipal.lfm"});
}

TEST_F(LazarusCommandsTest, FormsAndLayoutOnALazarusProject) {
  const Outcome forms = Zori({"forms", Path("agenda.lpi")});
  EXPECT_EQ(forms.code, 0) << forms.err;
  EXPECT_NE(forms.out.find("\nfrmContatos\n  pnlBotoes\n    btnFechar\n  edtNome\n"),
            std::string::npos)
      << forms.out;

  // The desktop file is the Delphi IDE's: nothing to save or apply, and no error.
  const std::string profile = ReadAll(root_ / "pkg" / "ZORIIDEx_LP.xml");
  for (const char* action : {"save", "apply"}) {
    const Outcome layout = Zori({"layout", action, (root_ / "Agenda").string()});
    EXPECT_EQ(layout.code, 0);
    EXPECT_EQ(layout.out, "");
    EXPECT_EQ(layout.err, std::string("zori layout ") + action + ": " +
                              (root_ / "Agenda").string() +
                              ": a Lazarus project; the layout profile places the Delphi IDE's "
                              "windows from its desktop file (.dsk), which Lazarus does not "
                              "have; nothing done\n");
  }
  EXPECT_EQ(ReadAll(root_ / "pkg" / "ZORIIDEx_LP.xml"), profile);
  ExpectUntouchedBut({});
}

TEST_F(LazarusCommandsTest, TabOrderGapsAndEditorsStreamingTheirPartsStayAsTheLclWroteThem) {
  // A splitter keeps its place in the tab order without storing it, so the panels after it
  // are numbered with a gap; a SynEdit is written `inline` with its gutter inside it.
  const fs::path dir = root_ / "Tela";
  fs::create_directories(dir);
  std::ofstream(dir / "utela.pas", std::ios::binary)
      << "unit uTela;\n\n{$mode objfpc}{$H+}\n\ninterface\n\nuses\n  Forms, ExtCtrls, "
         "SynEdit;\n\ntype\n  TfrmTela = class(TForm)\n    pnlA: TPanel;\n    splMeio: "
         "TSplitter;\n    pnlB: TPanel;\n    edtLog: TSynEdit;\n  end;\n\nimplementation\n\n"
         "{$R *.lfm}\n\nend.\n";
  const std::string lfm =
      "object frmTela: TfrmTela\n  Left = 10\n  Height = 300\n  Top = 10\n  Width = 400\n"
      "  Caption = 'Tela'\n  LCLVersion = '3.0.0.3'\n"
      "  object pnlA: TPanel\n    Left = 0\n    Height = 300\n    Top = 0\n    Width = 100\n"
      "    Align = alLeft\n    TabOrder = 0\n  end\n"
      "  object splMeio: TSplitter\n    Left = 100\n    Height = 300\n    Top = 0\n"
      "    Width = 5\n  end\n"
      "  object pnlB: TPanel\n    Left = 105\n    Height = 300\n    Top = 0\n    Width = 295\n"
      "    Align = alClient\n    TabOrder = 2\n"
      "    inline edtLog: TSynEdit\n      Left = 8\n      Height = 200\n      Top = 8\n"
      "      Width = 280\n      TabOrder = 0\n"
      "      inline SynLeftGutterPartList1: TSynGutterPartList\n"
      "        object SynGutterMarks1: TSynGutterMarks\n          Width = 24\n        end\n"
      "      end\n    end\n  end\nend\n";
  std::ofstream(dir / "utela.lfm", std::ios::binary) << lfm;

  const Outcome check = Zori({"check", "--only", "taborder", (dir / "utela.lfm").string()});
  EXPECT_EQ(check.code, 0) << check.out;
  EXPECT_EQ(check.err, "");  // no frame form is looked for the editor

  const Outcome rename =
      Zori({"rename", "--apply", (dir / "utela.pas").string(), "--only", "pnlA"});
  EXPECT_EQ(rename.code, 0) << rename.err;
  EXPECT_EQ(ReadAll(dir / "utela.lfm"),
            Replaced(lfm, "  object pnlA: TPanel\n", "  object pnl_pnlA: TPanel\n"));
}
