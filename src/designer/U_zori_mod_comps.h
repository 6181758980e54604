// TF_ZORI_Mod_Comps: the summary of the naming standardiser. One row per suggested
// rename, current name and suggested name; the user edits or deletes suggestions and
// confirms with OK, or discards them all with Cancel.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TValueListEditor;
}

class TF_ZORI_Mod_Comps : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Mod_Comps();

  // Key: the component's current name (unique, not editable); value: the suggested name.
  platform::TValueListEditor* VLE_Modf = nullptr;

  // Selecting a cell selects the row's component in the form designer; it never refuses.
  void VLE_ModfSelectCell(platform::TObject* Sender, int ACol, int ARow, bool& CanSelect);
};

// The summary during one renaming run; none otherwise.
extern TF_ZORI_Mod_Comps* F_ZORI_Mod_Comps;
