// TF_ZORI_Manual_Adj: the manual adjustment window. The user picks the axis and types the
// gap in pixels; OK spaces the designer's selection through the alignment palette's own
// spacing operation. Opened only from the palette, which creates and frees it.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TComboBox;
class TLabel;
class TSpinEdit;
}  // namespace platform

class TF_ZORI_Manual_Adj : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Manual_Adj();

  platform::TLabel* lbl_type_adjust = nullptr;
  // Item 0 "Horizontal", item 1 "Vertical".
  platform::TComboBox* cb_type_adjust = nullptr;
  // The gap; 0 asks for automatic equal spacing, a negative gap overlaps the components.
  platform::TSpinEdit* spe_space = nullptr;

  // Starts on "Horizontal".
  void FormCreate(platform::TObject* Sender);
  // Spaces the selection with the typed gap. A gap that is empty or no number is refused
  // with a message and the window stays open: it would otherwise read as 0, which asks
  // for automatic spacing the user did not choose.
  void bbtn_OkClick(platform::TObject* Sender);
};

// The window while it is open; none otherwise.
extern TF_ZORI_Manual_Adj* F_ZORI_Manual_Adj;
