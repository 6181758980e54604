#include "editor/U_funcoes_ideditor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/exceptions.h"

namespace {

// A parameter list as "name: type, ..." (an untyped one as its bare name).
std::string Entries(const TZORIEditorParser& p, const TStringSlotList& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    const int type = list.Objects(i);
    out += (i > 0 ? ", " : "") + list.Strings(i) + (type < 0 ? "" : ": " + p.Types.Strings(type));
  }
  return out;
}

// What a parse of text reads, in one line: "kind name(params; var params): result", or the
// message it fails with.
std::string Read(const std::string& text) {
  TZORIEditorParser p;
  p.Source = text.c_str();
  try {
    p.Parse();
  } catch (const platform::Exception& e) {
    return e.what();
  }
  std::string out = std::string(FuncKindName(p.Kind)) + " " + p.Name;
  const std::string params = Entries(p, p.Params);
  const std::string vars = Entries(p, p.VarParams);
  if (!params.empty() || !vars.empty())
    out += "(" + params + (params.empty() || vars.empty() ? "" : "; ") +
           (vars.empty() ? "" : "var " + vars) + ")";
  if (p.FuncResult.Count() > 0) out += ": " + p.Types.Strings(p.FuncResult.Objects(0));
  return out;
}

}  // namespace

TEST(DeclarationParserTest, DeclarationsOfEveryShapeReadAsTheyAreWritten) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      // Every keyword whatever its letter case; const and var groups.
      {"function TForm1.Calc(const A, B: Integer; var S: string): Boolean;",
       "fncFunction TForm1.Calc(A: Integer, B: Integer; var S: string): Boolean"},
      {"PROCEDURE Foo;", "fncProcedure Foo"},
      {"Constructor TFoo.Create(AOwner: TComponent);",
       "fncConstructor TFoo.Create(AOwner: TComponent)"},
      {"destructor TFoo.Destroy;", "fncDestructor TFoo.Destroy"},
      {"FUNCTION Now: TDateTime;", "fncFunction Now: TDateTime"},
      {"procedure Foo(VAR A: Integer; Const B: string);",
       "fncProcedure Foo(B: string; var A: Integer)"},
      {"class procedure Foo;", "fncClass "},
      {"unit U_Demo;", "fncUnit U_Demo"},
      {"procedure Foo[1];", "fncProcedure Foo[1]"},
      // Text before the keyword is skipped; "procedure<tab>Foo" is one token, not a keyword.
      {"  x := 1; end; procedure Bar(A: Integer);", "fncProcedure Bar(A: Integer)"},
      {"procedure\tFoo; procedure Bar;", "fncProcedure Bar"},
      // Comments never enter tokens; one inside a word joins its halves; "(*)" is whole.
      {"procedure {note} Foo(* more *)(A: Integer);", "fncProcedure Foo(A: Integer)"},
      {"proce{x}dure Fo(*)o;", "fncProcedure Foo"},
      {"{ procedure Hidden; } (* function Gone: X; *) unit Real;", "fncUnit Real"},
      // Line comments are not recognised; a delimiter but "(" before "*" is ordinary.
      {"// see procedure Foo;\nprocedure Bar;", "fncProcedure Foo"},
      {"procedure Foo;*x; procedure Bar;", "fncProcedure Foo;*x"},
      // Parameter groups keep their type texts; a type met again in any case is shared.
      {"procedure Foo(var X; const Y);", "fncProcedure Foo(Y; var X)"},
      {"procedure Foo(A: string; B: String);", "fncProcedure Foo(A: string, B: string)"},
      {"procedure Foo(A: Descrição; B: DESCRIÇÃO);",
       "fncProcedure Foo(A: Descrição, B: Descrição)"},
      {"procedure Foo(A: Integer = 0);", "fncProcedure Foo(A: Integer = 0)"},
      {"procedure Foo(A , B : array of Byte;\r\n  C: PChar);",
       "fncProcedure Foo(A: array of Byte, B: array of Byte, C: PChar)"},
      {"procedure Foo\r\n(A: Integer);", "fncProcedure Foo(A: Integer)"},
      {"function Foo(): Integer;", "fncFunction Foo: Integer"},
      {"procedure Foo( );", "fncProcedure Foo"},
      {"{ Ação } procedure Façade; x", "fncProcedure Façade"},
      // Unexpected delimiters and unclosed comments fail.
      {"procedure Foo, Bar;", "unanticipated data encountered"},
      {"function Foo(A: Integer)) ;", "unanticipated data encountered"},
      {"procedure Foo(A: Integer {no end", "no closing comment"},
      {"procedure Foo(* no end );", "no closing comment"},
      {"{ procedure Foo;", "no closing comment"},
      {std::string(10000, '(') + "*", "no closing comment"},
      // Text ending early fails without reading past its end, the terminating zero included.
      {std::string("procedure Foo\0(A: Integer);", 27), "unexpected end of text"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(Read(text), expected) << text;
  for (const std::string text :
       {"", "   \r\n", "{only} (* comments *)", "x := 1; end;", "procedure", "procedure Foo",
        "procedure Foo(A: Integer", "procedure Foo(A ", "procedure Foo(var ", "function F: Integer",
        "function F(A: Integer)", "unit U_Demo", "class"}) {
    EXPECT_EQ(Read(text), "unexpected end of text") << "text: " << text;
  }
  TZORIEditorParser empty;
  EXPECT_THROW(empty.Parse(), platform::Exception);  // no Source at all reads as empty
}

TEST(DeclarationParserTest, AFailedParseKeepsWhatWasReadAndPositionsCountCharacters) {
  const std::string text = "function Foo(A: Integer)) ;";
  TZORIEditorParser parser;
  parser.Source = text.c_str();
  EXPECT_THROW(parser.Parse(), platform::Exception);
  EXPECT_EQ(parser.Name, "Foo");
  EXPECT_EQ(Entries(parser, parser.Params), "A: Integer");

  const std::string accented = "{ Ação } procedure Façade; x";
  TZORIEditorParser once;
  once.Source = accented.c_str();
  once.Parse();
  EXPECT_EQ(once.Pos, 26);  // the characters up to and including ";"
  // Pos placed by the caller skips that many characters, accented ones included.
  const std::string two = "ççççprocedure Foo; procedure Bar;";
  TZORIEditorParser from;
  from.Source = two.c_str();
  from.Pos = 4;
  from.Parse();
  EXPECT_EQ(from.Name, "Foo");
}
