// TF_ZORI_List_Comp: the form lister. One tree holds every form of the IDE process (the
// IDE's windows, the add-in's own, forms being designed), each with its windowed controls
// under their parent controls. Read-only; built once when the window shows.
#pragma once

#include <string>

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TTreeNode;
class TTreeView;
}  // namespace platform

class TF_ZORI_List_Comp : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_List_Comp();

  platform::TLabel* lbl_tv_comps = nullptr;
  platform::TTreeView* tv_comps = nullptr;

  void FormShow(platform::TObject* Sender) override;
  // Adds every form on the screen, the screen's first form ending up last in the tree.
  void PR_Lista_Forms();
  // Puts Form in front of the forms listed so far, with its windowed controls under the
  // nodes of their parents.
  void PR_Lista_Comps(platform::TCustomForm& Form);
  // The first node in tree order whose text is Nome (letter case counts); nullptr when
  // there is none.
  platform::TTreeNode* FN_Localiza_Pai(const std::string& Nome) const;
};

// The lister while it is open; none otherwise.
extern TF_ZORI_List_Comp* F_ZORI_List_Comp;
