// TF_ZORI_Msg: the add-in's message window, a plain message (Tag 2, one button where Cancel
// would stand) or a question (OK and Cancel). PR_Mensagem and FN_Confirma in U_zori_func
// create it, show it modally and free it.
#pragma once

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TImage;
}

class TF_ZORI_Msg : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Msg();

  platform::TImage* img_Aviso = nullptr;
  platform::TLabel* lbl_Mensagem = nullptr;

  void FormShow(platform::TObject* Sender) override;
};

// The window while a message or question is on screen; none otherwise.
extern TF_ZORI_Msg* F_ZORI_Msg;
