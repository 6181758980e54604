// TF_ZORI_Align: the alignment palette, the add-in's one modeless window. Each button
// applies one layout rule to the components selected in the designer of the current
// module, the first selected being the reference; every read and write goes through the
// designer access layer by name, so the designer changes the form and marks it modified.
// The tool menu creates the palette on first use, shows and hides it on later clicks and
// frees it at unload.
#pragma once

#include <cstdint>
#include <string>

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TImageList;
class TMenuItem;
class TPopupMenu;
class TToolBar;
class TToolButton;
enum class TCloseAction;
}  // namespace platform

// The rule of a centring, spacing or far-edge operation and, by it, the axis: horizontal
// rules work on Left and Width, vertical ones on Top and Height.
enum class TTipo_Align {
  taCent_H_Comps,   // centre on the first component's vertical centre line
  taCent_V_Comps,   // centre on the first component's horizontal centre line
  taCent_H_Window,  // centre the group horizontally in the form
  taCent_V_Window,  // centre the group vertically in the form
  taAjust_H_Comps,  // equal spacing, left to right
  taAjust_V_Comps,  // equal spacing, top to bottom
  taExtr_H_Comps,   // align the right edges
  taExtr_V_Comps,   // align the bottom edges
};

class TF_ZORI_Align : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Align();

  platform::TToolBar* tlb_horizontal = nullptr;
  platform::TToolButton* tbtn_align_left = nullptr;
  platform::TToolButton* tbtn_align_h_center = nullptr;
  platform::TToolButton* tbtn_align_h_window = nullptr;
  platform::TToolButton* tbtn_align_v_space = nullptr;
  platform::TToolButton* tbtn_align_right = nullptr;
  platform::TToolButton* tbtn_equal_width = nullptr;
  platform::TToolBar* tlb_vertical = nullptr;
  platform::TToolButton* tbtn_align_top = nullptr;
  platform::TToolButton* tbtn_align_v_center = nullptr;
  platform::TToolButton* tbtn_align_v_window = nullptr;
  platform::TToolButton* tbtn_align_h_space = nullptr;
  platform::TToolButton* tbtn_align_bottom = nullptr;
  platform::TToolButton* tbtn_equal_height = nullptr;
  platform::TToolBar* tlb_NOVA = nullptr;
  platform::TToolButton* tbtn_Manual_Adjust = nullptr;
  platform::TToolButton* tbtn_relative_parent = nullptr;
  platform::TToolButton* tbtn_relative_class = nullptr;
  platform::TImageList* il_botoes = nullptr;
  platform::TPopupMenu* pm_opcoes = nullptr;
  platform::TMenuItem* mi_StayOnTop = nullptr;

  // Gives every selected component after the first the first one's Propriedade ("Left",
  // "Top", "Width" or "Height"); nothing while the relative-to-parent toggle is on.
  void PR_Iguala_Propriedade(const std::string& Propriedade);
  // Centres every selected component after the first on the first one's centre line
  // (taCent_H_Comps: the vertical line, taCent_V_Comps: the horizontal one).
  void PR_Aplica_Regra(TTipo_Align Regra);
  // Moves the selection as one group to the middle of the form's client area
  // (taCent_H_Window: across, any other rule: down); the arrangement does not change.
  void PR_Centraliza_Window(TTipo_Align Regra);
  // Spaces the selection (taAjust_H_Comps: across, any other rule: down). Espaco 0 lays
  // the components between the first and the last with equal gaps; any other gap lays
  // every component after the first one, in selection order, Espaco pixels apart.
  void PR_Ajusta_Espacamento(TTipo_Align Regra, int32_t Espaco);
  // Aligns the right edges (taExtr_H_Comps) or the bottom edges (any other rule) with the
  // first component's.
  void PR_Alinha_Extremos(TTipo_Align Regra);

  void tbtn_align_leftClick(platform::TObject* Sender);
  void tbtn_align_topClick(platform::TObject* Sender);
  void tbtn_equal_widthClick(platform::TObject* Sender);
  void tbtn_equal_heightClick(platform::TObject* Sender);
  void tbtn_align_h_centerClick(platform::TObject* Sender);
  void tbtn_align_v_centerClick(platform::TObject* Sender);
  void tbtn_align_h_windowClick(platform::TObject* Sender);
  void tbtn_align_v_windowClick(platform::TObject* Sender);
  void tbtn_align_h_spaceClick(platform::TObject* Sender);
  void tbtn_align_v_spaceClick(platform::TObject* Sender);
  void tbtn_align_rightClick(platform::TObject* Sender);
  void tbtn_align_bottomClick(platform::TObject* Sender);
  void tbtn_relative_parentClick(platform::TObject* Sender);
  void tbtn_relative_classClick(platform::TObject* Sender);
  // Opens the manual adjustment window modally and frees it afterwards.
  void tbtn_Manual_AdjustClick(platform::TObject* Sender);
  // Toggles the check mark and re-shows the palette stay-on-top or normal to match it.
  void mi_StayOnTopClick(platform::TObject* Sender);
  // The close box hides the palette through the tool menu's alignment item, so the menu
  // records the closed state; the palette itself is never closed nor freed by it.
  void FormClose(platform::TObject* Sender, platform::TCloseAction& Action);

  // Whether the relative-to-parent toggle is on (image 15).
  bool RelativoAoPai() const;
};

// The palette from its first use until unload; none before.
extern TF_ZORI_Align* F_ZORI_Align;
