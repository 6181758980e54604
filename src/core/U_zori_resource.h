// TF_ZORI_Resource: the catalogue holder, a window that is never shown. Creating it
// (re)loads the text catalogue into v_Resource_Strings; its image list il_Menu holds the
// 14 pictures of the tool menu.
#pragma once

#include "platform/forms.h"

namespace platform {
class TClientDataSet;
class TImageList;
}  // namespace platform

class TF_ZORI_Resource : public platform::TForm {
 public:
  TF_ZORI_Resource();

  platform::TClientDataSet* cds_Resources = nullptr;
  platform::TImageList* il_Menu = nullptr;

  // Number of tool-menu pictures; indices 0 to kMenuImages - 1.
  static constexpr int kMenuImages = 14;

 private:
  void FormCreate();
  void LoadMenuImages();
};

// The holder while it exists; none otherwise.
extern TF_ZORI_Resource* F_ZORI_Resource;
