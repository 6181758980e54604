// The settings dialog worked as the user works it: values loaded on show, OK writing
// every key with its type, and values that must not be written.
#include <gtest/gtest.h>

#include <string>

#include "core/U_zori_func.h"
#include "core/package_fixture.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/std_controls.h"
#include "reg/U_zori_config.h"
#include "reg/U_zori_reg.h"

class SettingsDialogTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    v_Inst_ZORIIDEx = std::make_unique<TZORIIDEx_New_Menu_Item>();
  }
  void TearDown() override {
    v_Inst_ZORIIDEx.reset();
    PackageFixture::TearDown();
  }
  // Opens the dialog from the menu handler; turn works it.
  void Open(const platform::ScriptedModalDriver::Turn& turn) {
    driver_->Expect("F_ZORI_Config", turn);
    v_Inst_ZORIIDEx->PR_OnClick_Config(nullptr);
  }
  static void Ok(platform::TCustomForm& form) {
    static_cast<TF_ZORI_Config&>(form).bbtn_Ok->Click();
  }
  std::string Row(const std::string& key) {
    const std::string xml = ReadFile("ZORIIDEx_Config_New.xml");
    const size_t at = xml.find("TX_CONFIG=\"" + key + "\"");
    if (at == std::string::npos) return "";
    return xml.substr(at, xml.find("/>", at) - at);
  }
};

TEST_F(SettingsDialogTest, OkOnAFreshStoreWritesEveryKeyWithItsType) {
  WriteConfig({});
  Open(Ok);
  const char* hot_keys[] = {
      "hk_close_datasets", "hk_Padronizar_Nom", "hk_code_snippet", "hk_TabOrder", "hk_lp",
      "hk_zori_align",     "hk_comment"};
  for (const char* key : hot_keys)
    EXPECT_EQ(Row(key),
              std::string("TX_CONFIG=\"") + key + "\" VL_CONFIG=\"32833\" ID_TIPO_DADO=\"1\"");
  EXPECT_EQ(FN_Valor_Config("hk_Comment").AsInteger(), 32833);
  EXPECT_EQ(Row("chk_before_compile"),
            "TX_CONFIG=\"chk_before_compile\" VL_CONFIG=\"1\" ID_TIPO_DADO=\"0\"");
  EXPECT_EQ(Row("cb_Modo"), "TX_CONFIG=\"cb_Modo\" VL_CONFIG=\"-1\" ID_TIPO_DADO=\"1\"");
  EXPECT_EQ(Row("edt_Params"), "TX_CONFIG=\"edt_Params\" ID_TIPO_DADO=\"2\"");
  EXPECT_EQ(Row("spe_limite_exec"),
            "TX_CONFIG=\"spe_limite_exec\" VL_CONFIG=\"0\" ID_TIPO_DADO=\"1\"");
  int rows = 0;
  const std::string xml = ReadFile("ZORIIDEx_Config_New.xml");
  for (size_t at = xml.find("<ROW "); at != std::string::npos; at = xml.find("<ROW ", at + 1))
    ++rows;
  EXPECT_EQ(rows, 25);
}

TEST_F(SettingsDialogTest, StoredValuesSurviveOkAndOverlongTextsAreRefused) {
  // One value that does not convert must not cost the others their stored values.
  WriteConfig({{"hk_close_datasets", "abc", "2"},
               {"hk_lp", "16460", "1"},
               {"chk_auto_layout", "0", "0"},
               {"edt_app_exec", "make", "2"}});
  Open(Ok);
  EXPECT_EQ(FN_Valor_Config("hk_lp").AsInteger(), 16460);
  EXPECT_TRUE(FN_Valor_Config("chk_auto_layout").AsBoolean());

  const std::string before = ReadFile("ZORIIDEx_Config_New.xml");
  Open([](platform::TCustomForm& form) {
    auto& config = static_cast<TF_ZORI_Config&>(form);
    config.edt_app_exec->SetText(std::string(256, 'a'));
    config.chk_auto_load->SetChecked(true);
    config.bbtn_Ok->Click();
    EXPECT_EQ(form.ModalResult(), platform::mrNone);
    config.bbtn_Cancel->Click();
  });
  EXPECT_EQ(ReadFile("ZORIIDEx_Config_New.xml"), before);
  ASSERT_EQ(platform::Application().MessageLog().size(), 1u);
  EXPECT_NE(platform::Application().MessageLog()[0].text.find("edt_app_exec"), std::string::npos);

  // The resource chooser keeps the file name only.
  driver_->ExpectFile("/elsewhere/catalogues/ZORIIDEx_msg_en.xml");
  Open([](platform::TCustomForm& form) {
    auto& config = static_cast<TF_ZORI_Config&>(form);
    config.sb_Resources->Click();
    config.bbtn_Ok->Click();
  });
  EXPECT_EQ(FN_Valor_Config("edt_Resources").AsString(), "ZORIIDEx_msg_en.xml");
}
