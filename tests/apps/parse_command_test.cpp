#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "zori_run.h"

namespace {

namespace fs = std::filesystem;

// The built zori executable with input piped to its standard input.
Outcome RunBinary(const std::string& args, const std::string& input) {
  const fs::path dir = fs::temp_directory_path() / ("zori_parse_" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "in", std::ios::binary) << input;
  const std::string command = std::string("cat '") + (dir / "in").string() + "' | '" + ZORI_BINARY +
                              "' " + args + " >'" + (dir / "out").string() + "' 2>'" +
                              (dir / "err").string() + "'";
  const int status = std::system(command.c_str());
  Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(dir / "out"),
                  ReadAll(dir / "err")};
  fs::remove_all(dir);
  return outcome;
}

const std::string kCalc = "function TForm1.Calc(const A, B: Integer; var S: string): Boolean;";
const std::string kCalcJson =
    R"({"kind":"fncFunction","name":"TForm1.Calc","params":[{"name":"A","type":"Integer"},)"
    R"({"name":"B","type":"Integer"}],"var_params":[{"name":"S","type":"string"}],)"
    R"("result":"Boolean","types":["Integer","string","Boolean"]})"
    "\n";

}  // namespace

TEST(ParseCommandTest, PrintsTheFirstDeclarationOfStandardInputOrAFileAsJson) {
  const Outcome in_process = RunZori({"parse"}, kCalc);
  EXPECT_EQ(in_process.code, 0);
  EXPECT_EQ(in_process.out, kCalcJson);
  EXPECT_EQ(in_process.err, "");

  const Outcome piped = RunBinary("parse", "{ header }\r\n" + kCalc + "\r\nbegin\r\nend;\r\n");
  EXPECT_EQ(piped.code, 0);
  EXPECT_EQ(piped.out, kCalcJson);
  EXPECT_EQ(piped.err, "");

  const Outcome dash = RunZori({"parse", "-"}, "procedure Foo(var X; const Y);");
  EXPECT_EQ(dash.out, R"({"kind":"fncProcedure","name":"Foo","params":[{"name":"Y","type":null}],)"
                      R"("var_params":[{"name":"X","type":null}],"result":null,"types":[]})"
                      "\n");

  // A file named: its first declaration, and standard input is not read.
  const std::string unit = std::string(ZORI_TEST_DATA_DIR) + "/parser/U_Relatorio.pas";
  const Outcome file = RunBinary("parse '" + unit + "'", kCalc);
  EXPECT_EQ(file.code, 0);
  EXPECT_EQ(file.out, R"({"kind":"fncUnit","name":"U_Relatorio","params":[],"var_params":[],)"
                      R"("result":null,"types":[]})"
                      "\n");

  const Outcome missing = RunZori({"parse", "/nonexistent/U_None.pas"}, kCalc);
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("/nonexistent/U_None.pas"), std::string::npos) << missing.err;
}

TEST(ParseCommandTest, ParseErrorsPrintTheMessageAloneAndExitOne) {
  // Each message of the parser is tested with the parser; here, how the command shows one.
  const Outcome outcome = RunZori({"parse"}, "procedure Foo(A: Integer {no end");
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "no closing comment\n");
  const Outcome piped = RunBinary("parse", "procedure Foo, Bar;");
  EXPECT_EQ(piped.code, 1);
  EXPECT_EQ(piped.err, "unanticipated data encountered\n");
}

TEST(ParseCommandTest, ReadsWindows1252AndUtf8WithByteOrderMark) {
  const std::string expected =
      R"({"kind":"fncFunction","name":"F","params":[{"name":"T","type":"string = 'Relatório'"}],)"
      R"("var_params":[],"result":"Boolean","types":["string = 'Relatório'","Boolean"]})"
      "\n";
  EXPECT_EQ(RunZori({"parse"}, "function F(const T: string = 'Relat\xF3rio'): Boolean;").out,
            expected);
  EXPECT_EQ(RunZori({"parse"},
                    "\xEF\xBB\xBF"
                    "function F(const T: string = 'Relatório'): Boolean;")
                .out,
            expected);
}

TEST(ParseCommandTest, BadInputEndsWithAClearErrorOrAResult) {
  std::string repeated;
  for (int i = 0; i < 500000; ++i) repeated += "(*";
  EXPECT_EQ(RunZori({"parse"}, repeated).err, "no closing comment\n");
  const Outcome closed = RunZori({"parse"}, repeated + "*) procedure Foo;");
  EXPECT_EQ(closed.code, 0);
  EXPECT_EQ(nlohmann::json::parse(closed.out)["name"], "Foo");

  const std::string line(10 * 1024 * 1024, 'x');
  EXPECT_EQ(RunZori({"parse"}, line).err, "unexpected end of text\n");
  const Outcome long_line = RunBinary("parse", line + " procedure Foo(A: Integer);");
  EXPECT_EQ(long_line.code, 0);
  EXPECT_EQ(nlohmann::json::parse(long_line.out)["params"][0]["type"], "Integer");

  // Arbitrary bytes: a clean exit with a message or a JSON object, never a crash.
  std::mt19937 random(4);
  for (int round = 0; round < 50; ++round) {
    std::string bytes(4096, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    bytes += " procedure Foo(A: Integer);";
    const Outcome outcome = RunZori({"parse"}, bytes);
    if (outcome.code == 0) {
      EXPECT_TRUE(nlohmann::json::parse(outcome.out).is_object());
    } else {
      EXPECT_EQ(outcome.code, 1);
      EXPECT_TRUE(outcome.err == "unexpected end of text\n" ||
                  outcome.err == "no closing comment\n" ||
                  outcome.err == "unanticipated data encountered\n")
          << outcome.err;
    }
  }
  const Outcome binary = RunBinary("parse", std::string("\x01\xFF\xFE\x80{\x7F}\n") + kCalc);
  EXPECT_EQ(binary.code, 0);
  EXPECT_EQ(nlohmann::json::parse(binary.out)["name"], "TForm1.Calc");
}
