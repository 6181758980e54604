#include "reg/U_zori_about.h"

#include "platform/com_controls.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"
#include "platform/value_list_editor.h"

TF_ZORI_About* F_ZORI_About = nullptr;

TF_ZORI_About::TF_ZORI_About() : TF_ZORI_Tpl_Modal("F_ZORI_About", "TF_ZORI_About") {
  SetCaption("Sobre...");
  SetClientWidth(446);
  SetClientHeight(408);
  pnl_Back->SetHeight(368);
  pnl_down->SetTop(368);

  lbl_msg = Create<platform::TLabel>(*this);
  lbl_msg->SetName("lbl_msg");
  lbl_msg->SetParent(pnl_Back);
  lbl_msg->SetBounds(8, 8, 430, 13);
  lbl_msg->SetCaption("Peoples that participated direct or indirectly of this project ");

  pgc_Master = Create<platform::TPageControl>(*this);
  pgc_Master->SetName("pgc_Master");
  pgc_Master->SetParent(pnl_Back);
  pgc_Master->SetBounds(8, 28, 430, 332);

  auto page = [this](platform::TTabSheet*& sheet, const char* sheet_name, const char* caption,
                     platform::TValueListEditor*& list, const char* list_name) {
    sheet = Create<platform::TTabSheet>(*this);
    sheet->SetName(sheet_name);
    sheet->SetPageControl(pgc_Master);
    sheet->SetPropValue("Caption", caption);
    list = Create<platform::TValueListEditor>(*this);
    list->SetName(list_name);
    list->SetParent(sheet);
    list->SetPropValue("Align", "alClient");
    list->SetPropValue("Color", "clInfoBk", false);
    list->SetPropValue("KeyOptions", "[]");
    list->SetPropValue("Options",
                       "[goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, "
                       "goColSizing, goRowSelect, goThumbTracking]",
                       false);
    list->TitleCaptions().Clear();
    list->TitleCaptions().Add("Name");
    list->TitleCaptions().Add("Description");
    list->SetPropValue("ColWidths", "150,280", false);
  };
  page(tbsh_Developers, "tbsh_Developers", "Developers", vled_developers, "vled_developers");
  page(tbsh_Translat, "tbsh_Translat", "Translators", vled_translators, "vled_translators");
  page(tbsh_BetaTeam, "tbsh_BetaTeam", "Beta Testers", vled_beta, "vled_beta");
  page(tbsh_information, "tbsh_information", "Source of information", vled_information,
       "vled_information");
}

void TF_ZORI_About::FormShow(platform::TObject* Sender) {
  pgc_Master->SetActivePage(tbsh_Developers);
  SetActiveControl(vled_developers);
  TF_ZORI_Tpl_Modal::FormShow(Sender);
}
