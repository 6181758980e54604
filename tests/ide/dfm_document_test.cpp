#include "ide/dfm_document.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/file_system.h"
#include "ide/memory_file_system.h"

using ide::DfmDocument;
using ide::DfmObject;
using ide::DfmObjectKind;
using ide::DfmValue;
using ide::DfmValueKind;

namespace {

std::string Fixture(const std::string& name) {
  ide::RealFileSystem disk;
  std::string bytes, err;
  EXPECT_TRUE(disk.ReadFile(std::string(ZORI_TEST_DATA_DIR) + "/forms/" + name, &bytes, &err))
      << err;
  return bytes;
}

// Loads a fixture the way the host does: through the file system, by path.
std::unique_ptr<DfmDocument> LoadFixture(ide::MemoryFileSystem& fs, const std::string& name) {
  fs.Create("project/" + name, Fixture(name));
  std::string err;
  auto document = DfmDocument::Load(fs, "project/" + name, &err);
  EXPECT_TRUE(document) << err;
  return document;
}

std::unique_ptr<DfmDocument> LoadFixture(const std::string& name) {
  ide::MemoryFileSystem fs;
  return LoadFixture(fs, name);
}

using ide::testing::Replaced;

// The tree's own consistency check, run after every batch of edits.
void ExpectConsistent(const DfmDocument& document) {
  std::string err;
  EXPECT_TRUE(document.Verify(&err)) << err;
}

std::string ParseError(const std::string& text) {
  std::string err;
  auto document = DfmDocument::Parse("Unit1.dfm", text, &err);
  EXPECT_FALSE(document) << "accepted: " << text;
  return err;
}

}  // namespace

TEST(DfmRoundTripTest, UnchangedFormsAreSavedByteForByte) {
  for (const char* name : {"customers.dfm", "order_entry.dfm", "legacy_1252.dfm", "utf8_bom.dfm"}) {
    ide::MemoryFileSystem fs;
    auto document = LoadFixture(fs, name);
    ASSERT_TRUE(document);
    std::string err;
    ASSERT_TRUE(document->Save(fs, "project/saved.dfm", &err)) << err;
    EXPECT_EQ(fs.Contents("project/saved.dfm"), Fixture(name)) << name;
  }
}

TEST(DfmReadTest, ObjectsKeepTheirKindsNamesClassesAndFileOrder) {
  auto customers = LoadFixture("customers.dfm");
  ASSERT_TRUE(customers);
  std::vector<std::string> names;
  for (DfmObject* object : ide::AllObjects(customers->root()))
    names.push_back(object->name() + ":" + object->class_name());
  EXPECT_EQ(names, (std::vector<std::string>{
                       "frmCustomers:TfrmCustomers", "pnlTop:TPanel", "lblName:TLabel",
                       "lblCity:TLabel", "imgLogo:TImage", "edtName:TDBEdit", "cbCity:TDBComboBox",
                       "memNotes:TDBMemo", "grdCustomers:TDBGrid", "sbStatus:TStatusBar",
                       "qryCustomers:TQuery", "qryCustomersCREDIT:TFloatField",
                       "qryCustomersID:TIntegerField", "dsCustomers:TDataSource"}));
  DfmObject* edit = customers->root().FindChild("PNLTOP")->FindChild("edtName");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->parent()->name(), "pnlTop");
  EXPECT_EQ(edit->line(), 54u);

  auto order = LoadFixture("order_entry.dfm");
  ASSERT_TRUE(order);
  const DfmObject& root = order->root();
  EXPECT_EQ(root.kind(), DfmObjectKind::Inherited);
  DfmObject* back = root.FindChild("pnl_Back");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->children()[0]->kind(), DfmObjectKind::Object);
  EXPECT_EQ(back->children()[1]->kind(), DfmObjectKind::Inline);
  EXPECT_EQ(back->children()[1]->children()[0]->name(), "edtStreet");
  DfmObject* down = root.FindChild("pnl_down");
  EXPECT_EQ(down->FindChild("bbtn_Ok")->child_index(), 0);
  EXPECT_EQ(down->FindChild("bbtn_Cancel")->child_index(), 1);
  EXPECT_FALSE(back->child_index());
  const DfmObject& unnamed = *root.children()[2];
  EXPECT_EQ(unnamed.name(), "");
  EXPECT_EQ(unnamed.class_name(), "TActionList");
  EXPECT_EQ(root.FindChild("nothing"), nullptr);
  EXPECT_EQ(root.FindProperty("nothing"), nullptr);
}

TEST(DfmReadTest, ValuesDecodeToWhatTheObjectInspectorShows) {
  auto document = LoadFixture("customers.dfm");
  ASSERT_TRUE(document);
  DfmObject& form = document->root();
  EXPECT_EQ(form.FindProperty("font.height")->value(), DfmValue::Integer(-11));
  EXPECT_EQ(form.FindProperty("Font.Name")->value(), DfmValue::String("MS Sans Serif"));
  EXPECT_EQ(form.FindProperty("Color")->value(), DfmValue::Identifier("clBtnFace"));
  EXPECT_EQ(form.FindProperty("OldCreateOrder")->value(), DfmValue::Boolean(false));
  EXPECT_EQ(form.FindProperty("Font.Style")->value(), DfmValue::Set({}));
  EXPECT_EQ(form.FindProperty("Width")->value().AsVariant(), platform::Variant(696));
  EXPECT_EQ(form.FindProperty("ActiveControl")->value().AsVariant(), platform::Variant("edtName"));

  DfmObject* panel = form.FindChild("pnlTop");
  EXPECT_EQ(panel->FindChild("edtName")->FindProperty("Hint")->value().text,
            "Nome completo do cliente, como consta no documento de identidade ou no contrato "
            "social da empresa");
  EXPECT_EQ(panel->FindChild("edtName")->FindProperty("ShowHint")->value().AsVariant(),
            platform::Variant(true));
  DfmValue cities = panel->FindChild("cbCity")->FindProperty("Items.Strings")->value();
  ASSERT_EQ(cities.kind, DfmValueKind::List);
  ASSERT_EQ(cities.list.size(), 4u);
  EXPECT_EQ(cities.list[1].text, "Florianópolis");
  EXPECT_EQ(cities.list[2].text, "São Paulo");
  DfmValue notes = panel->FindChild("memNotes")->FindProperty("Lines.Strings")->value();
  ASSERT_EQ(notes.list.size(), 3u);
  EXPECT_EQ(notes.list[0].text, "Linha um\tcom tab");
  EXPECT_EQ(notes.list[1].text, "");
  EXPECT_EQ(notes.list[2].text,
            "Uma linha de observações bem comprida que o IDE quebra em duas partes");
  EXPECT_EQ(panel->FindChild("memNotes")->FindProperty("Anchors")->value(),
            DfmValue::Set({"akLeft", "akTop", "akRight"}));

  DfmValue picture = panel->FindChild("imgLogo")->FindProperty("Picture.Data")->value();
  ASSERT_EQ(picture.kind, DfmValueKind::Binary);
  EXPECT_EQ(picture.bytes.size(), 130u);
  EXPECT_EQ(picture.bytes.substr(0, 8), "\x07TBitmap");

  DfmValue columns = form.FindChild("grdCustomers")->FindProperty("Columns")->value();
  ASSERT_EQ(columns.kind, DfmValueKind::Collection);
  ASSERT_EQ(columns.items.size(), 3u);
  EXPECT_EQ(columns.items[0].properties[2].first, "Title.Caption");
  EXPECT_EQ(columns.items[0].properties[2].second.text, "Código");
  EXPECT_EQ(columns.items[2].properties[0].second, DfmValue::Identifier("taRightJustify"));
  EXPECT_EQ(form.FindChild("sbStatus")->FindProperty("Panels")->value().items.size(), 2u);

  DfmObject* query = form.FindChild("qryCustomers");
  DfmValue sql = query->FindProperty("SQL.Strings")->value();
  ASSERT_EQ(sql.list.size(), 4u);
  EXPECT_EQ(sql.list[2].text, " where STATUS = 'A'");
  DfmValue max = query->FindChild("qryCustomersCREDIT")->FindProperty("MaxValue")->value();
  EXPECT_EQ(max.kind, DfmValueKind::Float);
  EXPECT_DOUBLE_EQ(max.number, 99999.5);
  EXPECT_DOUBLE_EQ(query->FindChild("qryCustomersCREDIT")->FindProperty("MinValue")->value().number,
                   -1250.0);
  EXPECT_TRUE(max.AsVariant().IsEmpty());

  auto order = LoadFixture("order_entry.dfm");
  const DfmObject* total = order->root().FindChild("pnl_Back")->FindChild("lblTotal");
  EXPECT_EQ(total->FindProperty("Font.Color")->value(), DfmValue::Integer(0x00C08000));
  EXPECT_EQ(order->root().children()[3]->FindProperty("Aggregates")->value().items.size(), 0u);
}

TEST(DfmEditTest, ChangedValuesAreWrittenInPlaceAsThePlatformWritesThem) {
  auto document = LoadFixture("customers.dfm");
  ASSERT_TRUE(document);
  std::string expected = Fixture("customers.dfm");
  DfmObject& form = document->root();
  DfmObject& panel = *form.FindChild("pnlTop");

  form.SetProperty("Left", DfmValue::Integer(-20));
  expected = Replaced(expected, "  Left = 192\r\n", "  Left = -20\r\n");
  form.SetProperty("caption", DfmValue::String("Relatório 'Anual' € 2026"));
  expected = Replaced(expected, "  Caption = 'Cadastro de Clientes'\r\n",
                      "  Caption = 'Relat'#243'rio '#39'Anual'#39' '#8364' 2026'\r\n");
  form.SetProperty("Position", DfmValue::Identifier("poDesigned"));
  expected = Replaced(expected, "poScreenCenter", "poDesigned");
  form.FindChild("qryCustomers")->SetProperty("Active", DfmValue::Boolean(false));
  expected = Replaced(expected, "    Active = True\r\n", "    Active = False\r\n");
  panel.FindChild("memNotes")->SetProperty("Anchors", DfmValue::Set({"akLeft", "akBottom"}));
  expected = Replaced(expected, "[akLeft, akTop, akRight]", "[akLeft, akBottom]");
  // Over 64 characters: begun on its own line, split every 64 with " +".
  std::string hint(64, 'a');
  hint += std::string(64, 'b') + "\r\nc";
  panel.FindChild("lblCity")->SetProperty("Caption", DfmValue::String(hint));
  expected = Replaced(expected, "      Caption = 'Cidade'\r\n",
                      "      Caption = \r\n        '" + std::string(64, 'a') + "' +\r\n        '" +
                          std::string(64, 'b') + "' +\r\n        #13#10'c'\r\n");
  // A multi-line value becomes a single short one.
  panel.FindChild("edtName")->SetProperty("Hint", DfmValue::String("Nome"));
  expected = Replaced(expected,
                      "Hint = \r\n        'Nome completo do cliente, como consta no documento "
                      "de identidade' +\r\n        ' ou no contrato social da empresa'\r\n",
                      "Hint = 'Nome'\r\n");
  EXPECT_TRUE(form.FindProperty("Left")->modified());
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);

  // What was written reads back as what was set.
  std::string err;
  auto reread = DfmDocument::Parse("again.dfm", document->Write(), &err);
  ASSERT_TRUE(reread) << err;
  EXPECT_EQ(reread->root().FindProperty("Caption")->value().text, "Relatório 'Anual' € 2026");
  EXPECT_EQ(reread->root()
                .FindChild("pnlTop")
                ->FindChild("lblCity")
                ->FindProperty("Caption")
                ->value()
                .text,
            hint);

  // Setting a value back to what the file holds restores the file's own text.
  form.SetProperty("Left", DfmValue::Integer(192));
  EXPECT_FALSE(form.FindProperty("Left")->modified());
  expected = Replaced(expected, "  Left = -20\r\n", "  Left = 192\r\n");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);
}

TEST(DfmEditTest, ListsCollectionsAndBinaryAreRewrittenInThePlatformLayout) {
  auto document = LoadFixture("customers.dfm");
  ASSERT_TRUE(document);
  DfmObject& panel = *document->root().FindChild("pnlTop");
  std::string expected = Fixture("customers.dfm");

  // Re-setting decoded values with one change rewrites them as the IDE would have.
  DfmObject& memo = *panel.FindChild("memNotes");
  DfmValue lines = memo.FindProperty("Lines.Strings")->value();
  lines.list[1] = DfmValue::String("segunda");
  memo.SetProperty("Lines.Strings", lines);
  expected = Replaced(expected, "        ''\r\n", "        'segunda'\r\n");

  DfmObject& grid = *document->root().FindChild("grdCustomers");
  DfmValue columns = grid.FindProperty("Columns")->value();
  columns.items[1].properties[3].second = DfmValue::Integer(300);
  grid.SetProperty("Columns", columns);
  expected = Replaced(expected, "        Width = 260\r\n", "        Width = 300\r\n");

  DfmObject& image = *panel.FindChild("imgLogo");
  DfmValue picture = image.FindProperty("Picture.Data")->value();
  picture.bytes.back() = '\x0F';
  image.SetProperty("Picture.Data", picture);
  expected = Replaced(expected, "        FFFF}\r\n", "        FF0F}\r\n");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);

  DfmValue no_columns;
  no_columns.kind = DfmValueKind::Collection;
  grid.SetProperty("Columns", no_columns);
  expected = Replaced(
      expected,
      expected.substr(expected.find("    Columns = <"),
                      expected.find("      end>\r\n") + 12 - expected.find("    Columns = <")),
      "    Columns = <>\r\n");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);
}

TEST(DfmEditTest, AddedPropertiesFollowTheLastPropertyWithTheObjectsIndentation) {
  auto document = LoadFixture("order_entry.dfm");
  ASSERT_TRUE(document);
  std::string expected = Fixture("order_entry.dfm");
  DfmObject& root = document->root();

  // Before the children, after the existing properties.
  root.FindChild("pnl_Back")->SetProperty("Color", DfmValue::Identifier("clWhite"));
  expected = Replaced(expected, "    Height = 332\n    object lblTotal",
                      "    Height = 332\n    Color = clWhite\n    object lblTotal");
  // An object with no properties takes its header's indentation plus two.
  root.FindChild("pnl_down")->FindChild("bbtn_Cancel")->SetProperty("Left", DfmValue::Integer(264));
  expected = Replaced(expected, "    inherited bbtn_Cancel: TBitBtn [1]\n",
                      "    inherited bbtn_Cancel: TBitBtn [1]\n      Left = 264\n");
  // Two additions keep the order they were made in.
  DfmObject& items = *root.FindChild("cdsItems");
  items.SetProperty("ReadOnly", DfmValue::Boolean(true));
  items.SetProperty("Filter", DfmValue::String("QTY > 0"));
  expected = Replaced(expected, "    Top = 8\n  end\nend\n",
                      "    Top = 8\n    ReadOnly = True\n    Filter = 'QTY > 0'\n  end\nend\n");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);
  EXPECT_EQ(items.FindProperty("filter")->value(), DfmValue::String("QTY > 0"));
  EXPECT_EQ(items.FindProperty("Filter")->source_text(), "");
}

TEST(DfmEditTest, RemovedPropertiesLeaveNoLineBehindAndCanComeBack) {
  auto document = LoadFixture("customers.dfm");
  ASSERT_TRUE(document);
  std::string original = Fixture("customers.dfm");
  DfmObject& query = *document->root().FindChild("qryCustomers");
  const std::string kSql =
      "    SQL.Strings = (\r\n      'select ID, NAME, CITY, NOTES, CREDIT'\r\n      '  from "
      "CUSTOMERS'\r\n      ' where STATUS = '#39'A'#39\r\n      ' order by NAME')\r\n";

  EXPECT_TRUE(query.RemoveProperty("Active"));
  EXPECT_FALSE(query.RemoveProperty("Active"));
  EXPECT_EQ(query.FindProperty("Active"), nullptr);
  EXPECT_TRUE(query.RemoveProperty("SQL.Strings"));
  DfmObject& last = *query.FindChild("qryCustomersID");
  EXPECT_TRUE(last.RemoveProperty("Required"));
  std::string expected = Replaced(original, "    Active = True\r\n", "");
  expected = Replaced(expected, kSql, "");
  expected = Replaced(expected, "      Required = True\r\n", "");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);

  // Put back, a property returns to its old place; a removed then added one too.
  query.SetProperty("Active", DfmValue::Boolean(false));
  last.SetProperty("Required", DfmValue::Boolean(true));
  expected = Replaced(original, "    Active = True\r\n", "    Active = False\r\n");
  expected = Replaced(expected, kSql, "");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);
  EXPECT_EQ(query.properties()[0].name(), "Active");
}

TEST(DfmEditTest, RenamingChangesOnlyTheObjectHeader) {
  auto document = LoadFixture("order_entry.dfm");
  ASSERT_TRUE(document);
  std::string expected = Fixture("order_entry.dfm");
  DfmObject& root = document->root();
  root.FindChild("cdsItems")->Rename("cds_Itens");
  expected =
      Replaced(expected, "object cdsItems: TClientDataSet", "object cds_Itens: TClientDataSet");
  root.FindChild("pnl_down")->FindChild("bbtn_Ok")->Rename("bbtn_Confirma");
  expected =
      Replaced(expected, "inherited bbtn_Ok: TBitBtn [0]", "inherited bbtn_Confirma: TBitBtn [0]");
  // The unnamed action list gets a name; it then reads back under it.
  root.children()[2]->Rename("alActions");
  expected = Replaced(expected, "  object TActionList\n", "  object alActions: TActionList\n");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);
  EXPECT_EQ(root.FindChild("CDS_ITENS")->class_name(), "TClientDataSet");

  std::string err;
  auto reread = DfmDocument::Parse("x.dfm", document->Write(), &err);
  ASSERT_TRUE(reread) << err;
  EXPECT_EQ(reread->root().children()[2]->name(), "alActions");
  reread->root().children()[2]->Rename("");
  EXPECT_EQ(reread->Write(),
            Replaced(expected, "  object alActions: TActionList\n", "  object TActionList\n"));
}

TEST(DfmEditTest, FormsWrittenOnOneLineStayReadable) {
  std::string err;
  auto document =
      DfmDocument::Parse("one.dfm", "object F: TForm A = 'x'B = 1 object C: TC end end", &err);
  ASSERT_TRUE(document) << err;
  DfmObject& form = document->root();
  form.RemoveProperty("A");
  form.SetProperty("B", DfmValue::String("y"));
  form.SetProperty("D", DfmValue::Boolean(true));
  EXPECT_EQ(document->Write(), "object F: TForm B = 'y'\r\n  D = True object C: TC end end");
  auto again = DfmDocument::Parse("one.dfm", document->Write(), &err);
  ASSERT_TRUE(again) << err;
  EXPECT_EQ(again->root().FindProperty("D")->value(), DfmValue::Boolean(true));
}

TEST(DfmErrorTest, MalformedFormsNameFileLineAndColumn) {
  EXPECT_EQ(ParseError(""),
            "Unit1.dfm:1:1: expected 'object', 'inherited' or 'inline', found end of file");
  EXPECT_EQ(ParseError("object Form1: TForm1\r\n  Left = 1\r\n"),
            "Unit1.dfm:3:1: expected property name, child object or 'end', found end of file");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  object B: TButton\n  end\n"),
            "Unit1.dfm:4:1: expected child object or 'end', found end of file");
  EXPECT_EQ(ParseError("object Form1: TForm1\nend\nend\n"),
            "Unit1.dfm:3:1: expected end of file, found 'end'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Caption = 'abc\nend\n"),
            "Unit1.dfm:2:17: expected closing quote, found end of line");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Caption = 'abc' +\nend\n"),
            "Unit1.dfm:3:1: expected string after '+', found 'end'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Left == 1\nend\n"),
            "Unit1.dfm:2:9: expected property value, found '='");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Left 1\nend\n"),
            "Unit1.dfm:2:8: expected '=', found '1'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Left = 12ab\nend\n"),
            "Unit1.dfm:2:10: expected a number, found '12ab'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Left = 99999999999999999999\nend\n"),
            "Unit1.dfm:2:10: expected an integer of at most 64 bits, found "
            "'99999999999999999999'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Tag = @\nend\n"),
            "Unit1.dfm:2:9: expected a name, number, string or symbol, found '@'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Anchors = [akLeft akTop]\nend\n"),
            "Unit1.dfm:2:21: expected ',' or ']', found 'akTop'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Lines.Strings = (\n    'a'\n"),
            "Unit1.dfm:4:1: expected list value or ')', found end of file");
  EXPECT_EQ(ParseError("object G: TDBGrid\n  Columns = <\n    item\n      Width = 5\n  >\nend\n"),
            "Unit1.dfm:5:3: expected property name or 'end', found '>'");
  EXPECT_EQ(ParseError("object I: TImage\n  Picture.Data = {\n    0A1G}\nend\n"),
            "Unit1.dfm:3:8: expected hexadecimal digit or '}', found 'G'");
  EXPECT_EQ(ParseError("object I: TImage\n  Picture.Data = {\n    0A1}\nend\n"),
            "Unit1.dfm:3:8: expected second hexadecimal digit of a byte, found '}'");
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Caption = #\nend\n"),
            "Unit1.dfm:2:14: expected character code after '#', found end of line");
  EXPECT_EQ(ParseError("object Form1: TForm1 [x]\nend\n"),
            "Unit1.dfm:1:23: expected child position, found 'x'");
  // Columns count characters, not bytes.
  EXPECT_EQ(ParseError("object Form1: TForm1\n  Caption = 'ação' @\nend\n"),
            "Unit1.dfm:2:20: expected a name, number, string or symbol, found '@'");
}

TEST(DfmErrorTest, BinaryHostileAndHugeInputNeverCrashes) {
  ide::MemoryFileSystem fs;
  fs.Create("Unit1.dfm", std::string("TPF0\x06TForm1\x05"
                                     "Form1",
                                     16));
  std::string err;
  EXPECT_FALSE(DfmDocument::Load(fs, "Unit1.dfm", &err));
  EXPECT_EQ(err,
            "Unit1.dfm:1:1: expected a text form file, found a binary form file (convert it to "
            "text first)");
  // Forms kept as compiled resources start with the resource header's 0xFF, whatever
  // type and name follow it.
  for (const std::string& resource : {std::string("\xFF\x0A\x00TFORM1\x00\x30\x10", 12),
                                      std::string("\xFF\xFF\x0A\x00\xFF\xFF\x01\x00", 8)}) {
    fs.Create("Unit2.dfm", resource);
    EXPECT_FALSE(DfmDocument::Load(fs, "Unit2.dfm", &err));
    EXPECT_EQ(err,
              "Unit2.dfm:1:1: expected a text form file, found a binary form file (convert it to "
              "text first)");
  }
  EXPECT_FALSE(DfmDocument::Load(fs, "Missing.dfm", &err));
  EXPECT_EQ(err, "Missing.dfm: No such file or directory");
  EXPECT_TRUE(fs.writes().empty());

  // Nesting deep enough to exhaust the stack is refused.
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "object A: T\n";
  EXPECT_EQ(ParseError(deep),
            "Unit1.dfm:202:1: expected at most 200 nested objects, found deeper nesting");
  std::string lists = "object A: T\n  X = ";
  lists += std::string(100000, '(');
  EXPECT_EQ(ParseError(lists),
            "Unit1.dfm:2:207: expected at most 200 nested values, found deeper nesting");

  // A one-line form of several megabytes is read, and written back whole.
  std::string huge =
      "object Form1: TForm1 Caption = '" + std::string(4 << 20, 'x') + "' Tag = 1 end";
  auto document = DfmDocument::Parse("Unit1.dfm", huge, &err);
  ASSERT_TRUE(document) << err;
  EXPECT_EQ(document->root().FindProperty("Caption")->value().text.size(), 4u << 20);
  document->root().SetProperty("Tag", DfmValue::Integer(2));
  EXPECT_EQ(document->Write(), Replaced(huge, "Tag = 1", "Tag = 2"));
  EXPECT_EQ(ParseError(std::string(1 << 20, 'x')),
            "Unit1.dfm:1:1: expected 'object', 'inherited' or 'inline', found '" +
                std::string(40, 'x') + "...'");
}

TEST(DfmEncodingTest, LegacyAndUnicodeFormsReadAsUtf8AndKeepTheirBytes) {
  auto legacy = LoadFixture("legacy_1252.dfm");
  ASSERT_TRUE(legacy);
  EXPECT_EQ(legacy->encoding(), ide::TextEncoding::Windows1252);
  EXPECT_EQ(legacy->root().FindProperty("Caption")->value().text, "Relatório de Crédito €");
  EXPECT_EQ(legacy->root().FindProperty("Hint")->value().text, "Função\r\nPróxima");
  EXPECT_EQ(legacy->root().FindChild("lblCodigo")->FindProperty("Caption")->value().text, "Código");
  // A changed value is escaped; the other raw bytes stay as they were.
  legacy->root().FindChild("lblCodigo")->SetProperty("Caption", DfmValue::String("Código Fiscal"));
  EXPECT_EQ(legacy->Write(), Replaced(Fixture("legacy_1252.dfm"),
                                      "    Caption = 'C\xf3"
                                      "digo'\r\n",
                                      "    Caption = 'C'#243'digo Fiscal'\r\n"));

  auto unicode = LoadFixture("utf8_bom.dfm");
  ASSERT_TRUE(unicode);
  EXPECT_EQ(unicode->encoding(), ide::TextEncoding::Utf8Bom);
  EXPECT_EQ(unicode->root().name(), "frmUnicode");
  EXPECT_EQ(unicode->root().FindProperty("Caption")->value().text, "Relatório €");
  EXPECT_EQ(unicode->root().FindProperty("Hint")->value().text, "日本\r\nfim");
  unicode->root().SetProperty("Tag", DfmValue::Integer(7));
  EXPECT_EQ(unicode->Write(), Replaced(Fixture("utf8_bom.dfm"), "#13#10'fim'\nend\n",
                                       "#13#10'fim'\n  Tag = 7\nend\n"));
  EXPECT_EQ(ParseError("\xEF\xBB\xBFobject F: T\n  Caption = 'ã' ?\nend\n"),
            "Unit1.dfm:2:17: expected a name, number, string or symbol, found '?'");
  EXPECT_EQ(ParseError("\xEF\xBB\xBFobject : T\nend\n"),
            "Unit1.dfm:1:8: expected object name or class name, found ':'");

  // Past U+FFFF the platform's UTF-16 strings hold two codes, possibly split by '+'.
  unicode->root().SetProperty("Caption", DfmValue::String("Olá 😀"));
  EXPECT_NE(unicode->Write().find("  Caption = 'Ol'#225' '#55357#56832\n"), std::string::npos);
  std::string err;
  auto pairs = DfmDocument::Parse(
      "p.dfm", "object F: T\n  A = 'x'#55357 +\n    #56832\n  B = #56832'y'#55357\nend\n", &err);
  ASSERT_TRUE(pairs) << err;
  EXPECT_EQ(pairs->root().FindProperty("A")->value().text, "x😀");
  EXPECT_EQ(pairs->root().FindProperty("B")->value().text, "\uFFFDy\uFFFD");
  EXPECT_EQ(ParseError("object F: T\n  A = #1114112\nend\n"),
            "Unit1.dfm:2:7: expected a character code up to 1114111, found '#1114112'");
}

TEST(LfmRoundTripTest, LazarusFormsReadAndWriteTheLclsText) {
  ide::MemoryFileSystem fs;
  auto document = LoadFixture(fs, "clientes.lfm");
  ASSERT_TRUE(document);
  std::string expected = Fixture("clientes.lfm");
  std::string err;
  ASSERT_TRUE(document->Save(fs, "project/saved.lfm", &err)) << err;
  EXPECT_EQ(fs.Contents("project/saved.lfm"), expected);

  // Quoted text is UTF-8; #code is a UTF-16 unit, a surrogate pair making one character.
  DfmObject& form = document->root();
  EXPECT_EQ(form.FindProperty("Caption")->value(), DfmValue::String("Cadastro de Clientes — Ação"));
  EXPECT_EQ(form.FindChild("lblNome")->FindProperty("Caption")->value(),
            DfmValue::String("Usuário"));
  EXPECT_EQ(form.FindChild("lblEmoji")->FindProperty("Caption")->value(),
            DfmValue::String("Sorria 😀"));
  EXPECT_EQ(form.FindChild("edtNome")->FindProperty("Hint")->value(),
            DfmValue::String("Nome completo\ncomo no documento"));
  EXPECT_EQ(form.FindProperty("LCLVersion")->value(), DfmValue::String("2.2.6.0"));
  EXPECT_EQ(form.FindChild("imgLogo")->FindProperty("Picture.Data")->kind(), DfmValueKind::Binary);
  EXPECT_EQ(form.FindChild("grdClientes")->FindProperty("Columns")->kind(),
            DfmValueKind::Collection);

  // Written back as the LCL writes: UTF-8 in quotes on one line, control characters as
  // #code; a position the file lacks goes to its place in Left, Height, Top, Width.
  form.SetProperty("Caption", DfmValue::String("Relatório 'Anual' € 2026"));
  expected = Replaced(expected, "  Caption = 'Cadastro de Clientes — Ação'\n",
                      "  Caption = 'Relatório ''Anual'' € 2026'\n");
  const std::string hint = std::string(70, 'a') + "\r\nção";
  form.FindChild("edtNome")->SetProperty("Hint", DfmValue::String(hint));
  expected = Replaced(expected, "    Hint = 'Nome completo'#10'como no documento'\n",
                      "    Hint = '" + std::string(70, 'a') + "'#13#10'ção'\n");
  DfmObject& emoji = *form.FindChild("lblEmoji");
  emoji.SetProperty("Width", DfmValue::Integer(60));
  emoji.SetProperty("Height", DfmValue::Integer(15));
  expected = Replaced(expected, "    Left = 280\n    Top = 16\n    Caption",
                      "    Left = 280\n    Height = 15\n    Top = 16\n    Width = 60\n    Caption");
  form.FindChild("qryClientes")->SetProperty("Active", DfmValue::Boolean(false));
  expected = Replaced(expected, "    Active = True\n", "    Active = False\n");
  EXPECT_EQ(document->Write(), expected);
  ExpectConsistent(*document);
}

TEST(DfmReadTest, TypedFloatsReadAsTheirTypesAndAreWrittenWithTheirLetter) {
  auto form = LoadFixture("typed_floats.dfm");
  ASSERT_TRUE(form);
  auto value = [&](const char* object, const char* property) {
    return form->root().FindChild(object)->FindProperty(property)->value();
  };
  const DfmValue date = value("dtpInicio", "Date");
  EXPECT_EQ(date.kind, DfmValueKind::Float);
  EXPECT_EQ(date.float_type, ide::DfmFloatType::Date);
  EXPECT_EQ(date.number, 38353.5);
  EXPECT_EQ(value("gauEscala", "Fator").float_type, ide::DfmFloatType::Single);
  EXPECT_EQ(value("gauEscala", "Fator").number, 1.5);
  EXPECT_EQ(value("gauEscala", "Minimo").number, -2.5E-5);
  EXPECT_EQ(value("gauEscala", "Maximo").float_type, ide::DfmFloatType::Extended);
  EXPECT_EQ(value("gauEscala", "Maximo").number, 1E20);
  EXPECT_EQ(value("gauEscala", "Zero").float_type, ide::DfmFloatType::Date);
  EXPECT_EQ(value("gauEscala", "Zero").number, 0);
  // A currency is written in ten-thousandths of its unit.
  const DfmValue params = value("qryPrecos", "Params");
  ASSERT_EQ(params.items.size(), 3u);
  EXPECT_EQ(params.items[0].properties[3].second.float_type, ide::DfmFloatType::Currency);
  EXPECT_EQ(params.items[0].properties[3].second.number, 12.34);
  EXPECT_EQ(params.items[1].properties[3].second.number, -2.5);
  EXPECT_EQ(params.items[2].properties[3].second, DfmValue::Float(38353, ide::DfmFloatType::Date));
  EXPECT_EQ(form->Write(), Fixture("typed_floats.dfm"));

  // Changed values keep their type letter; the rest of the file stays as it was.
  DfmObject& gauge = *form->root().FindChild("gauEscala");
  gauge.SetProperty("Fator", DfmValue::Float(2.25, ide::DfmFloatType::Single));
  gauge.SetProperty("Minimo", DfmValue::Float(-1.5E-7, ide::DfmFloatType::Single));
  gauge.SetProperty("Zero", DfmValue::Float(38354, ide::DfmFloatType::Date));
  gauge.SetProperty("Maximo", DfmValue::Float(2));
  gauge.SetProperty("Preco", DfmValue::Float(12.5, ide::DfmFloatType::Currency));
  std::string expected = Replaced(Fixture("typed_floats.dfm"), "Fator = 1.5s", "Fator = 2.25s");
  expected = Replaced(expected, "Minimo = -2.5E-5s", "Minimo = -1.5E-7s");
  expected = Replaced(expected, "Zero = 0d", "Zero = 38354d\r\n    Preco = 125000c");
  expected = Replaced(expected, "Maximo = 1E20", "Maximo = 2.0");
  EXPECT_EQ(form->Write(), expected);
  ExpectConsistent(*form);
  EXPECT_EQ(ParseError("object F: T\n  Left = 12dx\nend\n"),
            "Unit1.dfm:2:10: expected a number, found '12dx'");
}

// Reading and renaming such names is checked through the designer (FormNamesTest).
TEST(DfmEncodingTest, NamesBeyondAsciiAreWrittenInTheFilesOwnEncoding) {
  for (const std::string suffix : {"Utf8", "Ansi"}) {
    SCOPED_TRACE(suffix);
    const std::string bytes = ide::testing::ReadBytes(std::string(ZORI_TEST_DATA_DIR) +
                                                      "/host/Nomes/uAcoes" + suffix + ".dfm");
    std::string err;
    auto form = DfmDocument::Parse("uAcoes.dfm", bytes, &err);
    ASSERT_TRUE(form) << err;
    EXPECT_EQ(form->root().FindChild("alAções")->children()[0]->name(), "Transferência");
    form->root().FindChild("btnAñadir")->SetProperty("Action", DfmValue::Identifier("Ação"));
    const std::string action = suffix == "Utf8" ? "A\xC3\xA7\xC3\xA3o" : "A\xE7\xE3o";
    const std::string old_action = suffix == "Utf8" ? "Transfer\xC3\xAAncia" : "Transfer\xEAncia";
    EXPECT_EQ(form->Write(), Replaced(bytes, "Action = " + old_action, "Action = " + action));
  }
}
