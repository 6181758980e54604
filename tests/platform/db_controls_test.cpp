#include "platform/db_controls.h"

#include <gtest/gtest.h>

#include "platform/client_dataset.h"
#include "platform/exceptions.h"
#include "temp_folder.h"

using namespace platform;

namespace {

// A window with a snippet table, a group table, their data sources and controls.
struct Window {
  TForm form{nullptr};
  TClientDataSet* groups = TComponent::Create<TClientDataSet>(form);
  TDataSource* ds_groups = TComponent::Create<TDataSource>(form);
  TClientDataSet* snippets = TComponent::Create<TClientDataSet>(form);
  TDataSource* ds_snippets = TComponent::Create<TDataSource>(form);

  Window() {
    form.SetName("F_ZORI_CodeSnippets");
    groups->SetName("cds_Snip_Groups");
    groups->FieldDefs().Add("id_tipo_cs", ftInteger);
    groups->FieldDefs().Add("ds_tipo_cs", ftString, 40);
    groups->CreateDataSet();
    for (auto [id, name] : {std::pair{1, "Laços"}, {2, "Exceções"}, {3, "Classes"}}) {
      groups->Append();
      groups->FieldByName("id_tipo_cs")->SetAsInteger(id);
      groups->FieldByName("ds_tipo_cs")->SetAsString(name);
      groups->Post();
    }
    groups->First();
    ds_groups->SetName("ds_Snip_Groups");
    ds_groups->SetDataSet(groups);
    snippets->SetName("cds_Snippets");
    snippets->LoadFromFile(zori_test::Fixture("snippets_memo.xml"));
    snippets->FieldByName("ds_code_Snipplet")->SetEditMask(">ccc;0;_");
    ds_snippets->SetName("ds_Snippets");
    ds_snippets->SetPropValue("DataSet", "cds_Snippets");  // as a form file sets it
  }

  template <class T>
  T* Control(const char* name, const char* field) {
    auto* c = TComponent::Create<T>(form);
    c->SetName(name);
    c->SetParent(&form);
    c->SetPropValue("DataSource", "ds_Snippets");
    if (field[0] != '\0') c->SetPropValue("DataField", field);
    return c;
  }
};

}  // namespace

TEST(DataSourceTest, RelaysStateAndDataChangesUntilControlsAreDisabled) {
  Window w;
  std::vector<TDataSetState> states;
  int data_changes = 0;
  w.ds_snippets->OnStateChange = [&](TObject*) { states.push_back(w.ds_snippets->State()); };
  w.ds_snippets->OnDataChange = [&](TObject*, TField*) { ++data_changes; };
  EXPECT_EQ(w.ds_snippets->DataSet(), w.snippets);
  EXPECT_EQ(w.ds_snippets->State(), dsBrowse);
  w.snippets->Next();
  EXPECT_EQ(data_changes, 1);
  w.snippets->Edit();
  w.snippets->Cancel();
  w.snippets->Close();
  EXPECT_EQ(states, (std::vector<TDataSetState>{dsEdit, dsBrowse, dsInactive}));

  w.snippets->LoadFromFile(zori_test::Fixture("snippets_memo.xml"));
  states.clear();
  data_changes = 0;
  w.snippets->DisableControls();
  w.snippets->DisableControls();
  w.snippets->Last();
  w.snippets->Edit();
  w.snippets->EnableControls();
  EXPECT_EQ(data_changes, 0);
  EXPECT_TRUE(states.empty());
  w.snippets->EnableControls();  // the last one tells the controls everything at once
  EXPECT_EQ(data_changes, 1);
  EXPECT_EQ(states, (std::vector<TDataSetState>{dsEdit}));
}

TEST(DataControlsTest, EditShowsTheCurrentRowAndWritesWhatTheUserTypes) {
  Window w;
  auto* edit = w.Control<TDBEdit>("dbe_ds_code_Snipplet", "ds_code_Snipplet");
  auto* memo = w.Control<TDBMemo>("dbm_tx_code_snipplet", "tx_code_snipplet");
  auto* label = w.Control<TDBText>("dbt_id", "id_tipo_cs");
  EXPECT_EQ(edit->Text(), "Laço for");
  EXPECT_EQ(edit->EditMask(), ">ccc;0;_");
  EXPECT_EQ(edit->MaxLength(), 200);
  EXPECT_EQ(label->Caption(), "1");
  w.snippets->Next();
  EXPECT_EQ(edit->Text(), "Bloco try");
  EXPECT_NE(memo->Text().find("finally"), std::string::npos);
  EXPECT_EQ(label->Caption(), "2");

  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText("Bloco try/finally");
  EXPECT_EQ(w.snippets->State(), dsEdit);
  EXPECT_EQ(w.snippets->FieldByName("ds_code_Snipplet")->AsString(), "Bloco try/finally");
  EXPECT_EQ(changes, 1);
  w.snippets->Cancel();
  EXPECT_EQ(edit->Text(), "Bloco try");

  edit->SetPropValue("Text", std::string(250, 'x'));  // typed past the field's size
  w.snippets->Post();
  EXPECT_EQ(edit->Text(), std::string(200, 'x'));

  auto* id = w.Control<TDBEdit>("dbe_id", "id_tipo_cs");
  EXPECT_THROW(id->SetText("dois"), EConvertError);
  w.snippets->Cancel();
  id->SetReadOnly(true);
  id->SetText("9");
  EXPECT_EQ(w.snippets->State(), dsBrowse);
  EXPECT_EQ(id->Text(), "2");

  w.snippets->Close();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(memo->Text(), "");
}

TEST(DataControlsTest, CheckBoxAndComboBoxWriteTheirField) {
  Window w;
  auto* check = w.Control<TDBCheckBox>("dbchk_ativo", "ativo");
  auto* combo = w.Control<TDBComboBox>("dbcb_ds", "ds_code_Snipplet");
  combo->Items().Add("Laço for");
  combo->Items().Add("Laço while");
  EXPECT_TRUE(check->Checked());
  check->Click();
  EXPECT_FALSE(w.snippets->FieldByName("ativo")->AsBoolean());
  w.snippets->Post();
  EXPECT_FALSE(check->Checked());

  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->Select(1);
  EXPECT_EQ(w.snippets->FieldByName("ds_code_Snipplet")->AsString(), "Laço while");
  EXPECT_EQ(combo->Text(), "Laço while");
  w.snippets->Post();
  w.snippets->Next();
  EXPECT_EQ(combo->Text(), "Bloco try");
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST(DataControlsTest, NavigatorButtonsMoveAndEditAsTheirStateAllows) {
  Window w;
  auto* nav = w.Control<TDBNavigator>("dbn_Nav", "");
  EXPECT_FALSE(nav->ButtonEnabled(nbFirst));  // on the first row
  EXPECT_TRUE(nav->ButtonEnabled(nbNext));
  EXPECT_FALSE(nav->ButtonEnabled(nbPost));
  nav->BtnClick(nbLast);
  EXPECT_EQ(w.snippets->RecNo(), 3);
  EXPECT_FALSE(nav->ButtonEnabled(nbNext));
  nav->BtnClick(nbPrior);
  EXPECT_EQ(w.snippets->RecNo(), 2);

  nav->BtnClick(nbInsert);
  EXPECT_EQ(w.snippets->State(), dsInsert);
  EXPECT_TRUE(nav->ButtonEnabled(nbPost));
  EXPECT_FALSE(nav->ButtonEnabled(nbEdit));
  w.snippets->FieldByName("id_tipo_cs")->SetAsInteger(3);
  nav->BtnClick(nbPost);
  EXPECT_EQ(w.snippets->RecordCount(), 4);
  EXPECT_EQ(w.snippets->RecNo(), 2);  // inserted before the row it stood on

  std::vector<std::string> asked;
  nav->OnConfirm = [&](const std::string& question) {
    asked.push_back(question);
    return false;
  };
  nav->BtnClick(nbDelete);
  EXPECT_EQ(asked, (std::vector<std::string>{"Delete record?"}));
  EXPECT_EQ(w.snippets->RecordCount(), 4);
  nav->OnConfirm = [](const std::string&) { return true; };
  nav->BtnClick(nbDelete);
  EXPECT_EQ(w.snippets->RecordCount(), 3);

  nav->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast, nbPost, nbCancel});
  EXPECT_EQ(nav->GetPropValue("VisibleButtons").AsString(),
            "[nbFirst, nbPrior, nbNext, nbLast, nbPost, nbCancel]");
  nav->BtnClick(nbInsert);  // hidden: nothing happens
  EXPECT_EQ(w.snippets->State(), dsBrowse);
}

TEST(DataControlsTest, FreeingTheDatasetBlanksItsControlsAndWritesItsFile) {
  zori_test::TempFolder dir;
  const std::string path = dir.CopyFixture("snippets_memo.xml");
  TForm form{nullptr};
  auto* cds = TComponent::Create<TClientDataSet>(form);
  cds->SetFileName(path);
  cds->Open();
  auto* ds = TComponent::Create<TDataSource>(form);
  ds->SetDataSet(cds);
  auto* edit = TComponent::Create<TDBEdit>(form);
  edit->SetDataSource(ds);
  edit->SetDataField("ds_code_Snipplet");
  edit->SetText("Alterado");
  cds->Post();
  EXPECT_EQ(edit->Text(), "Alterado");

  int handler_calls = 0;
  cds->BeforeClose = [&](TDataSet*) { ++handler_calls; };
  ds->OnStateChange = [&](TObject*) { ++handler_calls; };
  cds->Free();
  EXPECT_EQ(handler_calls, 0);
  EXPECT_EQ(ds->DataSet(), nullptr);
  EXPECT_EQ(edit->Text(), "");

  TClientDataSet again;
  again.LoadFromFile(path);
  EXPECT_EQ(again.FieldByName("ds_code_Snipplet")->AsString(), "Alterado");
}
