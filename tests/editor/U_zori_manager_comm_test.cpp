// The comment manager: fresh scratch tables on every use, defaults only for empty names,
// presets of new history rows, and frame characters that must stay readable.
#include "editor/U_zori_manager_comm.h"

#include <gtest/gtest.h>

#include "core/package_fixture.h"
#include "editor/U_zori_make_comm.h"
#include "ide/disk_module.h"
#include "ide/host_fixture.h"
#include "ide/source_editor.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/com_controls.h"
#include "platform/db_controls.h"

namespace {

class ManagerCommTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    for (const char* file : {"ZORIIDEx_Config_New.xml", "ZORIIDEx_Config_Comment.xml",
                             "ZORIIDEx_Templates_Comment.xml", "ZORIIDEx_Tmp_Comment.xml",
                             "ZORIIDEx_Tmp_Params.xml"}) {
      std::filesystem::copy_file(std::filesystem::path(ZORI_SOURCE_DIR) / "data" / file,
                                 dir_ / file);
    }
    // A history row left over from an earlier command.
    WriteTable("ZORIIDEx_Tmp_Hist.xml",
               {"DT_COMMENT:string:10", "NM_DEVELOPER:string:20", "TX_COMMENT:string:5000"},
               {{"01/01/2020", "Ze", "antigo"}});
  }
  void TearDown() override {
    platform::FN_Destroi_Objeto(F_ZORI_Manager_Comm);
    PackageFixture::TearDown();
  }
};

}  // namespace

TEST_F(ManagerCommTest, StartsEmptyKeepsAReadBackProgrammerAndPresetsNewHistoryRows) {
  F_ZORI_Manager_Comm = std::make_unique<TF_ZORI_Manager_Comm>();
  TF_ZORI_Manager_Comm& w = *F_ZORI_Manager_Comm;
  EXPECT_TRUE(w.cds_hist->IsEmpty());
  EXPECT_EQ(w.pgc_Master->ActivePage(), w.tbsh_Actual_Comm);
  w.cds_actual_comm->Append();
  w.cds_actual_comm->FieldByName("NM_PROGRAMADOR")->SetAsString("Rui");

  driver_->Expect("F_ZORI_Manager_Comm", [&w](platform::TCustomForm&) {
    EXPECT_EQ(w.dbe_NM_PROGRAMADOR->Text(), "Rui");
    EXPECT_EQ(w.dbe_NM_ANALISTA->Text(), "Analista");
    w.dbn_DBNavigator2->BtnClick(platform::nbInsert);
    EXPECT_EQ(w.dbe_DT_COMMENT_Hist->Text(), FN_Data_Hoje());
    EXPECT_EQ(w.dbe_NM_DEVELOPER_Hist->Text(), "Programador");
    w.dbn_DBNavigator2->BtnClick(platform::nbPost);
    w.bbtn_Ok->Click();
  });
  EXPECT_EQ(w.ShowModal(), platform::mrOk);
  EXPECT_EQ(w.cds_hist->RecordCount(), 1);
}

TEST_F(ManagerCommTest, FrameCharactersTheHeaderCannotBeReadBackWithAreRefused) {
  const std::string before = ReadFile("ZORIIDEx_Config_Comment.xml");
  F_ZORI_Manager_Comm = std::make_unique<TF_ZORI_Manager_Comm>();
  TF_ZORI_Manager_Comm& w = *F_ZORI_Manager_Comm;
  for (const char* end : {"|", "[", " "}) {
    driver_->Expect("F_ZORI_Manager_Comm", [&w, end](platform::TCustomForm&) {
      w.dbe_TX_CHAR_FIM->SetText(end);
      w.bbtn_Ok->Click();
    });
    driver_->ExpectResult("F_ZORI_Manager_Comm", platform::mrCancel);
    EXPECT_EQ(w.ShowModal(), platform::mrCancel) << end;
    EXPECT_EQ(w.pgc_Master->ActivePage(), w.tbsh_config);
    w.cds_config->Cancel();
  }
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_NE(Messages()[0].find("three different characters"), std::string::npos);
  EXPECT_EQ(ReadFile("ZORIIDEx_Config_Comment.xml"), before);
  EXPECT_TRUE(FN_Regra_Caracteres("=", "[", "]").empty());
}

TEST_F(ManagerCommTest, TheCommandWritesWithTheConfigurationSavedInTheWindowAsOneUndoableEdit) {
  ide::testing::HostFixture f;
  f.files->Create("proj/u.pas", "unit u;\r\nprocedure Foo;\r\nbegin\r\nend;\r\n");
  ASSERT_TRUE(f.Load({"proj/u.pas"}));
  f.host->SetCurrentModule(0);
  ide::SourceEditor& source = f.host->Module(0)->Source();
  source.GetEditView(0)->SetCursorPos({1, 2});
  driver_->Expect("F_ZORI_Manager_Comm", [](platform::TCustomForm&) {
    F_ZORI_Manager_Comm->dbe_TX_CHAR_LIN_ESP->SetText("*");
    F_ZORI_Manager_Comm->bbtn_Ok->Click();
  });
  CommentCurrentStatement();
  const std::string first = source.Text();
  EXPECT_TRUE(first.starts_with("unit u;\r\n{** ROVUVUVoravud ** Foo*****")) << first;
  EXPECT_NE(ReadFile("ZORIIDEx_Config_Comment.xml").find("TX_CHAR_LIN_ESP=\"*\""),
            std::string::npos);
  EXPECT_EQ(F_ZORI_Manager_Comm, nullptr);

  // The old header is found at line 2 (index 1 of the block) with 8 lines of 80 characters.
  F_ZORI_Manager_Comm = std::make_unique<TF_ZORI_Manager_Comm>();
  F_ZORI_Manager_Comm->cds_actual_comm->Append();
  source.GetEditView(0)->SetCursorPos({1, 10});
  std::shared_ptr<ide::IOTASourceEditor> editor;
  PR_Encontra_Source(editor);
  EXPECT_EQ(FetchCurrentPosition(editor),
            static_cast<int>(ide::ToChars(first.substr(0, first.find("procedure Foo;"))).size()));
  PR_Inicializa_Variaveis();
  EXPECT_EQ(FN_Comentario("Foo"), "1|8||648|||");
  EXPECT_EQ(FN_Comentario("Fo"), "");
  platform::FN_Destroi_Objeto(F_ZORI_Manager_Comm);

  // Again from the declaration: the old header goes and the new one comes in one edit.
  source.GetEditView(0)->SetCursorPos({1, 10});
  driver_->Expect("F_ZORI_Manager_Comm", [](platform::TCustomForm&) {
    F_ZORI_Manager_Comm->dbm_TX_DESCRICAO->SetText("Nova");
    F_ZORI_Manager_Comm->bbtn_Ok->Click();
  });
  CommentCurrentStatement();
  EXPECT_NE(source.Text().find("[ Descrição: Nova "), std::string::npos);
  EXPECT_EQ(source.Text().size(), first.size());
  ASSERT_TRUE(source.Undo());
  EXPECT_EQ(source.Text(), first);
  EXPECT_TRUE(Messages().empty());
}
