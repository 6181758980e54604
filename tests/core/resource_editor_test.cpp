// The catalogue editor and the catalogue capture as a developer uses them: filter, edit
// and close, then a window that shows the edited text; a window's captions captured.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/U_zori_resource.h"
#include "core/U_zori_resource_editor.h"
#include "core/U_zori_tpl_modal.h"
#include "package_fixture.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"

namespace {

// A tool window with what the capture must tell apart.
class TF_Captura : public TF_ZORI_Tpl_Modal {
 public:
  TF_Captura() : TF_ZORI_Tpl_Modal("F_ZORI_Captura", "TF_Captura") {
    Add<platform::TLabel>("lbl_Nome")->SetCaption("Nome");
    Add<platform::TButton>("btn_Vazio")->SetCaption("   ");
    auto* secret = Add<platform::TLabel>("lbl_Segredo");
    secret->SetCaption("segredo");
    secret->SetTag(-1);
    auto* grid = Add<platform::TDBGrid>("dbg_Lista");
    grid->Columns().Add().Title.Caption = "Classe";
    grid->Columns().Add().Title.Caption = "Propriedade";
    rg_Tipo = Add<platform::TRadioGroup>("rg_Tipo");
    rg_Tipo->SetCaption("Tipo");
    rg_Tipo->Items().Add("um");
    rg_Tipo->Items().Add("dois");
    Add<platform::TLabel>(std::string(61, 'x'))->SetCaption("longo");
  }
  platform::TRadioGroup* rg_Tipo = nullptr;

 private:
  template <class T>
  T* Add(const std::string& name) {
    T* control = Create<T>(*this);
    control->SetName(name);
    control->SetParent(pnl_Back);
    return control;
  }
};

}  // namespace

class ResourceEditorTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    ::setenv("XDG_CONFIG_HOME", Path("cfg").c_str(), 1);
    WriteConfig({});
  }
  void TearDown() override {
    ::unsetenv("XDG_CONFIG_HOME");
    PackageFixture::TearDown();
  }
  void SwitchCaptureOn() {
    std::filesystem::create_directories(dir_ / "cfg" / "zori");
    WriteFile("cfg/zori/zori.txt", "");
  }
  // Opens the editor, lets the test work it, and closes it with "Fechar".
  void Edit(const std::function<void(TF_ZORI_Resource_Editor&)>& work) {
    driver_->Expect("F_ZORI_Resource_Editor", [&work](platform::TCustomForm& form) {
      work(dynamic_cast<TF_ZORI_Resource_Editor&>(form));
      dynamic_cast<TF_ZORI_Resource_Editor&>(form).bbtn_Cancel->Click();
    });
    F_ZORI_Resource_Editor =
        platform::TComponent::Create<TF_ZORI_Resource_Editor>(platform::Application());
    F_ZORI_Resource_Editor->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_Resource_Editor);
  }
  static std::vector<std::string> Rows(const TF_ZORI_Resource_Editor& editor) {
    std::vector<std::string> out;
    for (int row = 0; row < editor.dbg_Lista->RowCount(); ++row)
      out.push_back(editor.dbg_Lista->CellText(row, 0) + "|" + editor.dbg_Lista->CellText(row, 1));
    return out;
  }
  // Shows the capture window and double-clicks its button bar; answers the questions.
  void Capture(std::vector<platform::TModalResult> answers) {
    for (platform::TModalResult answer : answers) driver_->ExpectResult("F_ZORI_Msg", answer);
    driver_->Expect("F_ZORI_Captura", [](platform::TCustomForm& form) {
      dynamic_cast<TF_Captura&>(form).pnl_down->DblClick();
      form.SetModalResult(platform::mrCancel);
    });
    auto* window = platform::TComponent::Create<TF_Captura>(platform::Application());
    window->ShowModal();
    platform::FN_Destroi_Objeto(window);
    EXPECT_EQ(F_ZORI_Resource, nullptr);  // the capture's holder is gone on every path
  }
  std::string Text(const std::string& form, const std::string& key) {
    LoadCatalogue();
    return FN_Get_Component_StringResource(form, key);
  }
};

TEST_F(ResourceEditorTest, FiltersApplyWhenAFormNameIsChosen) {
  WriteCatalogue("ZORIIDEx_msg.xml", {{"", "bbtn_Ok.Caption", "OK"},
                                      {"Out of Form", "x.Caption", "literal"},
                                      {"F_ZORI_Msg", "Caption", "Mensagem"}});
  Edit([](TF_ZORI_Resource_Editor& e) {
    EXPECT_EQ(e.cb_Filtro->Items().Count(), 19);
    EXPECT_EQ(e.dbcb_NM_FORM->Items().Get(18), "F_ZORI_Manager_Comm");
    e.ckb_filtro->SetChecked(true);  // ticking alone changes nothing
    EXPECT_EQ(Rows(e).size(), 3u);
    e.cb_Filtro->Select(0);
    EXPECT_EQ(Rows(e), std::vector<std::string>{"|bbtn_Ok.Caption"});
    e.cb_Filtro->Select(3);
    EXPECT_EQ(Rows(e), std::vector<std::string>{"F_ZORI_Msg|Caption"});
    e.ckb_filtro->SetChecked(false);
    e.cb_Filtro->Select(0);
    EXPECT_EQ(Rows(e).size(), 3u);
  });
}

TEST_F(ResourceEditorTest, EditedTextReachesTheNextWindowPendingEditIsPosted) {
  WriteCatalogue("ZORIIDEx_msg.xml", {{"F_ZORI_Captura", "Caption", "Antes"}});
  Edit([](TF_ZORI_Resource_Editor& e) {
    e.DBNavigator1->BtnClick(platform::nbEdit);
    e.dbe_TX_REFERENTE->SetText("Depois");  // closed without Post
    e.DBNavigator1->BtnClick(platform::nbInsert);
    e.dbcb_NM_FORM->Select(0);  // "Out of Form" is stored as it reads
    e.dbe_NM_COMPONENTE->SetText("lbl.Caption");
  });
  auto* window = platform::TComponent::Create<TF_Captura>(platform::Application());
  window->ShowModal();
  EXPECT_EQ(window->Caption(), "Depois");
  EXPECT_EQ(FN_Get_Component_StringResource("", "lbl.Caption"), "");
  EXPECT_NE(ReadFile("ZORIIDEx_msg.xml").find("NM_FORM=\"Out of Form\""), std::string::npos);
}

TEST_F(ResourceEditorTest, MissingFileStartsEmptyAndIsCreatedOnlyByAPostedRow) {
  Edit([](TF_ZORI_Resource_Editor& e) { EXPECT_EQ(e.cds_Resources->RecordCount(), 0); });
  EXPECT_EQ(Messages(), std::vector<std::string>{"ROVUVUVoravud|" + Path("ZORIIDEx_msg.xml")});
  EXPECT_FALSE(std::filesystem::exists(Path("ZORIIDEx_msg.xml")));
  Edit([](TF_ZORI_Resource_Editor& e) {
    e.DBNavigator1->BtnClick(platform::nbInsert);
    e.dbe_NM_COMPONENTE->SetText("bbtn_Ok.Caption");
    e.dbe_TX_REFERENTE->SetText("Confirmar");
    e.DBNavigator1->BtnClick(platform::nbPost);
  });
  EXPECT_EQ(Text("", "bbtn_Ok.Caption"), "Confirmar");
}

TEST_F(ResourceEditorTest, CatalogueNameOutsideThePackageDirectoryIsRefused) {
  WriteCatalogue("outro.xml", {{"", "bbtn_Ok.Caption", "Outro"}});
  WriteConfig({{"edt_Resources", "outro.xml", "2"}});
  Edit([](TF_ZORI_Resource_Editor& e) { EXPECT_EQ(e.cds_Resources->RecordCount(), 1); });
  EXPECT_EQ(Text("", "bbtn_Ok.Caption"), "Outro");
  for (const char* name : {"../outro.xml", "sub/outro.xml", "c:outro.xml"}) {
    platform::Application().ClearMessageLog();
    WriteConfig({{"edt_Resources", name, "2"}});
    Edit([](TF_ZORI_Resource_Editor& e) { EXPECT_FALSE(e.cds_Resources->Active()); });
    EXPECT_EQ(Text("", "bbtn_Ok.Caption"), "");
    ASSERT_FALSE(Messages().empty()) << name;
    EXPECT_NE(Messages()[0].find("refused"), std::string::npos) << Messages()[0];
  }
}

TEST_F(ResourceEditorTest, CaptureFillsAndReplacesOnlyWhenAsked) {
  WriteCatalogue("ZORIIDEx_msg.xml", {{"F_ZORI_Captura", "dbg_Lista.Columns.Items.0", "Velho"},
                                      {"F_ZORI_Captura", "rg_Tipo.Caption", ""}});
  Capture({});  // no marker file: no question, nothing written
  EXPECT_EQ(driver_->Shown().size(), 1u);
  SwitchCaptureOn();
  Capture({platform::mrCancel});  // "no" to the first question
  EXPECT_EQ(Text("F_ZORI_Captura", "lbl_Nome.Caption"), "");

  Capture({platform::mrOk, platform::mrCancel});  // keep what is there
  EXPECT_EQ(Text("F_ZORI_Captura", "dbg_Lista.Columns.Items.0"), "Velho");
  EXPECT_EQ(Text("F_ZORI_Captura", "dbg_Lista.Columns.Items.1"), "Propriedade");
  EXPECT_EQ(Text("F_ZORI_Captura", "rg_Tipo.Caption"), "Tipo");  // an empty text is filled
  EXPECT_EQ(Text("F_ZORI_Captura", "lbl_Nome.Caption"), "Nome");
  EXPECT_EQ(Text("F_ZORI_Captura", "btn_Vazio.Caption"), "");
  EXPECT_EQ(Text("F_ZORI_Captura", "lbl_Segredo.Caption"), "");
  EXPECT_EQ(Messages().back(),
            "ROVUVUVoravud|Not captured: a key longer than 60 characters or a text longer than "
            "400:\r\n" +
                std::string(61, 'x') + ".Caption");
  // The group's caption is in the catalogue now, and so are its items: it keeps them.
  auto* shown = platform::TComponent::Create<TF_Captura>(platform::Application());
  shown->ShowModal();
  EXPECT_EQ(shown->rg_Tipo->Items().Count(), 2);
  platform::FN_Destroi_Objeto(shown);

  Capture({platform::mrOk, platform::mrOk});  // replace
  EXPECT_EQ(Text("F_ZORI_Captura", "dbg_Lista.Columns.Items.0"), "Classe");
  const std::string file = ReadFile("ZORIIDEx_msg.xml");
  size_t rows = 0;
  for (size_t at = file.find("<ROW "); at != std::string::npos; at = file.find("<ROW ", at + 1))
    ++rows;
  EXPECT_EQ(rows, 7u) << file;  // caption, label, two columns, group caption and two items
}

TEST_F(ResourceEditorTest, CaptureWhileTheEditorIsOpenGoesIntoItsTable) {
  SwitchCaptureOn();
  WriteCatalogue("ZORIIDEx_msg.xml", {{"", "bbtn_Ok.Caption", "OK"}});
  Edit([this](TF_ZORI_Resource_Editor& e) {
    e.ckb_filtro->SetChecked(true);
    e.cb_Filtro->Select(0);
    Capture({platform::mrOk, platform::mrOk});
    EXPECT_TRUE(e.cds_Resources->Filtered());
    EXPECT_EQ(e.cds_Resources->RecordCount(), 1);
    e.cds_Resources->SetFiltered(false);
    EXPECT_EQ(e.cds_Resources->RecordCount(), 8);
  });
  EXPECT_EQ(Text("F_ZORI_Captura", "rg_Tipo.Caption"), "Tipo");
  EXPECT_EQ(Text("", "bbtn_Ok.Caption"), "OK");
}
