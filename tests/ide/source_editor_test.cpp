#include "ide/source_editor.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/disk_module.h"
#include "platform/exceptions.h"

using namespace ide;
using ide::testing::HostFixture;

namespace {

std::shared_ptr<IOTASourceEditor> SourceOf(const std::shared_ptr<IOTAModule>& module) {
  for (int i = 0; i < module->GetModuleFileCount(); ++i) {
    if (auto source = Supports<IOTASourceEditor>(module->GetModuleFileEditor(i))) return source;
  }
  return nullptr;
}

std::string ReadAll(IOTASourceEditor& source) {
  auto reader = source.CreateReader();
  std::string all;
  std::string block;
  for (int pos = 0;; pos += 10) {
    const int n = reader->GetText(pos, block, 10);
    all += block;
    if (n < 10) break;
  }
  return all;
}

}  // namespace

TEST(SourceEditorTest, ReaderCountsCharactersAndWriterInsertsAsOneUndoableEdit) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj/uCadastro.pas"}));
  auto module = f.host->Module(0);
  auto source = SourceOf(module);
  ASSERT_NE(source, nullptr);
  const std::string original = ReadAll(*source);
  EXPECT_EQ(original.substr(0, 16), "unit uCadastro;\r");

  // "Olá" is one character per letter although the á takes two bytes in the buffer.
  const size_t byte_at = original.find("'Ol");
  const int char_at = static_cast<int>(ToChars(original.substr(0, byte_at)).size());
  std::string text;
  EXPECT_EQ(source->CreateReader()->GetText(char_at, text, 5), 5);
  EXPECT_EQ(text, "'Ol\u00e1'");
  EXPECT_EQ(source->CreateReader()->GetText(1 << 20, text, 5), 0);
  EXPECT_EQ(text, "");

  {
    auto writer = source->CreateUndoableWriter();
    writer->CopyTo(char_at + 1);
    writer->Insert("Bom dia, ");
    writer->CopyTo(char_at + 4);
    writer->Insert("!");
    EXPECT_THROW(writer->CopyTo(0), platform::EInvalidOperation);
  }
  EXPECT_NE(ReadAll(*source).find("'Bom dia, Ol\u00e1!'"), std::string::npos);
  EXPECT_TRUE(source->GetModified());
  auto* buffer = dynamic_cast<SourceEditor*>(source.get());
  ASSERT_NE(buffer, nullptr);
  EXPECT_TRUE(buffer->Undo());  // both insertions go back together
  EXPECT_EQ(ReadAll(*source), original);
  EXPECT_FALSE(buffer->Undo());
}

TEST(SourceEditorTest, EditPositionMovesTheCursorAndDeletesLineBreaksAsOneCharacter) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj/uRotinas.pas"}));
  auto module = f.host->Module(0);
  auto source = SourceOf(module);
  auto view = source->GetEditView(0);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(source->GetEditView(1), nullptr);
  EXPECT_EQ(view->GetCursorPos().Line, 1);

  auto position = view->GetBuffer()->GetEditPosition();
  ASSERT_TRUE(position->GotoLine(5));
  EXPECT_EQ(view->GetCursorPos().Line, 5);  // the view's cursor follows the edit position
  const std::string before = ReadAll(*source);
  // Line 5 is "function Soma(...): Integer;" and its line break: 37 + 1 characters.
  const size_t line5 = before.find("function Soma");
  const size_t line6 = before.find("\r\n", line5) + 2;
  position->Delete(static_cast<int>(line6 - line5 - 1));
  EXPECT_EQ(ReadAll(*source), before.substr(0, line5) + before.substr(line6));

  // A unit with a BOM is written back as UTF-8 with its BOM and its CRLF line breaks.
  auto writer = source->CreateUndoableWriter();
  writer->Insert("// Rotinas de apoio \u00e0 tela\r\n");
  writer.reset();
  ASSERT_TRUE(module->Save(false, true));
  const std::string saved = f.files->Contents("proj/uRotinas.pas");
  EXPECT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");
  const std::string header = "// Rotinas de apoio \u00e0 tela\r\n";
  EXPECT_EQ(saved.substr(3, header.size()), header);
}

TEST(SourceEditorTest, BuffersShowCrLfAndSavesGiveTheFileItsOwnBreaksBack) {
  HostFixture f;
  // LF-only, with accented text above line 4 (Windows-1252 on disk).
  f.files->Create("proj/uLf.pas",
                  "unit uLf;\n{ Opera\xE7\xF5"
                  "es }\ninterface\nprocedure P;\n");
  f.files->Create("proj/uMix.pas", "unit uMix;\r\ninterface\nimplementation\r\nend.");
  ASSERT_TRUE(f.Load({"proj/uLf.pas", "proj/uMix.pas"})) << f.errors.front();
  auto lf = f.host->FindModule("proj/uLf.pas");
  auto source = SourceOf(lf);
  EXPECT_EQ(ReadAll(*source),
            "unit uLf;\r\n{ Opera\u00e7\u00f5es }\r\ninterface\r\nprocedure P;\r\n");
  // Line 4 starts at character 11 + 15 + 11: the accented letters count one each.
  auto view = source->GetEditView(0);
  view->SetCursorPos({1, 4});
  EXPECT_EQ(lf->Source().OffsetOf(view->GetCursorPos().Line, 1), 37u);
  std::string text;
  EXPECT_EQ(source->CreateReader()->GetText(37, text, 12), 12);
  EXPECT_EQ(text, "procedure P;");
  {
    auto writer = source->CreateUndoableWriter();
    writer->CopyTo(37);
    writer->Insert("{ nova }\r\n{ linha }\r\n");
  }
  ASSERT_TRUE(lf->Save(false, true));
  EXPECT_EQ(f.files->Contents("proj/uLf.pas"),
            "unit uLf;\n{ Opera\xE7\xF5"
            "es }\ninterface\n{ nova }\n{ linha }\nprocedure P;\n");

  // Mixed breaks: each old line keeps its own; a line typed in takes the most common kind.
  auto mix = f.host->FindModule("proj/uMix.pas");
  auto position = Supports<IOTAEditBuffer>(SourceOf(mix))->GetEditPosition();
  position->GotoLine(3);
  position->Delete(15);  // "implementation" and its break
  {
    auto writer = SourceOf(mix)->CreateUndoableWriter();
    writer->CopyTo(23);
    writer->Insert("uses SysUtils;\r\n");
  }
  ASSERT_TRUE(mix->Save(false, true));
  EXPECT_EQ(f.files->Contents("proj/uMix.pas"), "unit uMix;\r\ninterface\nuses SysUtils;\r\nend.");
  auto* buffer = dynamic_cast<SourceEditor*>(SourceOf(mix).get());
  ASSERT_TRUE(buffer->Undo());
  ASSERT_TRUE(buffer->Undo());
  ASSERT_TRUE(mix->Save(false, true));
  EXPECT_EQ(f.files->Contents("proj/uMix.pas"), "unit uMix;\r\ninterface\nimplementation\r\nend.");
}
