#include <gtest/gtest.h>

#include "platform/client_dataset.h"
#include "platform/exceptions.h"
#include "temp_folder.h"

using namespace platform;

namespace {

// ID NOME     GRUPO ATIVO
// 1  Alfa     1     true
// 2  beta     1     false
// 3  Gama's   2     true
// 4  (null)   2     (null)
// 5  Delta    3     false
struct Table {
  TComponent form{BuiltinClasses().Find("TForm")};
  TClientDataSet* cds = TComponent::Create<TClientDataSet>(form);

  Table() {
    cds->SetName("cds_Lista");
    cds->FieldDefs().Add("ID", ftInteger);
    cds->FieldDefs().Add("NOME", ftString, 20);
    cds->FieldDefs().Add("GRUPO", ftInteger);
    cds->FieldDefs().Add("ATIVO", ftBoolean);
    cds->CreateDataSet();
    Add(1, "Alfa", 1, true);
    Add(2, "beta", 1, false);
    Add(3, "Gama's", 2, true);
    Add(4, "", 2, Variant());
    Add(5, "Delta", 3, false);
    cds->SetFiltered(true);
  }
  void Add(int id, const char* name, int group, const Variant& active) {
    cds->Append();
    cds->FieldByName("ID")->SetAsInteger(id);
    cds->FieldByName("NOME")->SetAsString(name);
    cds->FieldByName("GRUPO")->SetAsInteger(group);
    cds->FieldByName("ATIVO")->SetValue(active);
    cds->Post();
  }
  std::vector<int> Where(const std::string& filter) {
    cds->SetFilter(filter);
    std::vector<int> ids;
    for (cds->First(); !cds->Eof(); cds->Next()) ids.push_back(cds->FieldByName("ID")->AsInteger());
    EXPECT_EQ(static_cast<int>(ids.size()), cds->RecordCount()) << filter;
    return ids;
  }
};

using Ids = std::vector<int>;

}  // namespace

TEST(FilterTest, ComparisonOperatorsOnNumbersAndText) {
  Table t;
  EXPECT_EQ(t.Where("GRUPO = 1"), (Ids{1, 2}));
  EXPECT_EQ(t.Where("GRUPO <> 1"), (Ids{3, 4, 5}));
  EXPECT_EQ(t.Where("GRUPO < 2"), (Ids{1, 2}));
  EXPECT_EQ(t.Where("GRUPO > 2"), (Ids{5}));
  EXPECT_EQ(t.Where("GRUPO <= 2"), (Ids{1, 2, 3, 4}));
  EXPECT_EQ(t.Where("GRUPO >= 2"), (Ids{3, 4, 5}));
  EXPECT_EQ(t.Where("ID = -1"), (Ids{}));
  EXPECT_EQ(t.Where("0 = 1"), (Ids{}));
  EXPECT_EQ(t.Where("GRUPO = '2'"), (Ids{3, 4}));
  EXPECT_EQ(t.Where("NOME = 'beta'"), (Ids{2}));
  EXPECT_EQ(t.Where("NOME = 'Beta'"), (Ids{}));  // text compares with letter case
  EXPECT_EQ(t.Where("NOME = 'Gama''s'"), (Ids{3}));
  EXPECT_EQ(t.Where("NOME <> 'beta'"), (Ids{1, 3, 5}));  // null compares with nothing
  EXPECT_EQ(t.Where("NOME < 'Delta'"), (Ids{1}));
  EXPECT_EQ(t.Where("[NOME] >= 'G'"), (Ids{2, 3}));
  EXPECT_EQ(t.Where("ATIVO = TRUE"), (Ids{1, 3}));
  t.cds->SetPropValue("FilterOptions", "[foCaseInsensitive]");
  EXPECT_EQ(t.cds->GetPropValue("FilterOptions").AsString(), "[foCaseInsensitive]");
  EXPECT_EQ(t.Where("NOME = 'BETA'"), (Ids{2}));
  EXPECT_EQ(t.Where(""), (Ids{1, 2, 3, 4, 5}));
}

TEST(FilterTest, LikePatternsAndNullTests) {
  Table t;
  EXPECT_EQ(t.Where("NOME LIKE 'A%'"), (Ids{1}));
  EXPECT_EQ(t.Where("NOME LIKE '%a'"), (Ids{1, 2, 5}));
  EXPECT_EQ(t.Where("NOME LIKE '%A%'"), (Ids{1}));
  EXPECT_EQ(t.Where("NOME LIKE '_eta'"), (Ids{2}));
  EXPECT_EQ(t.Where("NOME LIKE '_a%'"), (Ids{3}));
  EXPECT_EQ(t.Where("NOME LIKE '%''%'"), (Ids{3}));
  EXPECT_EQ(t.Where("NOME LIKE '%%'"), (Ids{1, 2, 3, 5}));
  EXPECT_EQ(t.Where("NOME NOT LIKE '%e%'"), (Ids{1, 3}));
  EXPECT_EQ(t.Where("NOME IS NULL"), (Ids{4}));
  EXPECT_EQ(t.Where("NOME IS NOT NULL"), (Ids{1, 2, 3, 5}));
  EXPECT_EQ(t.Where("ATIVO"), (Ids{1, 3}));
  t.cds->SetFilterOptions(foCaseInsensitive);
  EXPECT_EQ(t.Where("nome like '%A%'"), (Ids{1, 2, 3, 5}));
}

TEST(FilterTest, NotBindsTighterThanAndWhichBindsTighterThanOr) {
  Table t;
  EXPECT_EQ(t.Where("GRUPO = 1 OR GRUPO = 2 AND ATIVO"), (Ids{1, 2, 3}));
  EXPECT_EQ(t.Where("(GRUPO = 1 OR GRUPO = 2) AND ATIVO"), (Ids{1, 3}));
  EXPECT_EQ(t.Where("NOT GRUPO = 1 AND ID < 5"), (Ids{3, 4}));
  EXPECT_EQ(t.Where("NOT (GRUPO = 1 AND ID < 2)"), (Ids{2, 3, 4, 5}));
  EXPECT_EQ(t.Where("grupo = 1 or Id = 5"), (Ids{1, 2, 5}));
  EXPECT_EQ(t.Where(" (NOME = '') OR (NOME IS NULL)"), (Ids{4}));
}

TEST(FilterTest, InvalidExpressionSaysWhereAndKeepsTheOldFilter) {
  Table t;
  EXPECT_EQ(t.Where("GRUPO = 1"), (Ids{1, 2}));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"NOME = 'abc", "column 12: expected a closing quote, found end of expression"},
      {"GRUPO = = 1", "column 9: expected a field name or a value, found '='"},
      {"XPTO = 1", "column 1: expected a field name of the dataset, found 'XPTO'"},
      {"NOME LIKE '%a%' AND",
       "column 20: expected a field name or a value, found end of expression"},
      {"(GRUPO = 1", "column 11: expected ')', found end of expression"},
      {"NOME 'x'", "column 6: expected a comparison operator, LIKE or IS, found text 'x'"},
      {"ID IS 3", "column 7: expected NULL, found '3'"},
      {"GRUPO = 1 GRUPO", "column 11: expected AND, OR or end of expression, found 'GRUPO'"},
      // Nested thousands deep it would have overflowed the stack (found by fuzzing).
      {std::string(6000, '(') + "GRUPO = 1",
       "column 201: more than 200 nested parentheses and NOTs"},
      {[] {
         std::string nots;
         for (int i = 0; i < 3000; ++i) nots += "NOT ";
         return nots + "GRUPO = 1";
       }(),
       "column 801: more than 200 nested parentheses and NOTs"},
  };
  for (const auto& [filter, where] : cases) {
    try {
      t.cds->SetFilter(filter);
      ADD_FAILURE() << "accepted: " << filter;
    } catch (const EDatabaseError& e) {
      EXPECT_EQ(std::string(e.what()),
                "cds_Lista: Invalid filter expression '" + filter + "': " + where);
    }
    EXPECT_EQ(t.cds->Filter(), "GRUPO = 1");
    EXPECT_EQ(t.cds->RecordCount(), 2);
  }
  // Still usable: moving and filtering again work.
  t.cds->Last();
  EXPECT_EQ(t.cds->FieldByName("ID")->AsInteger(), 2);
  EXPECT_EQ(t.Where("ID = 5"), (Ids{5}));

  // Switching filtering on with a bad text leaves the table unfiltered.
  t.cds->SetFiltered(false);
  t.cds->SetFilter("ID =");
  EXPECT_THROW(t.cds->SetFiltered(true), EDatabaseError);
  EXPECT_FALSE(t.cds->Filtered());
  EXPECT_EQ(t.cds->RecordCount(), 5);
}

TEST(FilterTest, FiltersTheWindowsBuildOnTheirTables) {
  TComponent form(BuiltinClasses().Find("TForm"));
  auto* resources = TComponent::Create<TClientDataSet>(form);
  resources->LoadFromFile(zori_test::Fixture("catalogue_1252.xml"));
  resources->SetFilter(" (NM_FORM = '') OR (NM_FORM IS NULL)");
  resources->SetFiltered(true);
  ASSERT_EQ(resources->RecordCount(), 1);
  EXPECT_EQ(resources->FieldByName("NM_COMPONENTE")->AsString(), "bbtn_Ok.Caption");
  resources->SetFilter("NM_FORM = 'F_ZORI_Find_CS'");
  ASSERT_EQ(resources->RecordCount(), 1);
  EXPECT_EQ(resources->FieldByName("TX_REFERENTE")->AsString(), "Descrição");

  auto* snippets = TComponent::Create<TClientDataSet>(form);
  snippets->SetFilter("0 = 1");
  snippets->SetFiltered(true);
  snippets->LoadFromFile(zori_test::Fixture("snippets_memo.xml"));
  EXPECT_EQ(snippets->RecordCount(), 0);
  snippets->SetFilter(" id_tipo_cs = 2");
  EXPECT_EQ(snippets->RecordCount(), 2);
  snippets->SetFilter(" ds_code_snipplet LIKE '%try%' AND  id_tipo_cs = 2");
  ASSERT_EQ(snippets->RecordCount(), 1);
  EXPECT_EQ(snippets->FieldByName("ds_code_Snipplet")->AsString(), "Bloco try");
  snippets->SetFilter(" ds_code_snipplet LIKE '%Laço%'");
  EXPECT_EQ(snippets->RecordCount(), 1);
  // A quote typed into the description makes the text invalid; the old filter stays.
  EXPECT_THROW(snippets->SetFilter(" ds_code_snipplet LIKE '%it's%'"), EDatabaseError);
  EXPECT_EQ(snippets->Filter(), " ds_code_snipplet LIKE '%Laço%'");
}
