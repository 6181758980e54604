// The text catalogue as a user meets it: windows shown through the template, translated
// from the catalogue file named in the configuration, and the two message windows.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/U_zori_func.h"
#include "core/U_zori_msg.h"
#include "core/U_zori_resource.h"
#include "core/U_zori_tpl_modal.h"
#include "package_fixture.h"
#include "platform/buttons.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"

namespace {

// A tool window of the kind later windows are: the template plus a label, a radio group,
// a grid and a check box named like a configuration key.
class TF_Janela_Teste : public TF_ZORI_Tpl_Modal {
 public:
  TF_Janela_Teste() : TF_ZORI_Tpl_Modal("F_ZORI_Teste", "TF_Janela_Teste") {
    lbl_Nome = Create<platform::TLabel>(*this);
    lbl_Nome->SetName("lbl_Nome");
    lbl_Nome->SetParent(pnl_Back);
    lbl_Nome->SetCaption("Nome (recurso)");
    lbl_Nome->SetHint("dica do recurso");
    rg_Tipo = Create<platform::TRadioGroup>(*this);
    rg_Tipo->SetName("rg_Tipo");
    rg_Tipo->SetParent(pnl_Back);
    rg_Tipo->Items().Add("recurso 0");
    dbg_Lista = Create<platform::TDBGrid>(*this);
    dbg_Lista->SetName("dbg_Lista");
    dbg_Lista->SetParent(pnl_Back);
    dbg_Lista->Columns().Add();
    dbg_Lista->Columns().Add();
    chk_Ori_Data = Create<platform::TCheckBox>(*this);
    chk_Ori_Data->SetName("chk_Ori_Data");
    chk_Ori_Data->SetParent(pnl_Back);
  }
  platform::TLabel* lbl_Nome;
  platform::TRadioGroup* rg_Tipo;
  platform::TDBGrid* dbg_Lista;
  platform::TCheckBox* chk_Ori_Data;
};

std::vector<std::string> Items(const platform::TStrings& items) {
  std::vector<std::string> out;
  for (int i = 0; i < items.Count(); ++i) out.push_back(items[i]);
  return out;
}

}  // namespace

class CatalogueTest : public PackageFixture {
 protected:
  // Shows the test window modally; the driver records what it shows before closing.
  TF_Janela_Teste& ShowWindow() {
    auto* window = platform::TComponent::Create<TF_Janela_Teste>(platform::Application());
    window->ShowModal();
    return *window;
  }
};

TEST_F(CatalogueTest, LookupIgnoresLetterCaseAndTheFirstRowWins) {
  WriteConfig({});
  WriteCatalogue("ZORIIDEx_msg.xml", {{"F_ZORI_Ação", "Msg_Perfect.Caption", "primeiro"},
                                      {"f_zori_ação", "msg_perfect.caption", "segundo"},
                                      {"", "bbtn_Ok.Caption", "Confirmar"}});
  EXPECT_EQ(FN_Get_Component_StringResource("x", "y"), "");  // nothing loaded yet
  LoadCatalogue();
  EXPECT_EQ(FN_Get_Component_StringResource("F_ZORI_AÇÃO", "MSG_PERFECT.CAPTION"), "primeiro");
  EXPECT_EQ(FN_Get_Component_StringResource("", "BBTN_OK.caption"), "Confirmar");
  EXPECT_EQ(FN_Get_Component_StringResource("F_ZORI_Outra", "bbtn_Ok.Caption"), "");
}

TEST_F(CatalogueTest, ShownWindowIsTranslatedItemsStopAtTheFirstGap) {
  WriteConfig({{"chk_Ori_Data", "0", "0"}});
  WriteCatalogue("ZORIIDEx_msg.xml", {{"", "bbtn_Ok.Caption", "OK"},
                                      {"", "bbtn_Cancel.Caption", "Cancelar"},
                                      {"F_ZORI_Teste", "Caption", "Janela de teste"},
                                      {"F_ZORI_Teste", "lbl_Nome.Caption", "Nome"},
                                      {"F_ZORI_Teste", "rg_Tipo.Caption", " Tipo "},
                                      {"F_ZORI_Teste", "rg_Tipo.Items.0", "um"},
                                      {"F_ZORI_Teste", "rg_Tipo.Items.2", "três"},
                                      {"F_ZORI_Teste", "dbg_Lista.Columns.0", "Classe"},
                                      {"F_ZORI_Teste", "dbg_Lista.Columns.1", "Propriedade"}});
  LoadCatalogue();
  TF_Janela_Teste& window = ShowWindow();
  EXPECT_EQ(window.Caption(), "Janela de teste");
  EXPECT_EQ(window.lbl_Nome->Caption(), "Nome");
  EXPECT_EQ(window.lbl_Nome->Hint(), "");  // no hint row: the hint is cleared
  EXPECT_EQ(window.rg_Tipo->Caption(), " Tipo ");
  EXPECT_EQ(Items(window.rg_Tipo->Items()), std::vector<std::string>{"um"});
  EXPECT_EQ(window.dbg_Lista->Columns().Items(0).Title.Caption, "Classe");
  EXPECT_EQ(window.dbg_Lista->Columns().Items(1).Title.Caption, "Propriedade");
  EXPECT_TRUE(window.chk_Ori_Data->Checked());  // stored "0" is true
  EXPECT_EQ(window.bbtn_Cancel->Caption(), "Cancelar");
  // Width rule: right edge of Cancel plus 15.
  EXPECT_EQ(window.Width(), 267 + 75 + 15);
}

TEST_F(CatalogueTest, WindowWithoutRowsKeepsResourceCaptionsButLosesTitleAndButtons) {
  WriteConfig({});
  WriteCatalogue("ZORIIDEx_msg.xml", {});
  LoadCatalogue();
  TF_Janela_Teste& window = ShowWindow();
  EXPECT_EQ(window.Caption(), "");
  EXPECT_EQ(window.lbl_Nome->Caption(), "Nome (recurso)");
  EXPECT_EQ(window.lbl_Nome->Hint(), "");
  EXPECT_EQ(window.bbtn_Ok->Caption(), "");
  EXPECT_EQ(window.bbtn_Cancel->Caption(), "");
  EXPECT_EQ(Items(window.rg_Tipo->Items()), std::vector<std::string>{"recurso 0"});
  EXPECT_FALSE(window.chk_Ori_Data->Checked());
  // The template's link label turns blue under the mouse.
  ASSERT_EQ(window.lbl_Http->Tag(), -1);
  EXPECT_EQ(window.lbl_Http->FontColor(), platform::clBlack);
  window.lbl_Http->OnMouseEnter(window.lbl_Http);
  EXPECT_EQ(window.lbl_Http->FontColor(), platform::clBlue);
  window.lbl_Http->OnMouseLeave(window.lbl_Http);
  EXPECT_EQ(window.lbl_Http->FontColor(), platform::clBlack);
}

TEST_F(CatalogueTest, BadConfigurationValueLeavesThatControlAndTheRestLoads) {
  WriteConfig({{"chk_Ori_Data", "talvez", "2"}});
  WriteCatalogue("ZORIIDEx_msg.xml", {{"F_ZORI_Teste", "Caption", "Janela de teste"}});
  LoadCatalogue();
  TF_Janela_Teste& window = ShowWindow();
  EXPECT_FALSE(window.chk_Ori_Data->Checked());
  EXPECT_EQ(window.Caption(), "Janela de teste");
}

// While a window stands open, or after a setting that is not stored was looked up, another
// process can still change the settings.
TEST_F(CatalogueTest, LookingUpSettingsLeavesTheStoreFreeForOtherProcesses) {
  WriteConfig({{"spe_tempo", "5", "1"}});
  const auto lockable = [this] {
    const int fd = ::open(Path("ZORIIDEx_Config_New.xml").c_str(), O_RDONLY | O_CLOEXEC);
    const bool free = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (fd >= 0) ::close(fd);
    return free;
  };
  ShowWindow();  // its check box's setting is not stored
  EXPECT_TRUE(lockable());
  EXPECT_TRUE(FN_Valor_Config("chk_never_stored").IsEmpty());
  EXPECT_TRUE(lockable());
  EXPECT_EQ(FN_Valor_Config("spe_tempo").AsInteger(), 5);
  EXPECT_TRUE(lockable());
}

class MessageTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    WriteConfig({});
    WriteCatalogue("ZORIIDEx_msg.xml", {{"", "bbtn_Ok.Caption", "OK"},
                                        {"", "bbtn_Cancel.Caption", "Cancelar"},
                                        {"", "bbtn_Ok.Caption.Msg", "Fechar"},
                                        {"F_ZORI_Msg", "Caption", "Mensagem"}});
    LoadCatalogue();
  }

  // What the message window shows while it is on screen.
  struct Seen {
    std::string caption, text, ok_caption;
    bool cancel_visible = false;
    int ok_left = 0, cancel_left = 0;
  };
  void Watch(Seen& seen, platform::TModalResult answer) {
    driver_->Expect("F_ZORI_Msg", [&seen, answer](platform::TCustomForm& form) {
      auto& msg = dynamic_cast<TF_ZORI_Msg&>(form);
      seen = {msg.Caption(),          msg.lbl_Mensagem->Caption(),
              msg.bbtn_Ok->Caption(), msg.bbtn_Cancel->Visible(),
              msg.bbtn_Ok->Left(),    msg.bbtn_Cancel->Left()};
      msg.SetModalResult(answer);
    });
  }
};

TEST_F(MessageTest, PlainMessageShowsOneButtonWhereCancelStands) {
  Seen seen;
  Watch(seen, platform::mrOk);
  PR_Mensagem("", "Arquivo salvo.");
  EXPECT_EQ(seen.caption, "ROVUVUVoravud");
  EXPECT_EQ(seen.text, "Arquivo salvo.");
  EXPECT_EQ(seen.ok_caption, "Fechar");
  EXPECT_FALSE(seen.cancel_visible);
  EXPECT_EQ(seen.ok_left, seen.cancel_left);
  EXPECT_EQ(F_ZORI_Msg, nullptr);
  EXPECT_EQ(Messages(), std::vector<std::string>{"ROVUVUVoravud|Arquivo salvo."});
}

TEST_F(MessageTest, QuestionShowsBothButtonsAndOnlyOkIsYes) {
  Seen seen;
  Watch(seen, platform::mrOk);
  EXPECT_TRUE(FN_Confirma("", "Substituir?"));
  EXPECT_EQ(seen.caption, "");  // an empty caption stays empty
  EXPECT_TRUE(seen.cancel_visible);
  EXPECT_EQ(seen.ok_caption, "OK");
  EXPECT_NE(seen.ok_left, seen.cancel_left);

  for (platform::TModalResult answer : {platform::mrCancel, platform::mrNo, platform::mrAbort}) {
    Watch(seen, answer);
    EXPECT_FALSE(FN_Confirma("Confimação", "Substituir?")) << answer;
    EXPECT_EQ(seen.caption, "Confimação");
  }
  // Closed by the close box: no modal result from the user.
  driver_->Expect("F_ZORI_Msg", [](platform::TCustomForm&) {});
  driver_->SetDefaultAnswer(platform::mrNone);
  EXPECT_FALSE(FN_Confirma("", "Substituir?"));
  EXPECT_EQ(F_ZORI_Msg, nullptr);
}

TEST_F(CatalogueTest, MessageShownOverAnOpenMessageLeavesTheOuterOneWhole) {
  WriteConfig({});
  // The user clicks a link of the first message and its opener fails with a message.
  driver_->Expect("F_ZORI_Msg", [](platform::TCustomForm&) {
    PR_Mensagem("", "o endereço não abre");
    EXPECT_NE(F_ZORI_Msg, nullptr);  // the outer window is on screen again
  });
  EXPECT_TRUE(FN_Confirma("Pergunta", "Continuar?"));
  EXPECT_EQ(F_ZORI_Msg, nullptr);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"ROVUVUVoravud|o endereço não abre", "Pergunta|Continuar?"}));
}
