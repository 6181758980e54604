#include "platform/client_dataset.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "temp_folder.h"

using namespace platform;

namespace {

// A form-owned table of people: ID (integer), NOME (text, 20), OBS (memo).
struct People {
  TComponent form{BuiltinClasses().Find("TForm")};
  TClientDataSet* cds = nullptr;

  People() {
    cds = TComponent::Create<TClientDataSet>(form);
    cds->SetName("cds_People");
    cds->FieldDefs().Add("ID", ftInteger, 0, true).DisplayLabel = "Código";
    cds->FieldDefs().Add("NOME", ftString, 20);
    cds->FieldDefs().Add("OBS", ftMemo);
    cds->CreateDataSet();
  }
  void Add(int id, const std::string& name) {
    cds->Append();
    cds->FieldByName("ID")->SetAsInteger(id);
    cds->FieldByName("NOME")->SetAsString(name);
    cds->Post();
  }
  std::vector<int> Ids() {
    std::vector<int> ids;
    const TBookmark here = cds->GetBookmark();
    for (cds->First(); !cds->Eof(); cds->Next()) ids.push_back(cds->FieldByName("ID")->AsInteger());
    if (here != 0) cds->GotoBookmark(here);
    return ids;
  }
};

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(ClientDataSetTest, EditingStatesInsertBeforeEditCancelAndDelete) {
  People p;
  p.Add(1, "Ana");
  p.Add(3, "Caio");
  EXPECT_EQ(p.cds->State(), dsBrowse);
  EXPECT_EQ(ErrorOf([&] { p.cds->FieldByName("NOME")->SetAsString("x"); }),
            "cds_People: Dataset not in edit or insert mode");

  p.cds->Last();
  p.cds->Insert();  // goes before the current row
  EXPECT_EQ(p.cds->State(), dsInsert);
  EXPECT_TRUE(p.cds->FieldByName("NOME")->IsNull());
  p.cds->FieldByName("ID")->SetAsInteger(2);
  p.cds->FieldByName("NOME")->SetAsString("Bia");
  p.cds->Post();
  EXPECT_EQ(p.cds->State(), dsBrowse);
  EXPECT_EQ(p.cds->RecNo(), 2);
  EXPECT_EQ(p.Ids(), (std::vector<int>{1, 2, 3}));

  p.cds->Edit();
  p.cds->FieldByName("NOME")->SetAsString("Beatriz");
  p.cds->Cancel();
  EXPECT_EQ(p.cds->FieldByName("NOME")->AsString(), "Bia");
  p.cds->Edit();
  p.cds->FieldByName("NOME")->SetAsString("Beatriz");
  p.cds->First();  // moving posts the pending edit
  p.cds->Next();
  EXPECT_EQ(p.cds->FieldByName("NOME")->AsString(), "Beatriz");

  p.cds->Append();
  p.cds->Cancel();
  EXPECT_EQ(p.cds->RecordCount(), 3);

  p.cds->First();
  while (!p.cds->Eof()) p.cds->Delete();  // empties the table from the first row
  EXPECT_TRUE(p.cds->IsEmpty());
  EXPECT_EQ(ErrorOf([&] { p.cds->Delete(); }),
            "cds_People: Cannot perform this operation on an empty dataset");
  p.cds->Edit();  // on an empty table, Edit starts an insert
  EXPECT_EQ(p.cds->State(), dsInsert);
  p.cds->Cancel();
  p.Add(9, "Zé");
  p.cds->EmptyDataSet();
  EXPECT_EQ(p.cds->RecordCount(), 0);
}

TEST(ClientDataSetTest, TextIsCutToTheSizeInCharactersNotBytes) {
  TComponent form(BuiltinClasses().Find("TForm"));
  auto* cds = TComponent::Create<TClientDataSet>(form);
  cds->FieldDefs().Add("DS", ftString, 9);
  cds->FieldDefs().Add("SIGLA", ftString, 4);
  cds->FieldDefs().Add("NM_DEVELOPER", ftString);  // no size given: 20 characters
  cds->CreateDataSet();
  cds->Append();
  cds->FieldByName("NM_DEVELOPER")->SetAsString("Programadora Conceição");
  cds->FieldByName("DS")->SetAsString("Descrição");  // 9 characters, 11 bytes
  cds->FieldByName("SIGLA")->SetAsString("Ação!");
  cds->Post();
  EXPECT_EQ(cds->FieldByName("DS")->AsString(), "Descrição");
  EXPECT_EQ(cds->FieldByName("SIGLA")->AsString(), "Ação");
  EXPECT_EQ(cds->FieldByName("NM_DEVELOPER")->AsString(), "Programadora Conceiç");
  cds->Edit();
  cds->FieldByName("DS")->SetAsString("Descrição longa");
  cds->FieldByName("SIGLA")->SetAsString("");  // empty text is null, as the platform stores it
  cds->Post();
  EXPECT_EQ(cds->FieldByName("DS")->AsString(), "Descrição");
  EXPECT_TRUE(cds->FieldByName("SIGLA")->IsNull());
}

TEST(ClientDataSetTest, CalculatedFieldIsComputedForEveryRowReadAndPosted) {
  TComponent form(BuiltinClasses().Find("TForm"));
  auto* cds = TComponent::Create<TClientDataSet>(form);
  TFieldDef& comp = cds->FieldDefs().Add("DS_COMP", ftString, 300);
  comp.FieldKind = fkCalculated;
  cds->OnCalcFields = [](TDataSet* ds) {
    ds->FieldByName("DS_COMP")->SetAsString(ds->FieldByName("NM_FORM")->AsString() + "." +
                                            ds->FieldByName("NM_COMPONENTE")->AsString());
  };
  cds->LoadFromFile(zori_test::Fixture("catalogue_1252.xml"));
  EXPECT_EQ(cds->FieldByName("DS_COMP")->AsString(), ".bbtn_Ok.Caption");
  cds->Next();
  EXPECT_EQ(cds->FieldByName("DS_COMP")->AsString(), "F_ZORI_Resource_Editor.Caption");
  EXPECT_TRUE(
      cds->Locate("DS_COMP", "F_ZORI_FIND_CS.CHK_DS_CODE_SNIPPLET.CAPTION", loCaseInsensitive));
  EXPECT_EQ(cds->RecNo(), 3);
  cds->Edit();
  cds->FieldByName("NM_COMPONENTE")->SetAsString("Caption");
  EXPECT_EQ(cds->FieldByName("DS_COMP")->AsString(), "F_ZORI_Find_CS.Caption");
  cds->Post();
  EXPECT_EQ(cds->FieldByName("DS_COMP")->AsString(), "F_ZORI_Find_CS.Caption");
  EXPECT_THROW(cds->FieldByName("DS_COMP")->SetAsString("x"), EDatabaseError);

  zori_test::TempFolder dir;
  cds->SaveToFile(dir.Path("out.xml"));
  EXPECT_EQ(zori_test::ReadBytes(dir.Path("out.xml")).find("DS_COMP"), std::string::npos);
}

TEST(ClientDataSetTest, ClosedDatasetAndUnknownFieldsRaiseThePlatformErrors) {
  TComponent form(BuiltinClasses().Find("TForm"));
  auto* cds = TComponent::Create<TClientDataSet>(form);
  cds->SetName("cds_Config");
  const std::string closed = "cds_Config: Cannot perform this operation on a closed dataset";
  EXPECT_EQ(ErrorOf([&] { cds->First(); }), closed);
  EXPECT_EQ(ErrorOf([&] { cds->Append(); }), closed);
  EXPECT_EQ(ErrorOf([&] { cds->RecordCount(); }), closed);
  EXPECT_EQ(ErrorOf([&] { cds->Open(); }), "cds_Config: Missing data provider or data packet");
  cds->FieldDefs().Add("TX_CONFIG", ftString, 60);
  cds->CreateDataSet();
  EXPECT_EQ(cds->FindField("VL_CONFIG"), nullptr);
  EXPECT_EQ(cds->FindField("tx_config"), cds->Fields(0));
  EXPECT_EQ(ErrorOf([&] { cds->FieldByName("VL_CONFIG"); }),
            "cds_Config: Field 'VL_CONFIG' not found");
  cds->SetPropValue("Active", false);  // the way the dataset closer switches it off
  EXPECT_FALSE(cds->Active());
  EXPECT_EQ(ErrorOf([&] { cds->Next(); }), closed);
}

TEST(ClientDataSetTest, EventsRunAroundEveryChange) {
  People p;
  std::vector<std::string> log;
  auto record = [&log](const char* name) {
    return [&log, name](TDataSet*) { log.push_back(name); };
  };
  p.cds->BeforeInsert = record("BeforeInsert");
  p.cds->AfterInsert = record("AfterInsert");
  p.cds->BeforePost = record("BeforePost");
  p.cds->AfterPost = record("AfterPost");
  p.cds->BeforeDelete = record("BeforeDelete");
  p.cds->AfterScroll = record("AfterScroll");
  p.cds->OnNewRecord = [&log](TDataSet* ds) {
    log.push_back("OnNewRecord");
    ds->FieldByName("NOME")->SetAsString("(novo)");
  };
  p.Add(1, "Ana");
  EXPECT_EQ(log, (std::vector<std::string>{"BeforeInsert", "OnNewRecord", "AfterInsert",
                                           "BeforePost", "AfterPost"}));
  log.clear();
  p.cds->Append();
  p.cds->FieldByName("ID")->SetAsInteger(2);
  p.cds->Post();
  EXPECT_EQ(p.cds->FieldByName("NOME")->AsString(), "(novo)");
  log.clear();
  p.cds->First();
  p.cds->Next();
  p.cds->Next();  // already on the last row: no scroll
  p.cds->Delete();
  EXPECT_EQ(
      log, (std::vector<std::string>{"AfterScroll", "AfterScroll", "BeforeDelete", "AfterScroll"}));

  // A handler that refuses the post stops it; the row stays pending.
  p.cds->BeforePost = [](TDataSet*) { throw EDatabaseError("recusado"); };
  p.cds->Append();
  p.cds->FieldByName("ID")->SetAsInteger(3);
  EXPECT_EQ(ErrorOf([&] { p.cds->Post(); }), "recusado");
  EXPECT_EQ(p.cds->State(), dsInsert);
}

TEST(ClientDataSetTest, BookmarksReturnToTheirRowAndKnowWhenItIsGone) {
  People p;
  p.Add(1, "Ana");
  p.Add(2, "Bia");
  p.Add(3, "Caio");
  p.cds->SetRecNo(2);
  const TBookmark bia = p.cds->GetBookmark();
  p.cds->Last();
  p.cds->GotoBookmark(bia);
  EXPECT_EQ(p.cds->FieldByName("NOME")->AsString(), "Bia");
  EXPECT_TRUE(p.cds->BookmarkValid(bia));
  p.cds->Delete();
  EXPECT_FALSE(p.cds->BookmarkValid(bia));
  EXPECT_EQ(ErrorOf([&] { p.cds->GotoBookmark(bia); }), "cds_People: Record not found");
  EXPECT_EQ(p.cds->FieldByName("NOME")->AsString(), "Caio");
}
