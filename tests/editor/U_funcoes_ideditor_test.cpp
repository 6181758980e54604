#include "editor/U_funcoes_ideditor.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/exceptions.h"

namespace {

// A parser that has parsed text (which must outlive it); parse errors propagate.
std::unique_ptr<TZORIEditorParser> Parsed(const std::string& text) {
  auto parser = std::make_unique<TZORIEditorParser>();
  parser->Source = text.c_str();
  parser->Parse();
  return parser;
}

// The entries of a parameter list as "name: type", or just "name" when untyped.
std::vector<std::string> Entries(const TZORIEditorParser& p, const TStringSlotList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) {
    const int type = list.Objects(i);
    out.push_back(type < 0 ? list.Strings(i) : list.Strings(i) + ": " + p.Types.Strings(type));
  }
  return out;
}

std::vector<std::string> TypesOf(const TZORIEditorParser& p) {
  std::vector<std::string> out;
  for (int i = 0; i < p.Types.Count(); ++i) out.push_back(p.Types.Strings(i));
  return out;
}

// The message a parse of text fails with, or "parsed" when it succeeds.
std::string ErrorOf(const std::string& text) {
  TZORIEditorParser parser;
  parser.Source = text.c_str();
  try {
    parser.Parse();
  } catch (const platform::Exception& e) {
    return e.what();
  }
  return "parsed";
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(DeclarationParserTest, FunctionWithConstAndVarGroupsGivesParamsResultAndSharedTypes) {
  const std::string text = "function TForm1.Calc(const A, B: Integer; var S: string): Boolean;";
  auto p = Parsed(text);
  EXPECT_EQ(p->Kind, fncFunction);
  EXPECT_EQ(p->Name, "TForm1.Calc");
  EXPECT_EQ(TypesOf(*p), (Strings{"Integer", "string", "Boolean"}));
  EXPECT_EQ(Entries(*p, p->Params), (Strings{"A: Integer", "B: Integer"}));
  EXPECT_EQ(p->Params.Objects(0), 0);
  EXPECT_EQ(p->Params.Objects(1), 0);
  EXPECT_EQ(Entries(*p, p->VarParams), (Strings{"S: string"}));
  ASSERT_EQ(p->FuncResult.Count(), 1);
  EXPECT_EQ(p->FuncResult.Strings(0), "function result");
  EXPECT_EQ(p->FuncResult.Objects(0), 2);
  EXPECT_EQ(p->LastChar, ';');
}

TEST(DeclarationParserTest, EveryKeywordSetsItsKindWhateverItsLetterCase) {
  EXPECT_EQ(Parsed("procedure Foo;")->Kind, fncProcedure);
  auto upper = Parsed("PROCEDURE Foo;");
  EXPECT_EQ(upper->Kind, fncProcedure);
  EXPECT_EQ(upper->Name, "Foo");
  EXPECT_EQ(upper->Params.Count(), 0);
  EXPECT_EQ(upper->FuncResult.Count(), 0);
  EXPECT_EQ(Parsed("Constructor TFoo.Create(AOwner: TComponent);")->Kind, fncConstructor);
  EXPECT_EQ(Parsed("destructor TFoo.Destroy;")->Kind, fncDestructor);
  EXPECT_EQ(Parsed("FUNCTION Now: TDateTime;")->Kind, fncFunction);

  auto modifiers = Parsed("procedure Foo(VAR A: Integer; Const B: string);");
  EXPECT_EQ(Entries(*modifiers, modifiers->VarParams), (Strings{"A: Integer"}));
  EXPECT_EQ(Entries(*modifiers, modifiers->Params), (Strings{"B: string"}));

  const std::array<std::string_view, 3> keywords = {"alpha", "beta", "gamma"};
  EXPECT_EQ(IndexOfKeyword("BETA", keywords), 1);
  EXPECT_EQ(IndexOfKeyword("delta", keywords), 3);
  EXPECT_EQ(IndexOfKeyword("", keywords), 3);
}

TEST(DeclarationParserTest, TextBeforeTheKeywordIsSkippedButTabsDoNotDelimit) {
  auto p = Parsed("  x := 1; end; procedure Bar(A: Integer);");
  EXPECT_EQ(p->Name, "Bar");
  EXPECT_EQ(Entries(*p, p->Params), (Strings{"A: Integer"}));

  // "procedure<tab>Foo" is one token, not a keyword, so the next declaration is the one read.
  EXPECT_EQ(Parsed("procedure\tFoo; procedure Bar;")->Name, "Bar");
}

TEST(DeclarationParserTest, CommentsNeverEnterTokens) {
  auto p = Parsed("procedure {note} Foo(* more *)(A: Integer);");
  EXPECT_EQ(p->Name, "Foo");
  EXPECT_EQ(Entries(*p, p->Params), (Strings{"A: Integer"}));

  // A comment inside a word joins its halves; "(*)" is a whole comment.
  EXPECT_EQ(Parsed("proce{x}dure Fo(*)o;")->Name, "Foo");
  // Keywords inside comments are not seen.
  EXPECT_EQ(Parsed("{ procedure Hidden; } (* function Gone: X; *) unit Real;")->Name, "Real");
  // Line comments are not recognised: their words are read like any other.
  EXPECT_EQ(Parsed("// see procedure Foo;\nprocedure Bar;")->Name, "Foo");
  // Any delimiter but "(" followed by "*" is an ordinary character.
  EXPECT_EQ(Parsed("procedure Foo;*x; procedure Bar;")->Name, "Foo;*x");
}

TEST(DeclarationParserTest, ParameterGroupsKeepTheirTypeTextsAndAnEmptyListHasNone) {
  auto untyped = Parsed("procedure Foo(var X; const Y);");
  EXPECT_EQ(Entries(*untyped, untyped->VarParams), (Strings{"X"}));
  EXPECT_EQ(untyped->VarParams.Objects(0), -1);
  EXPECT_EQ(Entries(*untyped, untyped->Params), (Strings{"Y"}));
  EXPECT_EQ(untyped->Params.Objects(0), -1);

  auto split = Parsed("procedure Foo(var A: Integer; B: string);");
  EXPECT_EQ(Entries(*split, split->Params), (Strings{"B: string"}));
  EXPECT_EQ(Entries(*split, split->VarParams), (Strings{"A: Integer"}));

  auto shared = Parsed("procedure Foo(A: string; B: String);");
  EXPECT_EQ(TypesOf(*shared), (Strings{"string"}));
  EXPECT_EQ(shared->Params.Objects(1), 0);

  EXPECT_EQ(TypesOf(*Parsed("procedure Foo(A: Integer = 0);")), (Strings{"Integer = 0"}));
  auto spaced = Parsed("procedure Foo(A , B : array of Byte;\r\n  C: PChar);");
  EXPECT_EQ(Entries(*spaced, spaced->Params),
            (Strings{"A: array of Byte", "B: array of Byte", "C: PChar"}));

  auto broken = Parsed("procedure Foo\r\n(A: Integer);");
  EXPECT_EQ(broken->Name, "Foo");
  EXPECT_EQ(Entries(*broken, broken->Params), (Strings{"A: Integer"}));

  // An empty parameter list declares no parameter.
  auto p = Parsed("function Foo(): Integer;");
  EXPECT_EQ(p->Params.Count(), 0);
  EXPECT_EQ(p->VarParams.Count(), 0);
  EXPECT_EQ(TypesOf(*p), (Strings{"Integer"}));
  EXPECT_EQ(Parsed("procedure Foo( );")->Params.Count(), 0);
}

TEST(DeclarationParserTest, ClassUnitAndBracketedNames) {
  auto cls = Parsed("class procedure Foo;");
  EXPECT_EQ(cls->Kind, fncClass);
  EXPECT_EQ(cls->Name, "");
  EXPECT_EQ(cls->Params.Count() + cls->VarParams.Count() + cls->Types.Count(), 0);

  auto unit = Parsed("unit U_Demo;");
  EXPECT_EQ(unit->Kind, fncUnit);
  EXPECT_EQ(unit->Name, "U_Demo");

  EXPECT_EQ(Parsed("procedure Foo[1];")->Name, "Foo[1]");
}

TEST(DeclarationParserTest, UnexpectedDelimitersFailAndKeepWhatWasRead) {
  EXPECT_EQ(ErrorOf("procedure Foo, Bar;"), "unanticipated data encountered");
  EXPECT_EQ(ErrorOf("function Foo(A: Integer)) ;"), "unanticipated data encountered");

  const std::string text = "function Foo(A: Integer)) ;";
  TZORIEditorParser parser;
  parser.Source = text.c_str();
  EXPECT_THROW(parser.Parse(), platform::Exception);
  EXPECT_EQ(parser.Name, "Foo");
  EXPECT_EQ(Entries(parser, parser.Params), (Strings{"A: Integer"}));
}

TEST(DeclarationParserTest, UnclosedCommentsFail) {
  EXPECT_EQ(ErrorOf("procedure Foo(A: Integer {no end"), "no closing comment");
  EXPECT_EQ(ErrorOf("procedure Foo(* no end );"), "no closing comment");
  EXPECT_EQ(ErrorOf("{ procedure Foo;"), "no closing comment");
  EXPECT_EQ(ErrorOf(std::string(10000, '(') + "*"), "no closing comment");
}

TEST(DeclarationParserTest, TextEndingEarlyFailsWithoutReadingPastItsEnd) {
  for (const std::string text :
       {"", "   \r\n", "{only} (* comments *)", "x := 1; end;", "procedure", "procedure Foo",
        "procedure Foo(A: Integer", "procedure Foo(A ", "procedure Foo(var ", "function F: Integer",
        "function F(A: Integer)", "unit U_Demo", "class"}) {
    EXPECT_EQ(ErrorOf(text), "unexpected end of text") << "text: " << text;
  }
  // Whatever follows the terminating zero is not part of the text.
  const std::string buffer("procedure Foo\0(A: Integer);", 27);
  EXPECT_EQ(ErrorOf(buffer), "unexpected end of text");
  TZORIEditorParser parser;
  EXPECT_EQ(ErrorOf(std::string()), "unexpected end of text");
  EXPECT_THROW(parser.Parse(), platform::Exception);  // no Source at all reads as empty
}

TEST(DeclarationParserTest, PositionsCountCharactersNotBytes) {
  const std::string text = "{ Ação } procedure Façade; x";
  auto p = Parsed(text);
  EXPECT_EQ(p->Name, "Façade");
  EXPECT_EQ(p->Pos, 26);  // the characters up to and including ";"

  // Pos placed by the caller skips that many characters, accented ones included.
  const std::string two = "ççççprocedure Foo; procedure Bar;";
  TZORIEditorParser parser;
  parser.Source = two.c_str();
  parser.Pos = 4;
  parser.Parse();
  EXPECT_EQ(parser.Name, "Foo");
}

TEST(DeclarationParserTest, UniqueListAddsEachTextOnceIgnoringCase) {
  TUniqueStringList list;
  EXPECT_EQ(list.Add("Integer"), 0);
  EXPECT_EQ(list.Add("string"), 1);
  EXPECT_EQ(list.Add("INTEGER"), 0);
  EXPECT_EQ(list.Add("Descrição"), 2);
  EXPECT_EQ(list.Add("DESCRIÇÃO"), 2);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(0), "Integer");  // the text met first is kept
  list.Clear();
  EXPECT_EQ(list.Add("INTEGER"), 0);
  EXPECT_EQ(list.Strings(0), "INTEGER");
}
