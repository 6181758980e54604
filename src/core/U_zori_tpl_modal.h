// TF_ZORI_Tpl_Modal: the modal window template every tool window is built on. It owns the
// content panel, the button bar with OK and Cancel and the two link labels; showing it
// sets the default button captions, translates the window through the text catalogue,
// loads configuration-backed controls and sizes the window.
#pragma once

#include <string>

#include "platform/forms.h"

namespace platform {
class TBitBtn;
class TLabel;
class TPanel;
}  // namespace platform

class TF_ZORI_Tpl_Modal : public platform::TForm {
 public:
  // Builds the template's controls; name is the window instance's component name (the
  // catalogue's window name), class_name the derived window's class.
  explicit TF_ZORI_Tpl_Modal(const std::string& name = "F_ZORI_Tpl_Modal",
                             const std::string& class_name = "TF_ZORI_Tpl_Modal");

  platform::TPanel* pnl_Back = nullptr;
  platform::TPanel* pnl_down = nullptr;
  platform::TLabel* lbl_Http = nullptr;
  platform::TLabel* lbl_Email = nullptr;
  platform::TBitBtn* bbtn_Ok = nullptr;
  platform::TBitBtn* bbtn_Cancel = nullptr;

  // The show handling; a derived window's own show handler calls it first.
  virtual void FormShow(platform::TObject* Sender);

  // The catalogue capture, on a double-click of the button bar when the marker file
  // exists: after two questions, writes the window's caption, grid column titles, radio
  // group items and the captions of its components (Tag -1 excluded) into the catalogue.
  void pnl_downDblClick(platform::TObject* Sender);

  // The link labels: open the clicked label's caption with the shell; blue under the
  // mouse, black again when it leaves.
  void lbl_HttpClick(platform::TObject* Sender);
  void lbl_HttpMouseMove(platform::TObject* Sender);
  void lbl_HttpMouseLeave(platform::TObject* Sender);
};

// The class information of an add-in window class derived from parent (registered once).
const platform::TClassInfo* FN_Classe_Janela(const std::string& class_name,
                                             const std::string& parent);
