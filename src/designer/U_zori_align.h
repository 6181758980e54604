// TF_ZORI_Align: the alignment palette, the add-in's one modeless window. The tool menu
// creates it on first use, shows and hides it on later clicks and frees it at unload.
// This build has the window itself; its layout buttons come with the palette's own work.
#pragma once

#include "core/U_zori_tpl_modal.h"

class TF_ZORI_Align : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Align();
};

// The palette from its first use until unload; none before.
extern TF_ZORI_Align* F_ZORI_Align;
