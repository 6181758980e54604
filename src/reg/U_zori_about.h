// TF_ZORI_About: the about window, crediting the people and sources behind the add-in on
// four pages of two-column lists.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TLabel;
class TPageControl;
class TTabSheet;
class TValueListEditor;
}  // namespace platform

class TF_ZORI_About : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_About();

  platform::TLabel* lbl_msg = nullptr;
  platform::TPageControl* pgc_Master = nullptr;
  platform::TTabSheet* tbsh_Developers = nullptr;
  platform::TTabSheet* tbsh_Translat = nullptr;
  platform::TTabSheet* tbsh_BetaTeam = nullptr;
  platform::TTabSheet* tbsh_information = nullptr;
  platform::TValueListEditor* vled_developers = nullptr;
  platform::TValueListEditor* vled_translators = nullptr;
  platform::TValueListEditor* vled_beta = nullptr;
  platform::TValueListEditor* vled_information = nullptr;

  // Opens on the developers' page, then the template's show handling.
  void FormShow(platform::TObject* Sender) override;
};

// The window while it is open; none otherwise.
extern TF_ZORI_About* F_ZORI_About;
