// The configuration store and the table-file routines, as every window of the add-in
// reaches them: values read back after writes, keys in any letter case, bad rows.
#include <gtest/gtest.h>

#include "core/U_zori_func.h"
#include "package_fixture.h"
#include "platform/client_dataset.h"
#include "platform/exceptions.h"

using platform::VarType;

class ConfigStoreTest : public PackageFixture {};

TEST_F(ConfigStoreTest, BooleansAreStoredInvertedAndKeysIgnoreLetterCase) {
  WriteConfig({{"chk_auto_load", "0", "0"},
               {"chk_auto_layout", "1", "0"},
               {"hk_comment", "32833", "1"},
               {"edt_Resources", "outro.xml", "2"}});
  EXPECT_EQ(FN_Valor_Config("chk_auto_load"), platform::Variant(true));
  EXPECT_EQ(FN_Valor_Config("chk_auto_layout"), platform::Variant(false));
  // The menu reads "hk_Comment"; the settings dialog wrote "hk_comment".
  EXPECT_EQ(FN_Valor_Config("hk_Comment"), platform::Variant(32833));
  EXPECT_EQ(FN_Valor_Config("EDT_RESOURCES"), platform::Variant("outro.xml"));
  EXPECT_TRUE(FN_Existe_Valor_Config("HK_COMMENT"));
  EXPECT_FALSE(FN_Existe_Valor_Config("hk_comment2"));
}

TEST_F(ConfigStoreTest, MissingKeysAndBadRowsReadAsEmpty) {
  WriteConfig({{"spe_tempo", "dez", "1"}, {"chk_x", "sim", "0"}, {"odd", "5", "7"}});
  for (const char* key : {"spe_tempo", "chk_x", "odd", "never_written"}) {
    const platform::Variant value = FN_Valor_Config(key);
    EXPECT_TRUE(value.IsEmpty()) << key;
    EXPECT_FALSE(value.AsBoolean()) << key;
    EXPECT_EQ(value.AsInteger(), 0) << key;
    EXPECT_EQ(value.AsString(), "") << key;
  }
}

TEST_F(ConfigStoreTest, WritingKeepsOneRowPerKeyInTheWritersCase) {
  WriteConfig({{"hk_comment", "32833", "1"}});
  FN_Seta_Valor_Config("HK_Comment", "49219", tTipo_DadoConfig::tpInteger);
  FN_Seta_Valor_Config("chk_Salvar_Units", FN_Boolean_Config(true), tTipo_DadoConfig::tpBoolean);
  EXPECT_EQ(FN_Valor_Config("hk_comment"), platform::Variant(49219));
  EXPECT_EQ(FN_Valor_Config("chk_salvar_units"), platform::Variant(true));

  platform::TClientDataSet table;
  PR_Abre_DataSet(table, "ZORIIDEx_Config_New.xml");
  ASSERT_TRUE(table.Active());
  EXPECT_EQ(table.RecordCount(), 2);
  ASSERT_TRUE(FN_Locate(table, "TX_CONFIG", "hk_comment", true));
  EXPECT_EQ(table.FieldByName("TX_CONFIG")->AsString(), "HK_Comment");
  ASSERT_TRUE(FN_Locate(table, "TX_CONFIG", "chk_salvar_units", true));
  EXPECT_EQ(table.FieldByName("VL_CONFIG")->AsString(), "0");
  EXPECT_EQ(table.FieldByName("ID_TIPO_DADO")->AsInteger(), 0);
}

TEST_F(ConfigStoreTest, EveryReadSeesTheFileAsItIsNow) {
  WriteConfig({{"spe_tempo", "5", "1"}});
  EXPECT_EQ(FN_Valor_Config("spe_tempo").AsInteger(), 5);
  WriteConfig({{"spe_tempo", "15", "1"}});  // another program changed the file meanwhile
  EXPECT_EQ(FN_Valor_Config("spe_tempo").AsInteger(), 15);
}

TEST_F(ConfigStoreTest, UnknownPackageDirectoryIsReported) {
  WriteConfig({{"chk_auto_load", "0", "0"}});
  v_Diretorio_Package.clear();
  try {
    FN_Valor_Config("chk_auto_load");
    FAIL() << "an unknown package directory must not be read";
  } catch (const platform::EFileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "The package directory is unknown: \"ZORIIDEx_1.bpl\" is not among the known "
              "packages, so \"ZORIIDEx_Config_New.xml\" cannot be opened");
  }
}

TEST_F(ConfigStoreTest, LocateFindsWholeOrPartValuesAndFallsBackToTheFirstRow) {
  WriteTable("ZORIIDEx_Nom.xml", {"NM_CLASSE:string:60", "TX_NOMECLATURA:string:10"},
             {{"TLabel", "lbl_"}, {"TDBEdit", "dbe_"}, {"TEdit", "edt_"}});
  platform::TClientDataSet table;
  PR_Abre_DataSet(table, "ZORIIDEx_Nom.xml");
  ASSERT_TRUE(table.Active());

  EXPECT_TRUE(FN_Locate(table, "NM_CLASSE", "tedit", true));
  EXPECT_EQ(table.FieldByName("TX_NOMECLATURA")->AsString(), "edt_");
  EXPECT_TRUE(FN_Locate(table, "NM_CLASSE", "dbed", false));
  EXPECT_EQ(table.FieldByName("NM_CLASSE")->AsString(), "TDBEdit");
  table.Last();
  EXPECT_FALSE(FN_Locate(table, "NM_CLASSE", "TButton", true));
  EXPECT_EQ(table.FieldByName("NM_CLASSE")->AsString(), "TLabel");

  table.First();
  PR_Zerar_Tabela(table);
  EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(ConfigStoreTest, BrokenTableFileIsReportedWithDirectoryAndFile) {
  WriteFile("ZORIIDEx_LP.xml", "<DATAPACKET Version=\"2.0\"><METADATA>");
  platform::TClientDataSet table;
  PR_Abre_DataSet(table, "ZORIIDEx_LP.xml");
  EXPECT_FALSE(table.Active());
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].starts_with("ROVUVUVoravud|")) << messages[0];
  EXPECT_TRUE(
      messages[0].ends_with("\r\nDirectory: " + dir_.string() + "\r\nFile: ZORIIDEx_LP.xml"))
      << messages[0];

  PR_Abre_DataSet(table, "nao_existe.xml");  // a missing file: silently nothing
  EXPECT_EQ(Messages().size(), 1u);
}
