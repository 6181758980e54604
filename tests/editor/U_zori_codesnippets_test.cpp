// The code snippet library and its finder as the user works them: groups chosen, snippets
// inserted and edited through the navigator, searches run and "Ir para..." pressed.
#include "editor/U_zori_codesnippets.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/package_fixture.h"
#include "editor/U_zori_find_cs.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/mask_edit.h"
#include "platform/std_controls.h"

namespace {

using platform::TCustomForm;
using Items = std::vector<std::string>;

class SnippetLibraryTest : public PackageFixture {
 protected:
  void SetUp() override {
    PackageFixture::SetUp();
    WriteConfig({});  // the windows read configuration-backed controls when they show
    WriteTable(kArquivoGruposSnippets, {"id_tipo_cs:i4", "ds_tipo_cs:string:40"},
               {{"1", "Rotinas"}, {"2", "Classes"}}, true);
    WriteSnippets({{"1", "Abrir tabela", "Tabela.Open;"},
                   {"2", "Classe base", "TBase = class(TObject)"},
                   {"9", "Órfão", "sem grupo"},
                   {"2", "Classe d'água", "TAgua = class(TBase)"}});
  }

  // Rows (group, description, text).
  void WriteSnippets(const std::vector<std::vector<std::string>>& rows,
                     bool text_required = false) {
    WriteTable(kArquivoSnippets,
               {"id_tipo_cs:i4", "ds_code_Snipplet:string:200",
                std::string("tx_code_snipplet:string:5000") + (text_required ? ":required" : "")},
               rows, true);
  }

  using Turn = std::function<void(TF_ZORI_CodeSnippets&)>;

  // Opens the library as the tool menu does; each turn works it and then presses
  // "Fechar" (a second turn runs when the window refused to close).
  void Open(const Turn& turn, const Turn& second = nullptr) {
    for (const Turn& each : {turn, second}) {
      if (!each) continue;
      driver_->Expect("F_ZORI_CodeSnippets", [each](TCustomForm& form) {
        auto& library = dynamic_cast<TF_ZORI_CodeSnippets&>(form);
        each(library);
        library.bbtn_Cancel->Click();
      });
    }
    F_ZORI_CodeSnippets =
        platform::TComponent::Create<TF_ZORI_CodeSnippets>(platform::Application());
    F_ZORI_CodeSnippets->ShowModal();
    platform::FN_Destroi_Objeto(F_ZORI_CodeSnippets);
  }

  // Queues the finder's turn; "Localizar" must be pressed in the library's turn.
  void Find(const std::function<void(TF_ZORI_Find_CS&)>& turn) {
    driver_->Expect("F_ZORI_Find_CS", [turn](TCustomForm& form) {
      auto& finder = dynamic_cast<TF_ZORI_Find_CS&>(form);
      turn(finder);
      if (finder.ModalResult() == platform::mrNone) finder.bbtn_Cancel->Click();
    });
  }

  static std::string Current(TF_ZORI_CodeSnippets& w, const char* field) {
    return w.cds_Snippets->FieldByName(field)->AsString();
  }
};

TEST_F(SnippetLibraryTest, OpensOnTheFirstGroupAndListsOneGroupAtATime) {
  Open([](TF_ZORI_CodeSnippets& w) {
    EXPECT_EQ(w.cds_Snippets->Filter(), " id_tipo_cs = 1");
    EXPECT_EQ(w.lbcb_ds_tipo_cs->Text(), "Rotinas");
    EXPECT_EQ(w.dblc_snipplet->ListItems(), Items{"Abrir tabela"});
    EXPECT_EQ(w.dbre_tx_code_snipplet->Text().rfind("Tabela.Open;", 0), 0u);

    w.lbcb_ds_tipo_cs->SelectItem(1);
    EXPECT_EQ(w.cds_Snippets->Filter(), " id_tipo_cs = 2");
    EXPECT_EQ(w.dblc_snipplet->ListItems(), (Items{"Classe base", "Classe d'água"}));
    EXPECT_EQ(w.dbe_ds_code_snipplet->Text(), "Classe base");
    w.dblc_snipplet->SelectItem(1);
    EXPECT_EQ(w.dblc_id_tipo_cs->Text(), "Classes");
    EXPECT_EQ(Current(w, "tx_code_snipplet"), "TAgua = class(TBase)");
  });
  // The snippet of group 9, which no group row names, was never listed and is kept.
  EXPECT_NE(ReadFile(kArquivoSnippets).find("id_tipo_cs=\"9\""), std::string::npos);
}

TEST_F(SnippetLibraryTest, InsertTakesTheShownGroupAndTooLongTextsAreRefusedWhole) {
  std::string full;
  for (int i = 0; i < 2500; ++i) full += "çã";  // 5,000 characters, 10,000 bytes
  Open([&full](TF_ZORI_CodeSnippets& w) {
    w.lbcb_ds_tipo_cs->SelectItem(1);
    w.dbn_nav->BtnClick(platform::nbInsert);
    EXPECT_EQ(Current(w, "id_tipo_cs"), "2");
    EXPECT_EQ(w.dblc_id_tipo_cs->Text(), "Classes");
    w.dbe_ds_code_snipplet->SetText("Longo");
    w.dbre_tx_code_snipplet->SetText(full);
    try {
      w.dbre_tx_code_snipplet->SetText(full + "x");
      ADD_FAILURE() << "5,001 characters must be refused";
    } catch (const platform::EDatabaseError& e) {
      EXPECT_EQ(std::string(e.what()), "Texto: 5001 characters given, at most 5000 fit");
    }
    EXPECT_THROW(w.dbe_ds_code_snipplet->SetText(std::string(201, 'd')), platform::EDatabaseError);
    EXPECT_EQ(Current(w, "ds_code_Snipplet"), "Longo");
    w.dbn_nav->BtnClick(platform::nbPost);
  });
  Open([&full](TF_ZORI_CodeSnippets& w) {
    w.lbcb_ds_tipo_cs->SelectItem(1);
    // The navigator inserts before the row that was current, as the platform does.
    ASSERT_EQ(w.dblc_snipplet->ListItems(), (Items{"Longo", "Classe base", "Classe d'água"}));
    w.dblc_snipplet->SelectItem(0);
    EXPECT_EQ(Current(w, "tx_code_snipplet"), full);
  });
}

TEST_F(SnippetLibraryTest, PendingEditIsPostedOnCloseAndARefusedPostKeepsTheWindowOpen) {
  Open([](TF_ZORI_CodeSnippets& w) { w.dbe_ds_code_snipplet->SetText("Abrir a tabela"); });
  Open([](TF_ZORI_CodeSnippets& w) {
    EXPECT_EQ(w.dblc_snipplet->ListItems(), Items{"Abrir a tabela"});
  });

  WriteSnippets({{"1", "Abrir tabela", "Tabela.Open;"}}, /*text_required=*/true);
  Open(
      [](TF_ZORI_CodeSnippets& w) {
        w.dbn_nav->BtnClick(platform::nbInsert);
        w.dbe_ds_code_snipplet->SetText("Sem texto");
      },
      [this](TF_ZORI_CodeSnippets& w) {
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0], "ROVUVUVoravud|Field 'Texto' must have a value");
        EXPECT_EQ(w.cds_Snippets->State(), platform::dsInsert);
        w.dbn_nav->BtnClick(platform::nbCancel);
      });
  EXPECT_EQ(driver_->PendingTurns(), 0);
}

class SnippetFinderTest : public SnippetLibraryTest {};

TEST_F(SnippetFinderTest, FilterFollowsTheBoxesAndTheirInputs) {
  Find([](TF_ZORI_Find_CS& f) {
    EXPECT_EQ(f.dbg_Lista->RowCount(), 0);
    EXPECT_FALSE(f.bbtn_Ok->Enabled());
    auto search = [&f](const std::string& expected_filter, const Items& expected) {
      f.bbtn_pesq->Click();
      EXPECT_EQ(f.cds_Snippets->Filter(), expected_filter);
      Items rows;
      for (int row = 0; row < f.dbg_Lista->RowCount(); ++row)
        rows.push_back(f.dbg_Lista->CellText(row, 0));
      EXPECT_EQ(rows, expected) << expected_filter;
      EXPECT_EQ(f.bbtn_Ok->Enabled(), !expected.empty()) << expected_filter;
    };
    // The library's unposted edit reached the file before the finder opened.
    search("", {"Abrir tabela nova", "Classe base", "Órfão", "Classe d'água"});

    f.me_ds_code_snipplet->SetText("Classe");
    EXPECT_TRUE(f.chk_ds_code_snipplet->Checked());
    search(" ds_code_snipplet LIKE '%Classe%'", {"Classe base", "Classe d'água"});
    f.chk_id_tipo_cs->Click();  // ticked by hand: the group table's current row, the first
    search(" ds_code_snipplet LIKE '%Classe%' AND  id_tipo_cs = 1", {});
    f.dblc_id_tipo_cs->SelectItem(1);
    search(" ds_code_snipplet LIKE '%Classe%' AND  id_tipo_cs = 2",
           {"Classe base", "Classe d'água"});

    f.me_ds_code_snipplet->SetText("");
    EXPECT_FALSE(f.chk_ds_code_snipplet->Checked());
    search(" id_tipo_cs = 2", {"Classe base", "Classe d'água"});
    f.chk_id_tipo_cs->Click();
    EXPECT_EQ(f.dblc_id_tipo_cs->KeyValue().AsInteger(), 0);

    f.me_ds_code_snipplet->SetText("d'água");
    search(" ds_code_snipplet LIKE '%d''água%'", {"Classe d'água"});
    f.me_ds_code_snipplet->SetText("classe");  // letter case counts
    search(" ds_code_snipplet LIKE '%classe%'", {});
  });
  Open([](TF_ZORI_CodeSnippets& w) {
    w.dbe_ds_code_snipplet->SetText("Abrir tabela nova");
    w.bbtn_Ok->Click();
  });
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SnippetFinderTest, GoToMovesTheLibraryAcrossGroupsOrLeavesItWhereItWas) {
  Find([](TF_ZORI_Find_CS& f) {
    f.me_ds_code_snipplet->SetText("água");
    f.bbtn_pesq->Click();
    f.dbg_Lista->SelectRow(0);
    f.bbtn_Ok->Click();
  });
  Find([](TF_ZORI_Find_CS& f) {
    f.bbtn_pesq->Click();
    f.dbg_Lista->SelectRow(2);
    ASSERT_EQ(f.dbg_Lista->CellText(2, 0), "Órfão");
    f.bbtn_Ok->Click();  // group 9 is in no group row: nothing to go to
    EXPECT_EQ(f.ModalResult(), platform::mrNone);
    EXPECT_EQ(platform::Application().BeepCount(), 1);
  });
  Open([](TF_ZORI_CodeSnippets& w) {
    w.bbtn_Ok->Click();
    EXPECT_EQ(w.lbcb_ds_tipo_cs->Text(), "Classes");
    EXPECT_EQ(w.dblc_snipplet->ListItems(), (Items{"Classe base", "Classe d'água"}));
    EXPECT_EQ(Current(w, "ds_code_Snipplet"), "Classe d'água");

    w.bbtn_Ok->Click();
    EXPECT_EQ(w.cds_Snippets->Filter(), " id_tipo_cs = 2");
    EXPECT_EQ(Current(w, "ds_code_Snipplet"), "Classe d'água");
  });
}

}  // namespace
