// TF_ZORI_Perf_Layout: the layout profile. "Salvar Layout atual" stores the place and size
// of every visible IDE window under its component name in ZORIIDEx_LP.xml; "Aplicar Layout
// armazenado" puts every undocked visible window that has a stored row back there. Forms
// being designed and this window itself are never part of it.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TClientDataSet;
class TDataSource;
class TRadioButton;
}  // namespace platform

class TF_ZORI_Perf_Layout : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Perf_Layout();

  platform::TRadioButton* rb_aplica_layout = nullptr;  // selected when the window is made
  platform::TRadioButton* rb_salva_layout = nullptr;
  platform::TClientDataSet* cds_LP = nullptr;
  platform::TDataSource* ds_LP = nullptr;

  // Applies or saves as the selected option says.
  void bbtn_OkClick(platform::TObject* Sender);
  // Moves and sizes each accepted window by its rows, in table order (the last row of a
  // name wins), and makes it a normal window. Without a layout file nothing moves.
  void PR_Aplica_LP();
  // Replaces the table's rows with one per accepted window (docked ones too); the file is
  // created when missing and written when the window is freed.
  void PR_Salva_LP();
};

// The window while it exists; none otherwise.
extern TF_ZORI_Perf_Layout* F_ZORI_Perf_Layout;
