// zori comment: header comments written above real declarations of fixture units, read back
// and replaced on a second run, through the editor's command and the comment manager.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ide/source_editor.h"
#include "ide/text_encoding.h"
#include "zori_run.h"

namespace fs = std::filesystem;

namespace {

// The header of the routine Soma as written with the shipped configuration.
const char* const kSomaHeader =
    "{== ROVUVUVoravud == Soma=======================================================\r\n"
    "[ Identificador: Soma                                                          ]\r\n"
    "[ Descrição: Soma dois valores inteiros e devolve o total.                     ]\r\n"
    "[ Analista                   |Programador                  |Data / Hora        ]\r\n"
    "[ Ana                        |Rui                          |05/12/2026 07:30   ]\r\n"
    "[ Parâmetros:------------------------------------------------------------------]\r\n"
    "[ A : Integer | Primeira parcela                                               ]\r\n"
    "[ B : Integer | Segunda parcela                                                ]\r\n"
    "[ End. Parâmetros:-------------------------------------------------------------]\r\n"
    "[ Retorno: Integer| A soma de A e B                                            ]\r\n"
    "[ Hist. Revisões:--------------------------------------------------------------]\r\n"
    "[ Dt. Hist  |Prog. Hist.   |Desc. Hist                                         ]\r\n"
    "[ 05/12/2026| Rui          | Criação                                           ]\r\n"
    "=== ROVUVUVoravud == Soma======================================================}\r\n";

std::string Utf8(const std::string& bytes) {
  return ide::DecodeText(bytes, ide::DetectEncoding(bytes));
}

// A header line: text, blanks up to the frame's end, the end character.
std::string Framed(const std::string& text) {
  return text + std::string(79 - ide::ToChars(text).size(), ' ') + "]";
}

class CommentCommandTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    fs::create_directories(root_ / "src");
  }

  std::string Unit(const std::string& name) {
    const fs::path to = root_ / "src" / name;
    fs::copy_file(fs::path(ZORI_TEST_DATA_DIR) / "comment" / name, to);
    return to.string();
  }
  std::string Unit(const std::string& name, const std::string& bytes) {
    const fs::path to = root_ / "src" / name;
    std::ofstream(to, std::ios::binary) << bytes;
    return to.string();
  }
  Outcome Comment(const std::string& unit, std::vector<std::string> args) {
    args.insert(args.begin(), {"comment", unit});
    return Zori(args);
  }
};

const std::vector<std::string> kSomaFlags = {
    "--description", "Soma dois valores inteiros e devolve o total.",
    "--analyst",     "Ana",
    "--programmer",  "Rui",
    "--date",        "05/12/2026",
    "--time",        "07:30",
    "--param",       "A=Primeira parcela",
    "--param",       "b=Segunda parcela",
    "--result",      "A soma de A e B",
    "--history",     "05/12/2026|Rui|Criação"};

}  // namespace

TEST_F(CommentCommandTest, HeaderIsWrittenAboveTheRoutineAndASecondRunReadsItBackUnchanged) {
  const std::string unit = Unit("Calculos.pas");
  const std::string before = ReadAll(unit);
  std::vector<std::string> args = kSomaFlags;
  args.insert(args.end(), {"--line", "25", "--print"});
  Outcome first = Comment(unit, args);
  ASSERT_EQ(first.code, 0) << first.err;
  EXPECT_EQ(first.out, kSomaHeader);
  EXPECT_EQ(first.err, "");

  // In the unit's own encoding and breaks, above line 25, every other byte as it was.
  const std::string after = ReadAll(unit);
  std::string header;
  std::string err;
  ASSERT_TRUE(ide::EncodeText(kSomaHeader, ide::TextEncoding::Windows1252, &header, &err));
  const size_t line25 = before.find("function Soma(A, B: Integer): Integer;\r\nbegin");
  EXPECT_EQ(after, before.substr(0, line25) + header + before.substr(line25));

  // Nothing given: everything comes back from the old header, which is replaced in place.
  Outcome second = Comment(unit, {"--routine", "tcalculadora.acumula"});
  ASSERT_EQ(second.code, 0) << second.err;
  Outcome third = Comment(unit, {"--routine", "SOMA", "--line", "3"});
  EXPECT_EQ(third.code, 2);
  const std::string with_acumula = ReadAll(unit);
  Outcome again = Comment(unit, {"--line", "39", "--print"});  // Soma, below its header
  ASSERT_EQ(again.code, 0) << again.err;
  EXPECT_EQ(again.out, kSomaHeader);
  EXPECT_EQ(ReadAll(unit), with_acumula);

  // A new revision row joins the history; the rest stays.
  Outcome revised =
      Comment(unit, {"--routine", "Soma", "--history", "06/12/2026||Ajuste", "--print"});
  ASSERT_EQ(revised.code, 0) << revised.err;
  const std::vector<std::string> lines = Lines(revised.out);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[12], Lines(kSomaHeader)[12]);
  EXPECT_EQ(lines[13],
            "[ 06/12/2026| Programador  | Ajuste                                            ]");
}

TEST_F(CommentCommandTest, DeclarationsOfEveryShapeGetTheirOwnHeader) {
  const std::string unit = Unit("Calculos.pas");
  // A class declaration has no name; a var parameter comes after the value parameters;
  // a procedure has no result line; a routine without parameters has no parameter lines.
  Outcome cls = Comment(unit, {"--line", "11", "--print"});
  ASSERT_EQ(cls.code, 0) << cls.err;
  EXPECT_TRUE(cls.out.starts_with("{== ROVUVUVoravud =====")) << cls.out;
  Outcome method = Comment(unit, {"--routine", "TCalculadora.Acumula", "--print"});
  ASSERT_EQ(method.code, 0) << method.err;
  std::vector<std::string> lines = Lines(method.out);
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(lines[6], Framed("[ Valor : Integer |"));
  EXPECT_EQ(lines[7], Framed("[ Total : Integer |"));
  EXPECT_EQ(method.out.find("Retorno"), std::string::npos);
  // Cursor on the blank line above Foo's body: the header goes there, named after Foo.
  const std::vector<std::string> before = Lines(Utf8(ReadAll(unit)));
  const auto implementation = std::find(before.begin(), before.end(), "implementation");
  const int blank = static_cast<int>(std::find(implementation, before.end(), "procedure Foo;") -
                                     before.begin());  // 0-based, so the blank line's number
  Outcome foo = Comment(unit, {"--line", std::to_string(blank), "--print"});
  ASSERT_EQ(foo.code, 0) << foo.err;
  lines = Lines(foo.out);
  EXPECT_EQ(lines.size(), 8u) << foo.out;
  EXPECT_TRUE(lines[0].starts_with("{== ROVUVUVoravud == Foo===")) << lines[0];
  const std::vector<std::string> after = Lines(Utf8(ReadAll(unit)));
  EXPECT_EQ(after[blank - 1], lines[0]);
  EXPECT_EQ(after[blank + 6], lines[7]);
  EXPECT_EQ(after[blank + 7], "");
  EXPECT_EQ(after[blank + 8], "procedure Foo;");

  // FooBar's header is not Foo's: each keeps its own, and every original line stays.
  ASSERT_EQ(Comment(unit, {"--routine", "FooBar", "--description", "Outra"}).code, 0);
  ASSERT_EQ(Comment(unit, {"--routine", "Foo", "--description", "Primeira"}).code, 0);
  const std::string text = Utf8(ReadAll(unit));
  EXPECT_NE(text.find("[ Descrição: Outra "), std::string::npos);
  EXPECT_NE(text.find("[ Descrição: Primeira "), std::string::npos);
  size_t foo_headers = 0;
  size_t foobar_headers = 0;
  for (const std::string& line : Lines(text)) {
    foo_headers += line.starts_with("{== ROVUVUVoravud == Foo===");
    foobar_headers += line.starts_with("{== ROVUVUVoravud == FooBar===");
  }
  EXPECT_EQ(foo_headers, 1u);
  EXPECT_EQ(foobar_headers, 1u);
  EXPECT_EQ(Lines(text).size(), before.size() + 8 + 8);
}

TEST_F(CommentCommandTest, LfOnlyUtf8UnitWithTabsKeepsItsBreaksAndCompiles) {
  const std::string unit = Unit("Utilitarios.pas");
  std::string lf = ReadAll(unit);
  for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  std::ofstream(unit, std::ios::binary) << lf;
  Outcome result = Comment(unit, {"--routine", "ParaTexto", "--description",
                                  "Converte, com acentuação.", "--param", "Casas=Número de casas"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::string after = ReadAll(unit);
  EXPECT_TRUE(after.starts_with("\xEF\xBB\xBFunit Utilitarios;\n"));
  EXPECT_EQ(after.find('\r'), std::string::npos);
  EXPECT_NE(after.find("[ Descrição: Converte, com acentuação."), std::string::npos);
  EXPECT_NE(after.find("}\n\t\tfunction ParaTexto("), std::string::npos);
  EXPECT_EQ(Comment(unit, {"--routine", "ParaTexto"}).code, 0);
  EXPECT_EQ(ReadAll(unit), after);

  // The header is a comment the compiler passes over.
  if (std::system("command -v fpc > /dev/null 2>&1") != 0) GTEST_SKIP() << "no Pascal compiler";
  const std::string build = (root_ / "out").string();
  fs::create_directories(build);
  const std::string command =
      "fpc -Mdelphi -FU" + build + " " + unit + " > " + build + "/log.txt 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadAll(build + "/log.txt");
}

TEST_F(CommentCommandTest, OldHeadersAreMatchedWholeAndOnlyWhenComplete) {
  // The first line opens a header of Foo's that never closes; FooBar's header precedes
  // Foo's declaration; a header of Bar lost its last line.
  const std::string text =
      "{== ROVUVUVoravud == Foo=======}\r\n"
      "unit U;\r\ninterface\r\nimplementation\r\n"
      "{== ROVUVUVoravud == FooBar====\r\n[ Descrição: de FooBar ]\r\n"
      "=== ROVUVUVoravud == FooBar===}\r\n"
      "{== ROVUVUVoravud == Bar=======\r\n[ Descrição: perdida }\r\n"
      "procedure Foo;\r\nbegin\r\nend;\r\nprocedure Bar;\r\nbegin\r\nend;\r\nend.\r\n";
  const std::string unit = Unit("U.pas", text);
  Outcome foo = Comment(unit, {"--routine", "Foo", "--cancel"});
  EXPECT_EQ(foo.code, 0) << foo.err;
  EXPECT_EQ(ReadAll(unit), text);
  ASSERT_EQ(Comment(unit, {"--routine", "Foo"}).code, 0);
  ASSERT_EQ(Comment(unit, {"--routine", "Bar"}).code, 0);
  const std::string after = ReadAll(unit);
  for (const std::string& line : Lines(text))
    EXPECT_NE(after.find(line), std::string::npos) << line;
  EXPECT_EQ(Lines(after).size(), Lines(text).size() + 8 + 8);

  // Two headers of Foo: the upper one is read back and replaced, the other stays.
  const std::string two = Unit("D.pas", "procedure Foo;\r\nbegin\r\nend;\r\n");
  ASSERT_EQ(Comment(two, {"--line", "1", "--description", "Um"}).code, 0);
  std::string doubled = ReadAll(two);
  const std::string upper = doubled.substr(0, doubled.find("procedure Foo;"));
  std::string lower = upper;
  lower.replace(lower.find("Um "), 4, "Dois");
  std::ofstream(two, std::ios::binary) << upper + lower + "procedure Foo;\r\nbegin\r\nend;\r\n";
  ASSERT_EQ(Comment(two, {"--routine", "Foo", "--description", "Tres"}).code, 0);
  doubled = ReadAll(two);
  EXPECT_LT(doubled.find("Tres "), doubled.find("Dois"));
  EXPECT_EQ(doubled.find("Um "), std::string::npos);

  // The cursor inside a body: the header of the next declaration goes in at the cursor line.
  const std::string body =
      Unit("B.pas", "procedure A;\r\nbegin\r\n  X;\r\nend;\r\nprocedure B;\r\n");
  Outcome inside = Comment(body, {"--line", "3", "--print"});
  ASSERT_EQ(inside.code, 0) << inside.err;
  EXPECT_TRUE(inside.out.starts_with("{== ROVUVUVoravud == B===")) << inside.out;
  EXPECT_TRUE(
      Utf8(ReadAll(body)).starts_with("procedure A;\r\nbegin\r\n" + inside.out + "  X;\r\n"));

  // A unit whose own first line is a complete header: read back, not doubled.
  const std::string top = Unit("T.pas", "procedure Foo;\r\nbegin\r\nend;\r\n");
  ASSERT_EQ(Comment(top, {"--line", "1", "--description", "Topo"}).code, 0);
  const std::string once = ReadAll(top);
  ASSERT_EQ(Comment(top, {"--line", "9"}).code, 0);
  EXPECT_EQ(ReadAll(top), once);
}

TEST_F(CommentCommandTest, BadInputIsNamedAndLeavesTheUnitAlone) {
  const std::string text = "unit V;\r\ninterface\r\n{ aberto\r\nprocedure P;\r\n";
  const std::string unit = Unit("V.pas", text);
  Outcome none = Comment(unit, {"--line", "3", "--programmer", "Rui"});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.err.find("no closing comment"), std::string::npos) << none.err;
  Outcome past = Comment(unit, {"--line", "40"});
  EXPECT_EQ(past.code, 1);
  EXPECT_NE(past.err.find("line 40 lies past the end"), std::string::npos) << past.err;
  Outcome missing = Comment(unit, {"--routine", "Q"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("no declaration of routine Q"), std::string::npos) << missing.err;
  EXPECT_EQ(ReadAll(unit), text);

  EXPECT_EQ(Comment(unit, {"--line", "1", "--date", "2026-12-05"}).code, 2);
  EXPECT_EQ(Comment(unit, {"--line", "1", "--param", "semigual"}).code, 2);
  EXPECT_EQ(Comment(unit, {"--line", "1", "--history", "so|dois"}).code, 2);
  EXPECT_EQ(Comment(unit, {}).code, 2);
  EXPECT_EQ(Comment((root_ / "src" / "nada.pas").string(), {"--line", "1"}).code, 2);

  const std::string calc = Unit("Calculos.pas");
  const std::string original = ReadAll(calc);
  Outcome unknown = Comment(calc, {"--routine", "Soma", "--param", "C=nada"});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_NE(unknown.err.find("--param C"), std::string::npos);
  ::chmod(calc.c_str(), 0444);
  if (::access(calc.c_str(), W_OK) != 0) {  // not when the tests run as the superuser
    Outcome locked = Comment(calc, {"--routine", "Soma"});
    EXPECT_EQ(locked.code, 1);
    EXPECT_NE(locked.err.find("Calculos.pas"), std::string::npos) << locked.err;
  }
  ::chmod(calc.c_str(), 0644);
  EXPECT_EQ(ReadAll(calc), original);

  // Frame characters the read-back cannot tell apart are refused.
  const fs::path config = root_ / "pkg" / "ZORIIDEx_Config_Comment.xml";
  std::string xml = ReadAll(config);
  xml.replace(xml.find("TX_CHAR_FIM=\"]\""), 15, "TX_CHAR_FIM=\"[\"");
  std::ofstream(config, std::ios::binary) << xml;
  Outcome frame = Comment(calc, {"--routine", "Soma"});
  EXPECT_EQ(frame.code, 1);
  EXPECT_NE(frame.err.find("três caracteres diferentes"), std::string::npos) << frame.err;
  EXPECT_EQ(ReadAll(calc), original);
}
