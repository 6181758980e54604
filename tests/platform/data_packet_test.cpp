#include "platform/data_packet.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "platform/client_dataset.h"
#include "platform/exceptions.h"
#include "temp_folder.h"

using namespace platform;
using zori_test::Fixture;
using zori_test::ReadBytes;
using zori_test::TempFolder;

namespace {

struct Form {
  TComponent root{BuiltinClasses().Find("TForm")};
  TClientDataSet* NewTable(const char* name) {
    auto* cds = TComponent::Create<TClientDataSet>(root);
    cds->SetName(name);
    return cds;
  }
};

// Every row as "v1|v2|...", nulls as "<null>", for comparing whole tables.
std::vector<std::string> Dump(TClientDataSet& cds) {
  std::vector<std::string> rows;
  for (cds.First(); !cds.Eof(); cds.Next()) {
    std::string row;
    for (int i = 0; i < cds.FieldCount(); ++i) {
      const TField* f = cds.Fields(i);
      row += (i > 0 ? "|" : "") + (f->IsNull() ? std::string("<null>") : f->AsString());
    }
    rows.push_back(row);
  }
  return rows;
}

std::string LoadError(const std::string& path) {
  Form f;
  try {
    f.NewTable("cds")->LoadFromFile(path);
  } catch (const EDatabaseError& e) {
    return e.what();
  }
  return "loaded";
}

}  // namespace

TEST(DataPacketTest, ReadsWindows1252FilesWithoutAnEncodingDeclaration) {
  Form f;
  TClientDataSet* cds = f.NewTable("cds_Resources");
  cds->LoadFromFile(Fixture("catalogue_1252.xml"));
  ASSERT_EQ(cds->FieldCount(), 3);
  EXPECT_EQ(cds->Fields(2)->FieldName(), "TX_REFERENTE");
  EXPECT_EQ(cds->Fields(2)->DataType(), ftString);
  EXPECT_EQ(cds->Fields(2)->Size(), 400);
  EXPECT_EQ(Dump(*cds),
            (std::vector<std::string>{
                "<null>|bbtn_Ok.Caption|OK", "F_ZORI_Resource_Editor|Caption|Editor de Resources",
                "F_ZORI_Find_CS|chk_ds_code_snipplet.Caption|Descrição",
                "F_ZORI_Manager_Comm|Caption|Gerenciador de Comentários & “aspas” €"}));

  // Declared UTF-8: wide strings count two bytes per character in WIDTH.
  TClientDataSet* uni = f.NewTable("cds_Uni");
  uni->LoadFromFile(Fixture("utf8_declared.xml"));
  EXPECT_EQ(uni->Fields(0)->Size(), 4);
  EXPECT_EQ(uni->FieldByName("NOME")->AsString(), "Ação");

  // A text field without a WIDTH keeps its whole text.
  const DataPacket bare = ParseDataPacket(
      "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"V\" fieldtype=\"string\"/>"
      "</FIELDS></METADATA><ROWDATA><ROW V=\"0\"/><ROW/></ROWDATA></DATAPACKET>",
      "bare.xml");
  ASSERT_EQ(bare.rows.size(), 2u);
  EXPECT_EQ(bare.rows[0][0], Variant("0"));
  EXPECT_TRUE(bare.rows[1][0].IsEmpty());
}

TEST(DataPacketTest, MemoFieldsAndBooleansReadAsTheyWereWritten) {
  Form f;
  TClientDataSet* cds = f.NewTable("cds_Snippets");
  cds->LoadFromFile(Fixture("snippets_memo.xml"));
  EXPECT_EQ(cds->FieldByName("tx_code_snipplet")->DataType(), ftMemo);
  EXPECT_TRUE(cds->FieldByName("id_tipo_cs")->Required());
  EXPECT_EQ(Dump(*cds),
            (std::vector<std::string>{"1|Laço for|for I := 0 to N - 1 do\r\nbegin\r\nend;|True",
                                      "2|Bloco try|try\r\n  { código }\r\nfinally\r\nend;|False",
                                      "2|Vazio|<null>|<null>"}));
}

TEST(DataPacketTest, RoundTripWritesWhatThePlatformReadsBack) {
  TempFolder dir;
  for (const char* name : {"catalogue_1252.xml", "snippets_memo.xml", "utf8_declared.xml"}) {
    Form f;
    TClientDataSet* original = f.NewTable("cds_Original");
    original->LoadFromFile(Fixture(name));
    const std::string out = dir.Path(std::string("out_") + name);
    original->SaveToFile(out);
    const std::string bytes = ReadBytes(out);
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" standalone=\"yes\"?>", 0), 0u) << name;
    EXPECT_EQ(bytes.find("encoding"), std::string::npos) << name;
    TClientDataSet* copy = f.NewTable("cds_Copy");
    copy->LoadFromFile(out);
    EXPECT_EQ(Dump(*copy), Dump(*original)) << name;
    ASSERT_EQ(copy->FieldCount(), original->FieldCount());
    for (int i = 0; i < copy->FieldCount(); ++i) {
      EXPECT_EQ(copy->Fields(i)->DataType(), original->Fields(i)->DataType());
      EXPECT_EQ(copy->Fields(i)->Size(), original->Fields(i)->Size());
      EXPECT_EQ(copy->Fields(i)->Required(), original->Fields(i)->Required());
    }
  }
  // Accented text goes out as Windows-1252 bytes, line breaks as character references.
  const std::string catalogue = ReadBytes(dir.Path("out_catalogue_1252.xml"));
  EXPECT_NE(catalogue.find("Descri\xE7\xE3o"), std::string::npos);
  EXPECT_NE(catalogue.find("\x93"
                           "aspas\x94 \x80"),
            std::string::npos);
  EXPECT_NE(catalogue.find("LCID=\"1046\""), std::string::npos);
  const std::string snippets = ReadBytes(dir.Path("out_snippets_memo.xml"));
  EXPECT_NE(snippets.find("fieldtype=\"bin.hex\" SUBTYPE=\"Text\""), std::string::npos);
  EXPECT_NE(snippets.find("do&#013;&#010;begin"), std::string::npos);
  // A character Windows-1252 lacks survives as a numeric reference.
  const std::string uni = ReadBytes(dir.Path("out_utf8_declared.xml"));
  EXPECT_NE(uni.find("A\xE7\xE3o"), std::string::npos);
}

TEST(DataPacketTest, PendingChangeLogIsMergedOnLoadAndNotWrittenBack) {
  TempFolder dir;
  const std::string path = dir.CopyFixture("change_log.xml");
  {
    Form f;
    TClientDataSet* cds = f.NewTable("cds_Log");
    cds->SetFileName(path);
    cds->Open();
    EXPECT_EQ(Dump(*cds), (std::vector<std::string>{"1|Um|<null>", "2|Dois alterado|antes",
                                                    "4|Quatro|<null>", "5|Cinco|depois"}));
    cds->Close();  // writes the merged rows back
  }
  const std::string written = ReadBytes(path);
  EXPECT_EQ(written.find("RowState"), std::string::npos);
  EXPECT_EQ(written.find("CHANGE_LOG"), std::string::npos);
  EXPECT_NE(written.find("LCID=\"1046\""), std::string::npos);
  Form f;
  TClientDataSet* again = f.NewTable("cds_Again");
  again->LoadFromFile(path);
  EXPECT_EQ(Dump(*again), (std::vector<std::string>{"1|Um|<null>", "2|Dois alterado|antes",
                                                    "4|Quatro|<null>", "5|Cinco|depois"}));
  TClientDataSet* inserted = f.NewTable("cds_Inserted");
  inserted->LoadFromFile(Fixture("inserted_only.xml"));
  EXPECT_EQ(Dump(*inserted), (std::vector<std::string>{"chk_Ori_Data|0|0", "spe_tempo|5|1"}));
}

TEST(DataPacketTest, BadFilesAreReportedWithFileAndPositionAndNeverOverwritten) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"bad_malformed.xml",
       ":5:12: expected well-formed XML, found an error (Error parsing start element tag)"},
      {"bad_root.xml", ":2:2: expected the element DATAPACKET, found 'TABELA'"},
      {"bad_type.xml", ":2:32: expected a known fieldtype for field 'A', found 'nested'"},
      {"bad_integer.xml", ":5:9: expected an integer in field 'A', found 'doze'"},
      {"bad_truncated.xml",
       ":5:9: expected well-formed XML, found an error (Error parsing element attribute)"},
      {"bad_utf8.xml", ":3:15: expected UTF-8 text, found byte 0xE7"},
      {"bad_1252.xml", ":3:11: expected Windows-1252 text, found byte 0x81"},
      {"bad_charref.xml",
       ":4:10: expected a character reference to a Unicode character, found '&#1114112;'"},
  };
  TempFolder dir;
  for (const auto& [name, problem] : cases) {
    const std::string path = dir.CopyFixture(name);
    EXPECT_EQ(LoadError(path), path + problem);
    // A table whose file failed to open is not written back by a later close.
    const std::string before = ReadBytes(path);
    Form f;
    TClientDataSet* cds = f.NewTable("cds_Bad");
    cds->FieldDefs().Add("A", ftInteger);
    cds->SetFileName(path);
    EXPECT_THROW(cds->Open(), EDatabaseError);
    EXPECT_FALSE(cds->Active());
    cds->Close();
    cds->CreateDataSet();  // even a table created afresh does not write over it
    cds->Append();
    cds->FieldByName("A")->SetAsInteger(1);
    cds->Post();
    cds->Close();
    EXPECT_EQ(ReadBytes(path), before) << name;
  }
  EXPECT_EQ(LoadError(dir.Path("missing.xml")),
            dir.Path("missing.xml") + ": cannot read: No such file or directory");
}

TEST(DataPacketTest, FailedWriteKeepsTheOldFileAndReportsIt) {
  TempFolder dir;
  const std::string path = dir.CopyFixture("snippets_memo.xml");
  const std::string before = ReadBytes(path);
  Form f;
  TClientDataSet* cds = f.NewTable("cds_Snippets");
  cds->SetFileName(path);
  cds->Open();
  cds->Append();
  cds->FieldByName("id_tipo_cs")->SetAsInteger(3);
  cds->FieldByName("tx_code_snipplet")->SetAsString(std::string(4000, 'x'));
  cds->Post();

  // The disk "fills up" in the middle of the write: the file size limit stops it.
  struct rlimit old_limit {};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  try {
    cds->Close();
  } catch (const EFileError& e) {
    error = e.what();
  }
  setrlimit(RLIMIT_FSIZE, &old_limit);
  EXPECT_EQ(error, path + ": cannot write: File too large");
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(dir.FileCount(), 1);
  EXPECT_TRUE(cds->Active());  // the rows are still there to save again
  cds->Close();
  EXPECT_NE(ReadBytes(path), before);

  // A name that cannot be created.
  cds->Open();
  const std::string nowhere = dir.Path("no_such_folder/table.xml");
  try {
    cds->SaveToFile(nowhere);
    ADD_FAILURE() << "wrote " << nowhere;
  } catch (const EFileError& e) {
    EXPECT_EQ(std::string(e.what()), nowhere + ": cannot write: No such file or directory");
  }
  // A read-only folder (root writes anyway, so only checked for ordinary users).
  if (geteuid() != 0) {
    std::filesystem::permissions(
        dir.Path(""), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(cds->SaveToFile(path), EFileError);
    std::filesystem::permissions(dir.Path(""), std::filesystem::perms::owner_all);
  }
}
